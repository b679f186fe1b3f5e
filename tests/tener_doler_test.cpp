// Whole sentences over the shipped dictionaries for the constructions of
// "tener" and "doler" that Swedish says with other verbs: an age with
// "vara", a state with "vara" + adjective (or "frysa", "ha rätt"), an ache
// with "ha ont i".
#include "shipped_sentences.h"

namespace quelvo {
namespace {

class TenerDoler : public ShippedSentences {};

TEST_P(TenerDoler, GivesTheSwedishLine) { ExpectLine(); }

// An age told or asked in any tense and clause: "vara" + the years, "hur
// gammal"; the relative "que" after a noun is the subject of the shared
// first-and-third form.
constexpr Row kAgeRows[] = {
    {"Mi abuela tenía noventa años.", "Min farmor var nittio år."},
    {"¿Cuántos años tienes?", "Hur gammal är du?"},
    {"¿Cuántos años tienen tus hijos?", "Hur gamla är dina barn?"},
    {"¿Cuántos años tenía tu abuela?", "Hur gammal var din farmor?"},
    {"Mi hermano tendrá diez años en mayo.", "Min bror kommer att vara tio år i maj."},
    {"Cuando tenía quince años, vivíamos en Madrid.", "När jag var femton år bodde vi i Madrid."},
    {"Conocí a un hombre que tenía cien años.", "Jag kände en man som var hundra år."},
    {"No sé cuántos años tiene.", "Jag vet inte hur gammal han är."},
};
INSTANTIATE_TEST_SUITE_P(Ages, TenerDoler, testing::ValuesIn(kAgeRows));

// A bare noun of a state after "tener": the adjective agrees with the
// subject, "mucho" is "mycket", "miedo de" is "rädd för".
constexpr Row kStateRows[] = {
    {"Tengo mucho frío.", "Jag fryser mycket."},
    {"¿Tienes hambre?", "Är du hungrig?"},
    {"No tenía miedo.", "Jag var inte rädd."},
    {"Ten cuidado.", "Var försiktig."},
    {"Los niños tienen hambre y sed.", "Barnen är hungriga och törstiga."},
    {"El niño tiene sueño.", "Barnet är sömnigt."},
    {"Creo que tienes razón.", "Jag tror att du har rätt."},
    {"No tenemos prisa.", "Vi har inte bråttom."},
    {"Siempre tengo miedo a la oscuridad.", "Jag är alltid rädd för mörkret."},
    {"Mañana tendrás hambre.", "I morgon kommer du att vara hungrig."},
    {"Los perros tenían mucho miedo de la tormenta.", "Hundarna var mycket rädda för stormen."},
    {"Ayer tenía frío y sueño.", "I går frös jag och var sömnig."},
    {"Los niños han tenido hambre.", "Barnen har varit hungriga."},
    {"Vamos a tener hambre.", "Vi kommer att vara hungriga."},
};
INSTANTIATE_TEST_SUITE_P(States, TenerDoler, testing::ValuesIn(kStateRows));

// "doler": the object pronoun, or the name or pronoun after "a", is the subject and the
// body part follows "ont i"; with no one aching it stays "göra ont".
constexpr Row kAcheRows[] = {
    {"Le duelen los pies.", "Han har ont i fötterna."},
    {"¿Te duele algo?", "Har du ont någonstans?"},
    {"A Juan le duele la espalda.", "Juan har ont i ryggen."},
    {"No me duele nada.", "Jag har inte ont någonstans."},
    {"Me duelen los ojos cuando leo.", "Jag har ont i ögonen när jag läser."},
    {"Ayer nos dolían las piernas.", "I går hade vi ont i benen."},
    {"A mi madre no le duele la rodilla.", "Min mor har inte ont i knät."},
    {"La herida duele mucho.", "Såret gör mycket ont."},
    {"A ella le duele la cabeza.", "Hon har ont i huvudet."},
    {"A nosotros nos gusta el fútbol.", "Vi tycker om fotbollen."},
};
INSTANTIATE_TEST_SUITE_P(Aches, TenerDoler, testing::ValuesIn(kAcheRows));

}  // namespace
}  // namespace quelvo
