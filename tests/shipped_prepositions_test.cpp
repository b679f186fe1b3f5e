// Whole sentences over the shipped dictionaries: what Spanish says with
// "de", "en", "para" and its expressions of time, Swedish says with a
// genitive, another preposition or none.
#include "shipped_sentences.h"

namespace quelvo {
namespace {

class DeBetweenNouns : public ShippedSentences {};
class OtherPrepositions : public ShippedSentences {};
class TimeExpressions : public ShippedSentences {};
class PeriodsOfNouns : public ShippedSentences {};

TEST_P(DeBetweenNouns, GivesTheSwedishLine) { ExpectLine(); }
TEST_P(OtherPrepositions, GivesTheSwedishLine) { ExpectLine(); }
TEST_P(TimeExpressions, GivesTheSwedishLine) { ExpectLine(); }
TEST_P(PeriodsOfNouns, GivesTheSwedishLine) { ExpectLine(); }

// A possessor goes before its noun in the genitive; a verb or a measure
// decides the rest.
INSTANTIATE_TEST_SUITE_P(
    Sentences, DeBetweenNouns,
    testing::Values(Row{"El perro de mi hermano es negro.", "Min brors hund är svart."},
                    Row{"La capital de Noruega es Oslo.", "Norges huvudstad är Oslo."},
                    Row{"La casa de Juan es grande.", "Juans hus är stort."},
                    Row{"El perro negro de mi hermano duerme.", "Min brors svarta hund sover."},
                    Row{"Conozco a la madre de Pedro.", "Jag känner Pedros mor."},
                    Row{"Los libros de Juan están en la mesa.", "Juans böcker är på bordet."},
                    Row{"Me gusta el coche de tu hermana.", "Jag tycker om din systers bil."},
                    Row{"Es el hotel más barato de la ciudad.", "Det är det billigaste hotellet i staden."},
                    Row{"Ana es la más rápida del equipo.", "Ana är den snabbaste i laget."},
                    Row{"Ana viene de Madrid.", "Ana kommer från Madrid."},
                    Row{"Juan vuelve de Madrid.", "Juan kommer tillbaka från Madrid."},
                    Row{"Juan sale de la casa.", "Juan lämnar huset."},
                    Row{"Pedro habla de la película.", "Pedro talar om filmen."},
                    Row{"El vaso está lleno de agua.", "Glaset är fullt av vatten."},
                    Row{"Compré un kilo de manzanas.", "Jag köpte ett kilo äpplen."},
                    Row{"Bebo una taza de café.", "Jag dricker en kopp kaffe."},
                    Row{"La mesa es de madera.", "Bordet är av trä."},
                    Row{"Tengo tres de tus libros.", "Jag har tre av dina böcker."},
                    Row{"La ciudad de Lima es grande.", "Staden Lima är stor."}));

INSTANTIATE_TEST_SUITE_P(
    Sentences, OtherPrepositions,
    testing::Values(Row{"Carmen está en la estación.", "Carmen är på stationen."},
                    Row{"Ana come en el restaurante.", "Ana äter på restaurangen."},
                    Row{"El libro está en la mesa.", "Boken är på bordet."},
                    Row{"Juan trabaja en una empresa grande.", "Juan arbetar på ett stort företag."},
                    Row{"Carmen está en la playa.", "Carmen är på stranden."},
                    Row{"La llave está en la caja.", "Nyckeln är i lådan."},
                    Row{"Nací en marzo.", "Jag föddes i mars."},
                    Row{"Compré un regalo para mi hermano.", "Jag köpte en present till min bror."},
                    Row{"Compro flores para Ana.", "Jag köper blommor till Ana."},
                    Row{"Es un regalo para ti.", "Det är en present till dig."},
                    Row{"Juan trabaja para una empresa.", "Juan arbetar för ett företag."},
                    Row{"Bebo café por la mañana.", "Jag dricker kaffe på morgonen."}));

INSTANTIATE_TEST_SUITE_P(
    Sentences, TimeExpressions,
    testing::Values(Row{"Juan trabaja el lunes.", "Juan arbetar på måndag."},
                    Row{"Juan llega el jueves.", "Juan kommer på torsdag."},
                    Row{"Juan trabaja hasta el lunes.", "Juan arbetar till måndag."},
                    Row{"Leo el periódico los domingos.", "Jag läser tidningen på söndagar."},
                    Row{"El domingo comemos en casa.", "På söndag äter vi hemma."},
                    Row{"Juan lee por la noche.", "Juan läser på kvällen."},
                    Row{"Juan llegó hace dos años.", "Juan kom för två år sedan."},
                    Row{"Hace dos años vivíamos en Madrid.", "För två år sedan bodde vi i Madrid."},
                    Row{"La clase empieza a las tres.", "Lektionen börjar klockan tre."},
                    Row{"De niña vivía en Sevilla.", "Som flicka bodde han i Sevilla."},
                    Row{"En verano nieva poco.", "På sommaren snöar det lite."}));

// "de" before the period a thing happened in is "under", the period placed
// by "último", "pasado", "próximo"; a time the time words read as one
// adverbial follows its noun directly; "the last of" something stays "sista".
INSTANTIATE_TEST_SUITE_P(
    Sentences, PeriodsOfNouns,
    testing::Values(Row{"Los precios de los últimos meses han subido.", "Priserna under de senaste månaderna har stigit."},
                    Row{"Los problemas del último año son graves.", "Problemen under det senaste året är allvarliga."},
                    Row{"El calor de los próximos días será intenso.", "Värmen under de kommande dagarna kommer att vara intensiv."},
                    Row{"Es la mejor novela de los últimos diez años.", "Det är den bästa romanen under de senaste tio åren."},
                    Row{"Los accidentes de la semana pasada fueron graves.", "Olyckorna förra veckan var allvarliga."},
                    Row{"¿Recuerdas la fiesta del año pasado?", "Kommer du ihåg festen förra året?"},
                    Row{"Durante el último año trabajé mucho.", "Under det senaste året arbetade jag mycket."},
                    Row{"Leí el libro durante los últimos días del viaje.", "Jag läste boken under resans sista dagar."},
                    Row{"El último año de la guerra fue terrible.", "Krigets sista år var hemskt."}));

// A day gone by is "i söndags" by the tense of its clause, also after an
// event noun ("del domingo"); one to come and every such day take "på".
INSTANTIATE_TEST_SUITE_P(
    DaysByTense, TimeExpressions,
    testing::Values(Row{"El terremoto del domingo destruyó la ciudad.", "Jordbävningen i söndags förstörde staden."},
                    Row{"El terremoto del domingo ha causado graves daños.", "Jordbävningen i söndags har orsakat allvarliga skador."},
                    Row{"El domingo llovía mucho.", "I söndags regnade det mycket."},
                    Row{"¿Qué hiciste el sábado?", "Vad gjorde du i lördags?"},
                    Row{"No trabajé el viernes.", "Jag arbetade inte i fredags."},
                    Row{"Dijo que vendrá el martes.", "Han sade att han kommer att komma på tisdag."},
                    Row{"Los sábados leímos un libro.", "På lördagar läste vi en bok."},
                    Row{"Hasta el lunes.", "Till måndag."}));

}  // namespace
}  // namespace quelvo
