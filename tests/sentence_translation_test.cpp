// Whole sentences through the public interface, over a small dictionary
// compiled at set-up from tests/fixtures/sentences_source. Each row is a
// Spanish sentence and the exact Swedish line the rules give for it.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <variant>

#include "lexicon_compiler.h"
#include "quelvo/translator.h"

namespace quelvo {
namespace {

struct SentenceRow {
    const char* name;
    const char* spanish;
    const char* swedish;
};

void PrintTo(const SentenceRow& row, std::ostream* os) { *os << row.spanish; }

std::string RowName(const testing::TestParamInfo<SentenceRow>& info) { return info.param.name; }

// Compiles the fixture sources into a directory of its own and opens a
// Translator on the result; the directory goes when the suite ends.
class SentenceTranslation : public testing::TestWithParam<SentenceRow> {
public:
    static void SetUpTestSuite() {
        dataDir_ = std::filesystem::temp_directory_path() / ("quelvo_sentences_" + std::to_string(getpid()));
        lexc::Diagnostics readProblems;
        const lexc::SourceSet sources =
            lexc::ReadSourceDirectory(std::filesystem::path(QUELVO_FIXTURES) / "sentences_source", readProblems);
        const lexc::CompileResult compiled = lexc::CompileLexicon(sources);
        for (const lexc::Diagnostic& d : readProblems.All()) ADD_FAILURE() << d.Describe();
        for (const lexc::Diagnostic& d : compiled.diagnostics) ADD_FAILURE() << d.Describe();
        const std::string written = lexc::WriteOutputDirectory(dataDir_, compiled.files);
        if (!written.empty()) ADD_FAILURE() << written;
        auto opened = Translator::Open(dataDir_);
        if (auto* error = std::get_if<DataError>(&opened)) ADD_FAILURE() << error->Describe();
        if (auto* ok = std::get_if<Translator>(&opened)) translator_ = std::make_unique<Translator>(std::move(*ok));
    }
    static void TearDownTestSuite() {
        translator_.reset();
        std::filesystem::remove_all(dataDir_);
    }

protected:
    static Translation Translate(const std::string& spanish) {
        if (translator_ == nullptr) return {};
        return translator_->Translate(spanish);
    }
    void ExpectLine() const {
        const Translation t = Translate(GetParam().spanish);
        EXPECT_EQ(t.rejection, Rejection::None);
        EXPECT_EQ(t.text, GetParam().swedish);
    }

private:
    static inline std::filesystem::path dataDir_;
    static inline std::unique_ptr<Translator> translator_;
};

// One suite per area of the rules, so that a failure names its area.
class VerbConstructions : public SentenceTranslation {};
class ClockTime : public SentenceTranslation {};
class NounPhrases : public SentenceTranslation {};
class WordsAndPrepositions : public SentenceTranslation {};
class Comparison : public SentenceTranslation {};
class ReflexiveAndPassive : public SentenceTranslation {};
class VerbPhraseRules : public SentenceTranslation {};
class Robustness : public SentenceTranslation {};

TEST_P(VerbConstructions, GivesTheSwedishLine) { ExpectLine(); }
TEST_P(ClockTime, GivesTheSwedishLine) { ExpectLine(); }
TEST_P(NounPhrases, GivesTheSwedishLine) { ExpectLine(); }
TEST_P(WordsAndPrepositions, GivesTheSwedishLine) { ExpectLine(); }
TEST_P(Comparison, GivesTheSwedishLine) { ExpectLine(); }
TEST_P(ReflexiveAndPassive, GivesTheSwedishLine) { ExpectLine(); }
TEST_P(VerbPhraseRules, GivesTheSwedishLine) { ExpectLine(); }
TEST_P(Robustness, GivesTheSwedishLine) { ExpectLine(); }

INSTANTIATE_TEST_SUITE_P(
    Sentences, VerbConstructions,
    testing::Values(SentenceRow{"tener_que", "Tengo que comer.", "Jag måste äta."},
                    SentenceRow{"no_tener_que", "Juan no tiene que comer.", "Juan behöver inte äta."},
                    SentenceRow{"ir_a_present", "Juan va a comer.", "Juan kommer att äta."},
                    SentenceRow{"ir_a_past", "Juan iba a comer.", "Juan skulle äta."},
                    SentenceRow{"acabar_de", "Juan acaba de comer.", "Juan har just ätit."},
                    SentenceRow{"dejar_de", "Juan deja de comer.", "Juan upphör att äta."},
                    SentenceRow{"fue_a", "Juan fue a comprar.", "Juan gick för att köpa."},
                    SentenceRow{"era", "Juan era alto.", "Juan var hög."},
                    SentenceRow{"poder", "Juan puede comer.", "Juan kan äta."},
                    SentenceRow{"poder_negated", "Juan no puede comer.", "Juan kan inte äta."},
                    SentenceRow{"seguir_gerund", "Juan sigue comiendo.", "Juan fortsätter äta."},
                    SentenceRow{"weather", "Hace buen tiempo.", "Det är bra väder."},
                    SentenceRow{"hay", "Hay un perro.", "Det finns en hund."},
                    SentenceRow{"hay_plural", "Hay perros.", "Det finns hundar."},
                    SentenceRow{"habia", "Había un perro.", "Det fanns en hund."},
                    SentenceRow{"no_hay", "No hay perros.", "Det finns inte hundar."},
                    SentenceRow{"age_present", "Juan tiene veinte años.", "Juan är tjugo år."},
                    SentenceRow{"age_past", "Juan tenía veinte años.", "Juan var tjugo år."},
                    SentenceRow{"ser_adjective_infinitive", "Es fácil hacer.", "Det är lätt att göra."},
                    SentenceRow{"estar_gerund_present", "Juan está comiendo.", "Juan äter."},
                    SentenceRow{"estar_gerund_past", "Juan estaba comiendo.", "Juan åt."}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    Sentences, ClockTime,
    testing::Values(SentenceRow{"one_oclock", "Es la una.", "Klockan är ett."},
                    SentenceRow{"half_past", "Son las tres y media.", "Klockan är tre och trettio."},
                    SentenceRow{"minutes_past", "Son las tres y diez.", "Klockan är tre och tio."},
                    SentenceRow{"minutes_to", "Son las tres menos diez.", "Klockan är tio i tre."}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    Sentences, NounPhrases,
    testing::Values(SentenceRow{"definite", "El perro.", "Hunden."},
                    SentenceRow{"indefinite", "Un perro.", "En hund."},
                    SentenceRow{"definite_plural", "Los perros.", "Hundarna."},
                    SentenceRow{"definite_neuter", "La casa.", "Huset."},
                    SentenceRow{"indefinite_neuter", "Una casa.", "Ett hus."},
                    SentenceRow{"definite_neuter_plural", "Las casas.", "Husen."},
                    SentenceRow{"irregular_noun", "Un libro.", "En bok."},
                    SentenceRow{"adjective_definite", "El perro negro.", "Den svarta hunden."},
                    SentenceRow{"adjective_indefinite", "Un perro negro.", "En svart hund."},
                    SentenceRow{"adjective_plural", "Los perros negros.", "De svarta hundarna."},
                    SentenceRow{"adjective_neuter", "Una casa blanca.", "Ett vitt hus."},
                    SentenceRow{"irregular_noun_adjective", "Los libros rojos.", "De röda böckerna."},
                    SentenceRow{"two_adjectives", "La casa blanca y azul.", "Det vita och blåa huset."},
                    SentenceRow{"possessive", "Mi casa.", "Mitt hus."},
                    SentenceRow{"possessive_plural", "Mis casas.", "Mina hus."},
                    SentenceRow{"possessive_nuestro", "Nuestra casa.", "Vårt hus."},
                    SentenceRow{"possessive_adjective", "Mi gran casa.", "Mitt stora hus."},
                    SentenceRow{"cada", "Cada perro come.", "Varje hund äter."},
                    SentenceRow{"todos_los", "Todos los perros comen.", "Alla hundarna äter."},
                    SentenceRow{"todo_el", "Todo el perro.", "Hela hunden."},
                    SentenceRow{"demonstrative_here", "Este perro come.", "Den här hunden äter."},
                    SentenceRow{"demonstrative_there", "Esa casa.", "Det där huset."}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    Sentences, WordsAndPrepositions,
    testing::Values(SentenceRow{"despues_de", "Juan sale después de comer.", "Juan lämnar efter att ha ätit."},
                    SentenceRow{"antes_de", "Juan come antes de salir.", "Juan äter innan man har lämnat."},
                    SentenceRow{"tras", "Juan sale tras comer.", "Juan lämnar efter att ha ätit."},
                    SentenceRow{"sin", "Juan sale sin saber.", "Juan lämnar utan att veta."},
                    SentenceRow{"para_infinitive", "Juan sale para comer.", "Juan lämnar för att äta."},
                    SentenceRow{"para_el", "El libro es para él.", "Boken är för honom."},
                    SentenceRow{"para_mi", "El libro es para mí.", "Boken är för mig."},
                    SentenceRow{"que_plural", "¿Qué perros?", "Vilka hundar?"},
                    SentenceRow{"que_singular", "¿Qué perro?", "Vilken hund?"},
                    SentenceRow{"month", "Juan llega el 5 de mayo.", "Juan kommer 5 maj."},
                    SentenceRow{"year", "Juan nació en 1990.", "Juan föddes 1990."},
                    SentenceRow{"segun_noun", "Según el médico.", "Enligt läkaren."},
                    SentenceRow{"segun_verb", "Según dice.", "Enligt vad han säger."},
                    SentenceRow{"lo_que", "Lo que Juan dice.", "Det (som) Juan säger."},
                    SentenceRow{"predicative_adjective", "Juan es alto.", "Juan är hög."},
                    SentenceRow{"ningun_after_no", "Juan no tiene ningún perro.", "Juan har inte någon hund."},
                    SentenceRow{"ningun_after_sin", "Juan come sin ningún perro.", "Juan äter utan någon hund."},
                    SentenceRow{"es_quien", "Es quien come.", "Han är den som äter."}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    Sentences, Comparison,
    testing::Values(SentenceRow{"mas_lejos", "Juan vive más lejos.", "Juan bor längre bort."},
                    SentenceRow{"irregular_comparative", "La casa es más grande que el perro.",
                                "Huset är större än hunden."},
                    SentenceRow{"irregular_superlative", "El perro más alto.", "Den högsta hunden."},
                    SentenceRow{"suffix_comparative", "Un perro más rápido.", "En snabbare hund."},
                    SentenceRow{"suffix_superlative", "Es el perro más rápido.", "Det är den snabbaste hunden."},
                    SentenceRow{"irregular_comparative_names", "Juan es más alto que Pedro.", "Juan är högre än Pedro."},
                    SentenceRow{"el_mas_alto", "Es el más alto.", "Det är den högsta."},
                    SentenceRow{"no_muy", "La casa no es muy grande.", "Huset är inte särskilt stort."}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    Sentences, ReflexiveAndPassive,
    testing::Values(SentenceRow{"se_dice", "Se dice.", "Sägs."},
                    SentenceRow{"se_hace", "Se hace.", "Görs."},
                    SentenceRow{"se_hizo", "Se hizo.", "Gjordes."},
                    SentenceRow{"se_ha_hecho", "Se ha hecho.", "Har gjorts."},
                    SentenceRow{"se_ha_comido", "Se ha comido.", "Har ätits."},
                    SentenceRow{"se_puede", "Se puede hacer.", "Man kan göra."},
                    SentenceRow{"no_se_puede", "No se puede hacer.", "Man kan inte göra."},
                    SentenceRow{"me_lavo", "Me lavo.", "Jag tvättar mig."},
                    SentenceRow{"se_va_a", "Se va a hacer.", "Kommer att göras."},
                    SentenceRow{"se_iba_a", "Se iba a hacer.", "Skulle göras."}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    Sentences, VerbPhraseRules,
    testing::Values(SentenceRow{"present", "Juan come.", "Juan äter."},
                    SentenceRow{"present_plural_subject", "Los perros comen.", "Hundarna äter."},
                    SentenceRow{"preterite", "Juan comió la carne.", "Juan åt köttet."},
                    SentenceRow{"preterite_first_person", "Comí la carne.", "Jag åt köttet."},
                    SentenceRow{"future", "Juan comerá.", "Juan kommer att äta."},
                    SentenceRow{"future_first_person", "Comeré la carne.", "Jag kommer att äta köttet."},
                    SentenceRow{"conditional", "Juan comería.", "Juan skulle äta."},
                    SentenceRow{"perfect", "Juan ha comido.", "Juan har ätit."},
                    SentenceRow{"pluperfect", "Juan había comido.", "Juan hade ätit."},
                    SentenceRow{"negated_present", "Juan no come.", "Juan äter inte."},
                    SentenceRow{"negated_perfect", "Juan no ha comido.", "Juan har inte ätit."},
                    SentenceRow{"negated_first_plural", "No comemos la carne.", "Vi äter inte köttet."},
                    SentenceRow{"negated_pronoun", "Ellos no hablan.", "De talar inte."},
                    SentenceRow{"subordinate_clause", "Juan ha dicho que come.", "Juan har sagt att han äter."}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    Sentences, Robustness,
    testing::Values(SentenceRow{"twenty_tokens",
                                "Juan y María comen la carne con el perro en la casa grande de Pedro hoy por la tarde.",
                                "Juan och María äter köttet med hunden i Pedros stora hus i dag på eftermiddagen."},
                    SentenceRow{"unknown_word", "Juan come xyzq.", "Juan äter < xyzq >."},
                    SentenceRow{"unknown_words_in_a_row", "Juan come xyzq abc.", "Juan äter < xyzq > < abc >."},
                    SentenceRow{"unknown_capitalised_word_is_a_name", "Xyzq come.", "Xyzq äter."},
                    SentenceRow{"opening_exclamation_mark", "¡Juan come!", "Juan äter!"},
                    SentenceRow{"two_segments", "Juan come: el perro come.", "Juan äter: Hunden äter."},
                    SentenceRow{"adjective_infinitive_object", "Es difícil comer la carne.",
                                "Det är svårt att äta köttet."}),
    RowName);

TEST_F(SentenceTranslation, MoreThanTwentyTokensAreRefused) {
    const Translation t =
        Translate("Juan y María comen la carne con el perro en la casa grande de Pedro hoy por la tarde y.");
    EXPECT_EQ(t.rejection, Rejection::TooManyWords);
    EXPECT_EQ(t.text, "");
}

}  // namespace
}  // namespace quelvo
