// Whole sentences over the shipped dictionaries: the words after "ser" and
// "estar", "nadie" and "nada" as subjects, and verb forms that look like an
// infinitive with a pronoun.
#include <gtest/gtest.h>

#include "shipped_sentences.h"

namespace quelvo {
namespace {

class PredicateWords : public ShippedSentences {};
TEST_P(PredicateWords, ReadAsTheirAdjective) { ExpectLine(); }

INSTANTIATE_TEST_SUITE_P(
    Sentences, PredicateWords,
    testing::Values(ReadingRow{"participle_with_further_form", "Estoy cansado.", "Jag är trött."},
                    ReadingRow{"participle_plural", "Estamos cansados.", "Vi är trötta."},
                    ReadingRow{"participle_feminine", "La niña está cansada.", "Flickan är trött."},
                    ReadingRow{"strong_participle_neuter", "La ventana está rota.", "Fönstret är brutet."},
                    ReadingRow{"strong_participle_common", "El libro está escrito.", "Boken är skriven."},
                    ReadingRow{"strong_participle_plural", "Las cartas están escritas.", "Breven är skrivna."},
                    ReadingRow{"noun_adjective_after_ser", "El perro es joven.", "Hunden är ung."},
                    ReadingRow{"noun_adjective_after_ser_plural", "Los perros son jóvenes.", "Hundarna är unga."},
                    ReadingRow{"trade_after_ser_stays_noun", "Él es médico.", "Han är läkare."},
                    ReadingRow{"feminine_adjective_not_verb", "La casa está limpia.", "Huset är rent."},
                    ReadingRow{"plural_feminine_adjective", "Las casas están limpias.", "Husen är rena."},
                    ReadingRow{"accented_adjective", "La caja está vacía.", "Lådan är tom."},
                    ReadingRow{"feminine_after_ser", "La botella es llena.", "Flaskan är full."},
                    ReadingRow{"verb_elsewhere_stays_verb", "Ella limpia la casa.", "Hon städar huset."}),
    RowName);

class NegativeSubjects : public ShippedSentences {};
TEST_P(NegativeSubjects, AreNegativeOnlyWithoutNo) { ExpectLine(); }

INSTANTIATE_TEST_SUITE_P(
    Sentences, NegativeSubjects,
    testing::Values(ReadingRow{"nadie_subject", "Nadie sabe la respuesta.", "Ingen vet svaret."},
                    ReadingRow{"nadie_before_object_pronoun", "Nadie me quiere.", "Ingen vill mig."},
                    ReadingRow{"nada_subject", "Nada funciona.", "Inget fungerar."},
                    ReadingRow{"nadie_after_no", "No hay nadie.", "Det finns inte någon."},
                    ReadingRow{"nada_after_no", "No sé nada.", "Jag vet inte något."},
                    ReadingRow{"nadie_object", "Juan no ve a nadie.", "Juan ser inte någon."},
                    ReadingRow{"nadie_subject_of_clause", "Dice que nadie viene.", "Han säger att ingen kommer."},
                    ReadingRow{"nadie_in_clause_after_no", "No creo que nadie venga.",
                               "Jag tror inte att någon kommer."},
                    ReadingRow{"nadie_in_comparison", "Él trabaja más que nadie.", "Han arbetar mer än någon."}),
    RowName);

class WholeVerbForms : public ShippedSentences {};
TEST_P(WholeVerbForms, AreReadAsVerbs) { ExpectLine(); }

INSTANTIATE_TEST_SUITE_P(
    Sentences, WholeVerbForms,
    testing::Values(ReadingRow{"duerme", "Siempre duerme mucho.", "Alltid sover han mycket."},
                    ReadingRow{"invierte", "Él invierte dinero.", "Han investerar pengar."}),
    RowName);

}  // namespace
}  // namespace quelvo
