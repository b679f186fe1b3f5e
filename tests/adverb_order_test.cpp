// Whole sentences over the shipped dictionaries: where each kind of adverb
// stands in the Swedish clause.
#include "shipped_sentences.h"

namespace quelvo {
namespace {

class AdverbOrder : public ShippedSentences {};

TEST_P(AdverbOrder, GivesTheSwedishLine) { ExpectLine(); }

// A clause adverb that opens the Spanish sentence goes after the finite verb
// (and a subject after it), before "inte"; in a subordinate clause after the
// subject; an unstressed object pronoun comes before it, the "att" of
// "kommer att" after it.
constexpr Row kClauseAdverbRows[] = {
    {"Siempre compro el pan en esta tienda.", "Jag köper alltid brödet i den här affären."},
    {"Siempre he vivido aquí.", "Jag har alltid bott här."},
    {"Siempre te ayudaré.", "Jag kommer alltid att hjälpa dig."},
    {"¿No vendrás?", "Kommer du inte att komma?"},
    {"Los trenes casi siempre llegan tarde.", "Tågen kommer nästan alltid sent."},
    {"Todavía no he comido.", "Jag har ännu inte ätit."},
    {"Ya no fumo.", "Jag röker inte längre."},
    {"No siempre es fácil.", "Det är inte alltid lätt."},
    {"Ya lo sé.", "Jag vet det redan."},
    {"Realmente me gusta este libro.", "Jag tycker verkligen om den här boken."},
    {"¿Todavía vives en Madrid?", "Bor du fortfarande i Madrid?"},
    {"¿Por qué siempre llegas tarde?", "Varför kommer du alltid sent?"},
    {"¿Siempre bebes café por la mañana?", "Dricker du alltid kaffe på morgonen?"},
    {"Sé que realmente no quieres venir.", "Jag vet att du verkligen inte vill komma."},
    {"Siempre llega tarde mi hermano.", "Min bror kommer alltid sent."},
    {"Siempre hay mucha gente aquí.", "Det finns alltid mycket folk här."},
    {"Siempre se habla español aquí.", "Spanska talas alltid här."},
    {"Mis padres siempre me ayudan.", "Mina föräldrar hjälper mig alltid."},
    {"Mañana siempre es otro día.", "I morgon är det alltid en annan dag."},
};
INSTANTIATE_TEST_SUITE_P(ClauseAdverbs, AdverbOrder, testing::ValuesIn(kClauseAdverbRows));

// A focus adverb before a subject belongs to it; time and place adverbials
// and an adverb closed by a comma stay first, with the verb after them.
constexpr Row kFrontedAdverbRows[] = {
    {"Sólo Juan lo sabe.", "Bara Juan vet det."},
    {"Casi todos vinieron.", "Nästan alla kom."},
    {"También yo quiero ir.", "Också jag vill gå."},
    {"Sólo tengo dos euros.", "Jag har bara två euro."},
    {"Mi hermana también habla inglés.", "Min syster talar också engelska."},
    {"Ahora vivimos en Madrid.", "Nu bor vi i Madrid."},
    {"Ayer también llovió.", "I går regnade det också."},
    {"Normalmente, trabajo en casa.", "Normalt arbetar jag hemma."},
};
INSTANTIATE_TEST_SUITE_P(FrontedAdverbs, AdverbOrder, testing::ValuesIn(kFrontedAdverbRows));

// A manner adverb between the verb and its object goes after the object,
// with its degree word; before an adjective, alone or after "ser" it stays.
constexpr Row kMannerAdverbRows[] = {
    {"Ella lee atentamente el texto.", "Hon läser texten uppmärksamt."},
    {"Limpió rápidamente la cocina.", "Han städade köket snabbt."},
    {"Mi abuelo lee despacio el periódico.", "Min farfar läser tidningen långsamt."},
    {"Pablo repitió claramente la pregunta.", "Pablo upprepade frågan tydligt."},
    {"Ha explicado claramente el problema.", "Han har förklarat problemet tydligt."},
    {"Mi padre conduce muy mal el coche.", "Min far kör bilen mycket dåligt."},
    {"Leo de nuevo el libro.", "Jag läser boken igen."},
    {"Juan escribe mal.", "Juan skriver dåligt."},
    {"Es un libro perfectamente escrito.", "Det är en perfekt skriven bok."},
};
INSTANTIATE_TEST_SUITE_P(MannerAdverbs, AdverbOrder, testing::ValuesIn(kMannerAdverbRows));

}  // namespace
}  // namespace quelvo
