// Whole sentences over the shipped dictionaries, one group per rule of
// clause structure: each row is a Spanish sentence and the Swedish line a
// careful translator would give.

#include <ostream>

#include "shipped_sentences.h"

namespace quelvo {
namespace {

struct SentenceRow {
    const char* spanish;  // UTF-8
    const char* swedish;  // UTF-8
};

void PrintTo(const SentenceRow& row, std::ostream* os) { *os << row.spanish; }

class ShippedSentences : public testing::TestWithParam<SentenceRow> {
protected:
    void ExpectLine() const { testing_support::ExpectShippedLine(GetParam().spanish, GetParam().swedish); }
};

class LeftOutSubjects : public ShippedSentences {};
class VerbHomographs : public ShippedSentences {};
class ObjectPronouns : public ShippedSentences {};
class ReflexiveVerbs : public ShippedSentences {};
class SubordinateClauseOrder : public ShippedSentences {};
class MainClauseVerbSecond : public ShippedSentences {};

TEST_P(LeftOutSubjects, GivesTheSwedishLine) { ExpectLine(); }
TEST_P(VerbHomographs, GivesTheSwedishLine) { ExpectLine(); }
TEST_P(ObjectPronouns, GivesTheSwedishLine) { ExpectLine(); }
TEST_P(ReflexiveVerbs, GivesTheSwedishLine) { ExpectLine(); }
TEST_P(SubordinateClauseOrder, GivesTheSwedishLine) { ExpectLine(); }
TEST_P(MainClauseVerbSecond, GivesTheSwedishLine) { ExpectLine(); }

// "det" before a described thing, "du"/"ni" after a question word, "man" with verbs of saying.
INSTANTIATE_TEST_SUITE_P(Shipped, LeftOutSubjects, testing::Values(
    SentenceRow{"Es una idea excelente.", "Det är en utmärkt idé."},
    SentenceRow{"Es una casa grande.", "Det är ett stort hus."},
    SentenceRow{"Era una noche fría.", "Det var en kall natt."},
    SentenceRow{"Soy un hombre feliz.", "Jag är en lycklig man."},
    SentenceRow{"¿Qué quieres comer?", "Vad vill du äta?"},
    SentenceRow{"¿Qué queréis beber?", "Vad vill ni dricka?"},
    SentenceRow{"¿Qué buscas?", "Vad letar du efter?"},
    SentenceRow{"¿Qué libro quieres leer?", "Vilken bok vill du läsa?"},
    SentenceRow{"¿Qué haces?", "Vad gör du?"},
    SentenceRow{"Se cree que el rey está enfermo.", "Man tror att kungen är sjuk."},
    SentenceRow{"Se dice que Juan es rico.", "Man säger att Juan är rik."},
    SentenceRow{"El zorblat come pan.", "Den < zorblat > äter bröd."},
    SentenceRow{"Los zorblats comen pan.", "De < zorblats > äter bröd."}));

// A noun or "como" read as the verb where the clause has no other.
INSTANTIATE_TEST_SUITE_P(Shipped, VerbHomographs, testing::Values(
    SentenceRow{"Mi padre cocina muy bien.", "Min far lagar mat mycket bra."},
    SentenceRow{"Ella cocina muy bien.", "Hon lagar mat mycket bra."},
    SentenceRow{"Canto en un coro.", "Jag sjunger i en kör."},
    SentenceRow{"Como pan.", "Jag äter bröd."},
    SentenceRow{"Trabajo mucho.", "Jag arbetar mycket."},
    SentenceRow{"Hoy trabajo mucho.", "I dag arbetar jag mycket."},
    SentenceRow{"Paseo con mi perro.", "Jag promenerar med min hund."},
    SentenceRow{"La cocina es grande.", "Köket är stort."},
    SentenceRow{"El trabajo es difícil.", "Arbetet är svårt."}));

// "lo" and "la" take the gender of the noun they refer to, else of the verb's object.
INSTANTIATE_TEST_SUITE_P(Shipped, ObjectPronouns, testing::Values(
    SentenceRow{"Tengo un libro y lo leo.", "Jag har en bok och läser den."},
    SentenceRow{"Tengo una carta y la leo.", "Jag har ett brev och läser det."},
    SentenceRow{"Ana tiene una casa y la vende.", "Ana har ett hus och säljer det."},
    SentenceRow{"Juan busca el perro y lo encuentra.", "Juan letar efter hunden och hittar den."},
    SentenceRow{"Ana abre la ventana y la cierra.", "Ana öppnar fönstret och stänger det."},
    SentenceRow{"Veo a María y la saludo.", "Jag ser María och hälsar på henne."},
    SentenceRow{"Conozco a Juan y lo veo cada día.", "Jag känner Juan och ser honom varje dag."},
    SentenceRow{"La saludo.", "Jag hälsar på henne."},
    SentenceRow{"Lo conozco.", "Jag känner honom."},
    SentenceRow{"Lo sé.", "Jag vet det."}));

// A verb reflexive in Swedish too keeps its pronoun; one with a verb of its own drops it.
INSTANTIATE_TEST_SUITE_P(Shipped, ReflexiveVerbs, testing::Values(
    SentenceRow{"Mi padre se afeita.", "Min far rakar sig."},
    SentenceRow{"Los niños se acuestan tarde.", "Barnen lägger sig sent."},
    SentenceRow{"Juan se sienta.", "Juan sätter sig."},
    SentenceRow{"Ana se preocupa mucho.", "Ana oroar sig mycket."},
    SentenceRow{"Ella se lava las manos.", "Hon tvättar händerna."},
    SentenceRow{"Me lavo cada mañana.", "Jag tvättar mig varje morgon."},
    SentenceRow{"Me llamo Ana.", "Jag heter Ana."},
    SentenceRow{"Mi hermana se llama María.", "Min syster heter María."},
    SentenceRow{"Me levanto temprano.", "Jag stiger upp tidigt."},
    SentenceRow{"Juan se va.", "Juan går."},
    SentenceRow{"Me despierto temprano.", "Jag vaknar tidigt."},
    SentenceRow{"El niño se duerme.", "Barnet somnar."},
    SentenceRow{"Quiero levantarme.", "Jag vill stiga upp."},
    SentenceRow{"Tengo que irme.", "Jag måste gå."},
    SentenceRow{"Voy a llamarte.", "Jag kommer att kalla dig."},
    SentenceRow{"El libro se vende bien.", "Boken säljs bra."}));

// The negation and sentence adverbs of a subordinate clause come before its verb.
INSTANTIATE_TEST_SUITE_P(Shipped, SubordinateClauseOrder, testing::Values(
    SentenceRow{"Creo que Juan no viene hoy.", "Jag tror att Juan inte kommer i dag."},
    SentenceRow{"Sé que ella no come carne.", "Jag vet att hon inte äter kött."},
    SentenceRow{"Dice que no tiene tiempo.", "Han säger att han inte har tid."},
    SentenceRow{"Dice que nunca come carne.", "Han säger att han aldrig äter kött."},
    SentenceRow{"La mujer que no trabaja es mi madre.", "Kvinnan som inte arbetar är min mor."},
    SentenceRow{"Cuando Juan no come, bebo agua.", "När Juan inte äter, dricker jag vatten."},
    SentenceRow{"Si no vienes, bebo vino.", "Om du inte kommer, dricker jag vin."},
    SentenceRow{"Sé que Ana no bebe leche.", "Jag vet att Ana inte dricker mjölk."},
    SentenceRow{"Pienso que mi madre no trabaja hoy.", "Jag tänker att min mor inte arbetar i dag."}));

// A fronted element, also in the second of two clauses, puts the verb before the subject.
INSTANTIATE_TEST_SUITE_P(Shipped, MainClauseVerbSecond, testing::Values(
    SentenceRow{"Mañana voy a Madrid y después vuelvo a casa.",
                "I morgon går jag till Madrid och efteråt kommer jag tillbaka hem."},
    SentenceRow{"Leo un libro y ahora ella escribe una carta.", "Jag läser en bok och nu skriver hon ett brev."},
    SentenceRow{"Juan lee un libro y después Ana come.", "Juan läser en bok och efteråt äter Ana."},
    SentenceRow{"Come pan y luego Juan bebe agua.", "Han äter bröd och sedan dricker Juan vatten."},
    SentenceRow{"En la casa con jardín hay un perro.", "I huset med trädgård finns det en hund."},
    SentenceRow{"Aquí hay muchos libros.", "Här finns det många böcker."},
    SentenceRow{"Según mi madre, el libro es bueno.", "Enligt min mor är boken bra."},
    SentenceRow{"Con mi hermano hablo mucho.", "Med min bror talar jag mycket."}));

}  // namespace
}  // namespace quelvo
