// Whole sentences over the shipped dictionaries: a Spanish verb whose
// Swedish verb depends on what follows it.
#include "shipped_sentences.h"

namespace quelvo {
namespace {

class VerbChoice : public ShippedSentences {};

TEST_P(VerbChoice, GivesTheSwedishLine) { ExpectLine(); }

// "ir a" + a named place or a place one travels to, or "ir" in a vehicle, is
// "åka"; a place close by keeps "gå", and so do a vehicle that goes and "ir
// a" + infinitive.
constexpr Row kDestinationRows[] = {
    {"El año que viene iremos a Noruega.", "Nästa år kommer vi att åka till Norge."},
    {"¿Vas a Londres en mayo?", "Åker du till London i maj?"},
    {"Hemos ido a Italia dos veces.", "Vi har åkt till Italien två gånger."},
    {"Creo que van a la playa.", "Jag tror att de åker till stranden."},
    {"Ella se fue a Alemania.", "Hon åkte till Tyskland."},
    {"No quiero ir al extranjero.", "Jag vill inte åka utomlands."},
    {"Nunca vamos al campo.", "Vi åker aldrig ut på landet."},
    {"Mi padre va a la oficina en coche.", "Min far åker till kontoret med bil."},
    {"¿Vas en autobús?", "Åker du med buss?"},
    {"El tren va a Sevilla.", "Tåget går till Sevilla."},
    {"Los niños van al colegio.", "Barnen går till skolan."},
    {"Vamos a la tienda.", "Vi går till affären."},
    {"Voy a comprar pan.", "Jag kommer att köpa bröd."},
};
INSTANTIATE_TEST_SUITE_P(Destinations, VerbChoice, testing::ValuesIn(kDestinationRows));

// "jugar" without a game is "leka"; a game, a match or a team makes it "spela".
constexpr Row kPlayRows[] = {
    {"Los niños juegan en el jardín.", "Barnen leker i trädgården."},
    {"¿Por qué no juegas con tu hermana?", "Varför leker du inte med din syster?"},
    {"Las niñas jugaban con sus muñecas.", "Flickorna lekte med sina dockor."},
    {"Los niños no quieren jugar.", "Barnen vill inte leka."},
    {"Mientras los niños jugaban, leímos el periódico.", "Medan barnen lekte läste vi tidningen."},
    {"Jugué al tenis con mi padre.", "Jag spelade tennis med min far."},
    {"¿Juegas al ajedrez?", "Spelar du schack?"},
    {"Juega muy bien al tenis.", "Han spelar tennis mycket bra."},
    {"El equipo jugó contra Suecia.", "Laget spelade mot Sverige."},
    {"Los jugadores juegan bien.", "Spelarna spelar bra."},
};
INSTANTIATE_TEST_SUITE_P(Playing, VerbChoice, testing::ValuesIn(kPlayRows));

// "llamar" a person is "ringa"; with a name or a word for what the person is
// called after the object it is "kalla", reflexive "heta", at a door "knacka på".
constexpr Row kCallRows[] = {
    {"Te llamaré mañana.", "Jag kommer att ringa dig i morgon."},
    {"Llámame esta noche.", "Ring mig i kväll."},
    {"Llamé a mi hermana ayer.", "Jag ringde min syster i går."},
    {"Tenemos que llamar a la policía.", "Vi måste ringa polisen."},
    {"¿Por qué no me llamaste?", "Varför ringde du mig inte?"},
    {"Si me llamas, iré.", "Om du ringer mig kommer jag att gå."},
    {"El hombre que llamó ayer es mi tío.", "Mannen som ringde i går är min farbror."},
    {"Mis amigos me llaman Paco.", "Mina vänner kallar mig Paco."},
    {"Lo llamamos tonto.", "Vi kallar honom dum."},
    {"Mi hermano se llama Pedro.", "Min bror heter Pedro."},
    {"Alguien llama a la puerta.", "Någon knackar på dörren."},
};
INSTANTIATE_TEST_SUITE_P(Calling, VerbChoice, testing::ValuesIn(kCallRows));

// "bien" is "väl" with "conocer" and "recordar", "bra" with other verbs; a
// person object after it loses its "a" and goes before it.
constexpr Row kKnowingWellRows[] = {
    {"No conozco bien la ciudad.", "Jag känner inte staden väl."},
    {"Conozco bien a tu padre.", "Jag känner din far väl."},
    {"Mis padres conocen muy bien a María.", "Mina föräldrar känner María mycket väl."},
    {"Creo que no conoces bien a mi hermana.", "Jag tror att du inte känner min syster väl."},
    {"¿Conocéis bien el camino?", "Känner ni vägen väl?"},
    {"Nadie lo conoce bien.", "Ingen känner honom väl."},
    {"Recuerdo bien aquel día.", "Jag kommer ihåg den dagen väl."},
    {"Conozco a Juan y habla bien.", "Jag känner Juan och han talar bra."},
    {"Veo bien a mi hermano.", "Jag ser min bror bra."},
};
INSTANTIATE_TEST_SUITE_P(KnowingWell, VerbChoice, testing::ValuesIn(kKnowingWellRows));

// "pasar" a stretch of time is "tillbringa"; the time as the subject, or
// anything else, keeps "passera".
constexpr Row kSpendingRows[] = {
    {"Este verano vamos a pasar dos semanas en Italia.", "I sommar kommer vi att tillbringa två veckor i Italien."},
    {"Pasé tres días en Madrid.", "Jag tillbringade tre dagar i Madrid."},
    {"Pasé la noche en el hotel.", "Jag tillbringade natten på hotellet."},
    {"Juan pasó un año en Londres.", "Juan tillbringade ett år i London."},
    {"Pasó un año.", "Han passerade ett år."},
    {"Pasa el tren.", "Tåget passerar."},
    {"¿Qué pasa?", "Vad passerar?"},
    {"Pasamos dos horas en el museo.", "Vi tillbringar två timmar på museet."},
};
INSTANTIATE_TEST_SUITE_P(Spending, VerbChoice, testing::ValuesIn(kSpendingRows));

// "tocar" an instrument is "spela"; anything else it touches, "röra".
constexpr Row kInstrumentRows[] = {
    {"Me gustaría aprender a tocar la guitarra.", "Jag skulle tycka om att lära mig att spela gitarren."},
    {"Mi hermana toca el piano.", "Min syster spelar pianot."},
    {"¿Tocas algún instrumento?", "Spelar du något instrument?"},
    {"Tocamos el violín en la orquesta.", "Vi spelar fiolen i orkestern."},
    {"Sabe tocar la flauta.", "Han kan spela flöjten."},
    {"No me toques.", "Du rör mig inte."},
    {"Toca la puerta.", "Rör dörren."},
    {"Toca la pared.", "Rör väggen."},
};
INSTANTIATE_TEST_SUITE_P(Instruments, VerbChoice, testing::ValuesIn(kInstrumentRows));

}  // namespace
}  // namespace quelvo
