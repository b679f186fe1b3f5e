// Whole sentences over the shipped dictionaries, one group per rule of verbs
// and clauses: each row is the Swedish line a careful translator would give.
#include "shipped_sentences.h"

namespace quelvo {
namespace {

class ClauseRules : public ShippedSentences {};

TEST_P(ClauseRules, GivesTheSwedishLine) { ExpectLine(); }

// A pronoun written onto an infinitive is its object, never an article of
// the word after it.
constexpr Row kAttachedPronounRows[] = {
    {"Vamos a venderlas mañana.", "Vi kommer att sälja dem i morgon."},
    {"Quiero leerlo mañana.", "Jag vill läsa det i morgon."},
    {"Tengo que verlos hoy.", "Jag måste se dem i dag."},
    {"Voy a comerla ahora.", "Jag kommer att äta den nu."},
    {"Quieren comprarlas.", "De vill köpa dem."},
    {"Podemos ayudarte mañana.", "Vi kan hjälpa dig i morgon."},
    {"Juan va a venderlos.", "Juan kommer att sälja dem."},
    {"Necesito verlos mañana.", "Jag behöver se dem i morgon."},
};
INSTANTIATE_TEST_SUITE_P(AttachedPronouns, ClauseRules, testing::ValuesIn(kAttachedPronounRows));

// "hacer" with a noun of the weather: the formal "det", "vara" in the tense
// of "hacer" ("blir" for a weather to come) and the noun as a neuter adjective.
constexpr Row kWeatherRows[] = {
    {"Hoy hace calor.", "I dag är det varmt."},
    {"En verano hace mucho calor.", "På sommaren är det mycket varmt."},
    {"Ayer hacía viento.", "I går var det blåsigt."},
    {"En el norte hace frío.", "I norr är det kallt."},
    {"Mañana hará sol.", "I morgon blir det soligt."},
    {"No hacía frío.", "Det var inte kallt."},
    {"Hace sol y calor.", "Det är soligt och varmt."},
    {"En enero hizo mucho frío.", "I januari var det mycket kallt."},
};
INSTANTIATE_TEST_SUITE_P(Weather, ClauseRules, testing::ValuesIn(kWeatherRows));

// An exclamation with "qué" or "cuánto" keeps its subject before the verb.
constexpr Row kExclamationRows[] = {
    {"¡Qué suerte tenemos!", "Vilken tur vi har!"},
    {"¡Qué suerte tiene Ana!", "Vilken tur Ana har!"},
    {"¡Qué bien cantas!", "Vad bra du sjunger!"},
    {"¡Qué bien habla María!", "Vad bra María talar!"},
    {"¡Qué bien juegan los niños!", "Vad bra barnen spelar!"},
    {"¡Qué caro es el coche!", "Vad dyr bilen är!"},
    {"¡Qué bonita es la ciudad!", "Vad vacker staden är!"},
    {"¡Qué difícil es este libro!", "Vad svår den här boken är!"},
};
INSTANTIATE_TEST_SUITE_P(Exclamations, ClauseRules, testing::ValuesIn(kExclamationRows));

// No comma between an opening clause or sentence adverb and the verb that
// follows it; a lone indefinite after the verb is its subject.
constexpr Row kOpeningClauseRows[] = {
    {"Cuando llueve, Juan lee.", "När det regnar läser Juan."},
    {"Cuando Juan trabaja, María duerme.", "När Juan arbetar sover María."},
    {"Si tienes tiempo, leemos un libro.", "Om du har tid läser vi en bok."},
    {"Si Juan viene, bebemos vino.", "Om Juan kommer dricker vi vin."},
    {"Normalmente, nadie trabaja aquí.", "Normalt arbetar ingen här."},
    {"Sin embargo, el libro es bueno.", "Emellertid är boken bra."},
    {"Hoy nadie trabaja.", "I dag arbetar ingen."},
    {"Tengo muchos libros y casi todos son buenos.", "Jag har många böcker och nästan alla är goda."},
};
INSTANTIATE_TEST_SUITE_P(OpeningClauses, ClauseRules, testing::ValuesIn(kOpeningClauseRows));

// "antes de" + infinitive is a clause with the subject and tense of the main clause.
constexpr Row kBeforeClauseRows[] = {
    {"Bebo agua antes de correr.", "Jag dricker vatten innan jag springer."},
    {"Antes de cantar, bebes agua.", "Innan du sjunger dricker du vatten."},
    {"Antes de comer, bebemos agua.", "Innan vi äter dricker vi vatten."},
    {"Leíamos un libro antes de dormir.", "Vi läste en bok innan vi sov."},
    {"Juan leyó el libro antes de dormir.", "Juan läste boken innan han sov."},
    {"Los niños comen antes de jugar.", "Barnen äter innan de leker."},
    {"Antes de dormir, los niños leen.", "Innan de sover läser barnen."},
    {"Vamos a comer antes de trabajar.", "Vi kommer att äta innan vi arbetar."},
};
INSTANTIATE_TEST_SUITE_P(BeforeClauses, ClauseRules, testing::ValuesIn(kBeforeClauseRows));

// "se" with a subject after the verb: the s-passive with its subject first,
// an amount and an "av" phrase included; with a verb of saying "man".
constexpr Row kPassiveSubjectRows[] = {
    {"Se han vendido muchos coches.", "Många bilar har sålts."},
    {"Se venden dos casas.", "Två hus säljs."},
    {"Se han construido más de cien casas.", "Mer än hundra hus har byggts."},
    {"Se han vendido más de cien copias del libro.", "Mer än hundra exemplar av boken har sålts."},
    {"Se venden libros en la plaza.", "Böcker säljs på torget."},
    {"Se estima que Juan es rico.", "Man uppskattar att Juan är rik."},
    {"Se sospecha que Juan miente.", "Man misstänker att Juan ljuger."},
    {"Se afirma que el rey está enfermo.", "Man hävdar att kungen är sjuk."},
};
INSTANTIATE_TEST_SUITE_P(PassiveSubjects, ClauseRules, testing::ValuesIn(kPassiveSubjectRows));

// "se" whose verb disagrees with the noun after it, or has a subject before
// it, is no passive: the verb is active with its own subject and Swedish
// leaves "se" out; a noun agreeing with the verb is still a passive subject,
// and a verb of saying keeps the impersonal "man".
constexpr Row kDativeSeRows[] = {
    {"Se comieron toda la tarta.", "De åt upp hela tårtan."},
    {"Juan se comió la manzana.", "Juan åt upp äpplet."},
    {"¿Se bebieron todo el vino?", "Drack de upp hela vinet?"},
    {"No se comieron la sopa.", "De åt inte upp soppan."},
    {"Creo que se comieron la tarta.", "Jag tror att de åt upp tårtan."},
    {"Se compraron una casa en la playa.", "De köpte ett hus på stranden."},
    {"Mis padres se compraron un coche nuevo.", "Mina föräldrar köpte en ny bil."},
    {"Se construyeron dos puentes.", "Två broar byggdes."},
    {"La casa se vendió el año pasado.", "Huset såldes förra året."},
    {"Se lavó las manos.", "Han tvättade händerna."},
    {"Se casaron en mayo.", "De gifte sig i maj."},
    {"Se dice muchas cosas.", "Man säger många saker."},
    {"Se espera el tren.", "Man väntar på tåget."},
};
INSTANTIATE_TEST_SUITE_P(DativeSe, ClauseRules, testing::ValuesIn(kDativeSeRows));

// "estar" that places a building or place is "ligga", also in a question,
// a relative clause or the past; a person or a thing stays "vara", and so
// does "estar" before an adjective or a state ("en crisis").
constexpr Row kLyingPlaceRows[] = {
    {"¿Dónde estaba el museo?", "Var låg museet?"},
    {"El hotel no está en la playa.", "Hotellet ligger inte på stranden."},
    {"Creo que la iglesia está cerca del río.", "Jag tror att kyrkan ligger nära floden."},
    {"El museo que está en la plaza es nuevo.", "Museet som ligger på torget är nytt."},
    {"El pueblo estaba en un valle.", "Byn låg i en dal."},
    {"¿Está el restaurante en esta calle?", "Ligger restaurangen på den här gatan?"},
    {"París está en Francia.", "Paris ligger i Frankrike."},
    {"Juan está en Madrid.", "Juan är i Madrid."},
    {"Los niños están en la escuela.", "Barnen är i skolan."},
    {"El museo está abierto.", "Museet är öppet."},
    {"La ciudad está en crisis.", "Staden är i kris."},
    {"El hospital está muy cerca.", "Sjukhuset ligger mycket nära."},
};
INSTANTIATE_TEST_SUITE_P(LyingPlaces, ClauseRules, testing::ValuesIn(kLyingPlaceRows));

// A verb whose Swedish takes a preposition keeps it before an object and
// drops it without one; "esperar que" is hoping, not waiting.
constexpr Row kVerbPrepositionRows[] = {
    {"Ana espera el autobús.", "Ana väntar på bussen."},
    {"Te espero.", "Jag väntar på dig."},
    {"Espérame en la plaza.", "Vänta på mig på torget."},
    {"Esperé mucho tiempo.", "Jag väntade länge."},
    {"Espero que Ana viene.", "Jag hoppas att Ana kommer."},
    {"Juan escucha bien.", "Juan lyssnar bra."},
    {"Los niños escuchan.", "Barnen lyssnar."},
    {"Busco a mi hermano.", "Jag letar efter min bror."},
};
INSTANTIATE_TEST_SUITE_P(VerbPrepositions, ClauseRules, testing::ValuesIn(kVerbPrepositionRows));

// An unstressed object pronoun comes before "inte" in a main clause.
constexpr Row kPronounBeforeNegationRows[] = {
    {"No la veo.", "Jag ser den inte."},
    {"No te entiendo.", "Jag förstår dig inte."},
    {"No los conozco.", "Jag känner dem inte."},
    {"Juan no lo sabe.", "Juan vet det inte."},
    {"Hoy no lo tengo.", "I dag har jag det inte."},
    {"¿No lo sabes?", "Vet du det inte?"},
    {"Creo que Juan no lo sabe.", "Jag tror att Juan inte vet det."},
    {"No lo he visto.", "Jag har inte sett det."},
};
INSTANTIATE_TEST_SUITE_P(PronounBeforeNegation, ClauseRules, testing::ValuesIn(kPronounBeforeNegationRows));

// An infinitive that opens the sentence as its subject takes "att", with
// "sig" for a reflexive verb, and makes a predicative neuter.
constexpr Row kInfinitiveSubjectRows[] = {
    {"Leer es importante.", "Att läsa är viktigt."},
    {"Fumar es malo.", "Att röka är dåligt."},
    {"Viajar en tren es cómodo.", "Att resa med tåg är bekvämt."},
    {"Lavarse es bueno.", "Att tvätta sig är bra."},
    {"Levantarse temprano es difícil.", "Att stiga upp tidigt är svårt."},
    {"Nadar era difícil.", "Att simma var svårt."},
    {"Cocinar es divertido.", "Att laga mat är roligt."},
    {"Será difícil.", "Det kommer att vara svårt."},
};
INSTANTIATE_TEST_SUITE_P(InfinitiveSubjects, ClauseRules, testing::ValuesIn(kInfinitiveSubjectRows));

// A degree word goes between "tycker" and "om"; the infinitive object of a
// verb of liking takes "att" with the degree word between.
constexpr Row kLikingRows[] = {
    {"Me gusta mucho el libro.", "Jag tycker mycket om boken."},
    {"Te gusta mucho cantar.", "Du tycker mycket om att sjunga."},
    {"Me gustan mucho los perros.", "Jag tycker mycket om hundarna."},
    {"Nos gusta mucho bailar.", "Vi tycker mycket om att dansa."},
    {"Les gusta mucho el mar.", "De tycker mycket om havet."},
    {"Me gusta mucho nadar en el mar.", "Jag tycker mycket om att simma i havet."},
    {"Me encanta cocinar.", "Jag älskar att laga mat."},
    {"Mi madre cocina muy bien.", "Min mor lagar mat mycket bra."},
};
INSTANTIATE_TEST_SUITE_P(Liking, ClauseRules, testing::ValuesIn(kLikingRows));

// "-amos" takes the present or the past from a time word, else from another
// finite verb of the sentence; with neither it is the present.
constexpr Row kPresentOrPastRows[] = {
    {"Hace dos años viajamos a España.", "För två år sedan reste vi till Spanien."},
    {"Cuando llegábamos, cenamos.", "När vi kom åt vi middag."},
    {"Si tienes tiempo, compramos pan.", "Om du har tid köper vi bröd."},
    {"Compramos pan y ahora comemos.", "Vi köper bröd och nu äter vi."},
    {"A veces cenamos en casa.", "Ibland äter vi middag hemma."},
    {"Juan dijo que necesitamos dinero.", "Juan sade att vi behövde pengar."},
    {"Actualmente vivimos en Madrid.", "För närvarande bor vi i Madrid."},
    {"Trabajamos en Madrid.", "Vi arbetar i Madrid."},
};
INSTANTIATE_TEST_SUITE_P(PresentOrPast, ClauseRules, testing::ValuesIn(kPresentOrPastRows));

// With no cue at all an "-amos" or "-imos" verb is one Swedish present, in
// questions, negations, reflexives and clauses after "que" alike.
constexpr Row kPresentWithoutCueRows[] = {
    {"Compramos pan en el mercado.", "Vi köper bröd på marknaden."},
    {"Nos sentamos en el sofá.", "Vi sätter oss i soffan."},
    {"¿Dónde compramos el pan?", "Var köper vi brödet?"},
    {"No necesitamos nada.", "Vi behöver inget."},
    {"Escribimos una carta a nuestra madre.", "Vi skriver ett brev till vår mor."},
    {"¿Por qué no trabajamos juntos?", "Varför arbetar vi inte tillsammans?"},
    {"Creo que necesitamos más tiempo.", "Jag tror att vi behöver mer tid."},
    {"Hablamos español y francés.", "Vi talar spanska och franska."},
    {"Ayer nos sentamos en el parque.", "I går satte vi oss i parken."},
};
INSTANTIATE_TEST_SUITE_P(PresentWithoutCue, ClauseRules, testing::ValuesIn(kPresentWithoutCueRows));

// A noun that is also a verb form is the verb after a comma-closed clause
// or an object pronoun, where the clause has no other verb.
constexpr Row kHomographAfterCommaRows[] = {
    {"Cuando llego a casa, como pan.", "När jag kommer hem äter jag bröd."},
    {"Mientras Ana lee, Juan cocina.", "Medan Ana läser lagar Juan mat."},
    {"Cuando tengo tiempo, canto en un coro.", "När jag har tid sjunger jag i en kör."},
    {"Si Ana trabaja, trabajo también.", "Om Ana arbetar arbetar jag också."},
    {"Los domingos, paseo con mi perro.", "På söndagar promenerar jag med min hund."},
    {"Me cuenta la historia.", "Han berättar historien för mig."},
    {"La cocina es grande.", "Köket är stort."},
    {"Cuando llego, la cocina está limpia.", "När jag kommer är köket rent."},
};
INSTANTIATE_TEST_SUITE_P(HomographAfterComma, ClauseRules, testing::ValuesIn(kHomographAfterCommaRows));

// A person object of a verb flagged "dative-for" or "dative-till" takes its
// preposition and goes after the thing object.
constexpr Row kDativeRows[] = {
    {"Cuéntame.", "Berätta för mig."},
    {"Cuéntame la historia.", "Berätta historien för mig."},
    {"Dímelo.", "Säg det till mig."},
    {"Explícamelo.", "Förklara det för mig."},
    {"Léeme el libro nuevo.", "Läs den nya boken för mig."},
    {"Te explico el problema.", "Jag förklarar problemet för dig."},
    {"Te escribo una carta.", "Jag skriver ett brev till dig."},
    {"Ella me lee un cuento cada noche.", "Hon läser en saga för mig varje natt."},
    {"Quiero contarte una cosa.", "Jag vill berätta en sak för dig."},
};
INSTANTIATE_TEST_SUITE_P(DativeObjects, ClauseRules, testing::ValuesIn(kDativeRows));

// "inte någon" after the finite verb of a main clause is "ingen"; an amount
// with its "de" phrase is the subject of the verb after it; a name is asked
// for with "vad".
constexpr Row kNegativeIndefiniteRows[] = {
    {"No veo a nadie.", "Jag ser ingen."},
    {"No tengo nada.", "Jag har inget."},
    {"No hay ningún problema.", "Det finns inget problem."},
    {"Hoy no hay nadie aquí.", "I dag finns det ingen här."},
    {"¿No tienes nada?", "Har du inget?"},
    {"Creo que no hay nadie.", "Jag tror att det inte finns någon."},
    {"Miles de personas viven aquí.", "Tusentals personer bor här."},
    {"Muchos de los niños juegan.", "Många av barnen leker."},
    {"¿Cómo se llamaba el perro?", "Vad hette hunden?"},
};
INSTANTIATE_TEST_SUITE_P(NegativeIndefinites, ClauseRules, testing::ValuesIn(kNegativeIndefiniteRows));

// A negated existential before a noun without a determiner says the negation
// in "ingen", "inget", "inga" by the noun, in every tense; "tener" and a
// subordinate clause keep "inte".
constexpr Row kNegatedExistentialRows[] = {
    {"No hay agua en la botella.", "Det finns inget vatten i flaskan."},
    {"En mi pueblo no hay cine.", "I min by finns det ingen bio."},
    {"No había libros en la mesa.", "Det fanns inga böcker på bordet."},
    {"¿Por qué no hay sillas?", "Varför finns det inga stolar?"},
    {"No habrá problemas.", "Det kommer att finnas inga problem."},
    {"No hubo accidentes ayer.", "Det fanns inga olyckor i går."},
    {"No hay leche fría.", "Det finns ingen kall mjölk."},
    {"No tengo tiempo.", "Jag har inte tid."},
    {"Creo que no hay pan.", "Jag tror att det inte finns bröd."},
};
INSTANTIATE_TEST_SUITE_P(NegatedExistential, ClauseRules, testing::ValuesIn(kNegatedExistentialRows));

// After a subject that ends in a "de" complement, the predicative agrees with
// the head noun, not with the complement that stood last before the verb.
constexpr Row kHeadNounAgreementRows[] = {
    {"La casa de mi abuela es pequeña.", "Min farmors hus är litet."},
    {"La puerta del garaje está cerrada.", "Dörren till garaget är stängd."},
    {"El agua del río está fría.", "Flodens vatten är kallt."},
    {"Las flores del jardín son rojas.", "Trädgårdens blommor är röda."},
    {"El precio de las casas es alto.", "Priset på husen är högt."},
    {"La ventana de la cocina está abierta.", "Kökets fönster är öppet."},
    {"El pan de la tienda es bueno y barato.", "Affärens bröd är bra och billigt."},
    {"La mesa del comedor es grande.", "Matsalens bord är stort."},
    {"Un vaso de agua fría.", "Ett glas kallt vatten."},
};
INSTANTIATE_TEST_SUITE_P(HeadNounAgreement, ClauseRules, testing::ValuesIn(kHeadNounAgreementRows));

// A relative clause whose verb is in the first or second person has "que"
// for its object: the subject in the verb's ending becomes a pronoun.
constexpr Row kRelativeSubjectRows[] = {
    {"El libro que compré ayer es bueno.", "Boken som jag köpte i går är bra."},
    {"La casa que vimos es grande.", "Huset som vi såg är stort."},
    {"La película que viste ayer es buena.", "Filmen som du såg i går är bra."},
    {"Los libros que leemos son caros.", "Böckerna som vi läser är dyra."},
    {"El coche que compraste es rojo.", "Bilen som du köpte är röd."},
    {"Las cartas que escribo son largas.", "Breven som jag skriver är långa."},
    {"El libro que te di es bueno.", "Boken som jag gav dig är bra."},
    {"El hombre que me ayudó es simpático.", "Mannen som hjälpte mig är trevlig."},
};
INSTANTIATE_TEST_SUITE_P(RelativeSubjects, ClauseRules, testing::ValuesIn(kRelativeSubjectRows));

// A Swedish verb with its reflexive in the dictionary ("lära sig") says it
// in the person of its subject, an infinitive in that of the finite verb.
constexpr Row kSwedishReflexiveRows[] = {
    {"Aprendo mucho.", "Jag lär mig mycket."},
    {"Aprendemos mucho.", "Vi lär oss mycket."},
    {"Quiero aprender a cocinar.", "Jag vill lära mig att laga mat."},
    {"¿Quieres aprender a nadar?", "Vill du lära dig att simma?"},
    {"Vamos a aprender mucho.", "Vi kommer att lära oss mycket."},
    {"Nunca aprendemos.", "Vi lär oss aldrig."},
    {"Tenéis que aprender.", "Ni måste lära er."},
    {"Mi hermano quiere aprender.", "Min bror vill lära sig."},
};
INSTANTIATE_TEST_SUITE_P(SwedishReflexives, ClauseRules, testing::ValuesIn(kSwedishReflexiveRows));

// "saber" + infinitive is a skill ("kunna"); with an object or "que" it is knowing.
constexpr Row kSaberRows[] = {
    {"Él no sabe nadar.", "Han kan inte simma."},
    {"Sé cocinar muy bien.", "Jag kan laga mat mycket bra."},
    {"¿Sabes conducir?", "Kan du köra?"},
    {"Mi hija sabe leer.", "Min dotter kan läsa."},
    {"No sabían bailar.", "De kunde inte dansa."},
    {"No sé nada.", "Jag vet inget."},
    {"Sé que vienes.", "Jag vet att du kommer."},
    {"Ella sabe la respuesta.", "Hon vet svaret."},
};
INSTANTIATE_TEST_SUITE_P(Saber, ClauseRules, testing::ValuesIn(kSaberRows));

// "quedarse" is staying ("stanna"); "quedar" alone is what remains, and with an
// adjective or participle it is becoming.
constexpr Row kQuedarRows[] = {
    {"Me quedo en casa.", "Jag stannar hemma."},
    {"Nos quedamos aquí.", "Vi stannar här."},
    {"Te quedas conmigo.", "Du stannar med mig."},
    {"Os quedáis en el hotel.", "Ni stannar på hotellet."},
    {"No me quedo.", "Jag stannar inte."},
    {"Quiero quedarme aquí.", "Jag vill stanna här."},
    {"Ella se queda.", "Hon stannar."},
    {"Quedan dos días.", "Det återstår två dagar."},
    {"Me quedé sorprendido.", "Jag blev förvånad."},
};
INSTANTIATE_TEST_SUITE_P(Quedar, ClauseRules, testing::ValuesIn(kQuedarRows));

// How a person is ("estar bien", "¿cómo estás?") is "må"; of a thing, "vara".
constexpr Row kWellBeingRows[] = {
    {"Estoy bien.", "Jag mår bra."},
    {"¿Cómo estás?", "Hur mår du?"},
    {"¿Cómo está tu madre?", "Hur mår din mor?"},
    {"Mi padre está mal.", "Min far mår dåligt."},
    {"Estamos muy bien, gracias.", "Vi mår mycket bra, tack."},
    {"Mi abuela estaba mejor.", "Min farmor mådde bättre."},
    {"No estoy bien.", "Jag mår inte bra."},
    {"El médico dice que estoy bien.", "Läkaren säger att jag mår bra."},
    {"Todo está bien.", "Allt är bra."},
    {"La sopa está bien.", "Soppan är bra."},
};
INSTANTIATE_TEST_SUITE_P(WellBeing, ClauseRules, testing::ValuesIn(kWellBeingRows));

// The subject Spanish puts after an intransitive verb goes first in Swedish;
// questions keep their order.
constexpr Row kLateSubjectRows[] = {
    {"Llega el tren.", "Tåget kommer."},
    {"Ha llegado el tren.", "Tåget har kommit."},
    {"Trabaja mi hermano allí.", "Min bror arbetar där."},
    {"Van a venir mis primos.", "Mina kusiner kommer att komma."},
    {"Dice que llega el tren mañana.", "Han säger att tåget kommer i morgon."},
    {"Cuando llegó mi padre, comimos.", "När min far kom åt vi."},
    {"Si viene Juan, me voy.", "Om Juan kommer går jag."},
    {"Sube el precio del pan.", "Priset på brödet stiger."},
    {"No llega el tren.", "Tåget kommer inte."},
    {"Mañana llega el tren.", "I morgon kommer tåget."},
    {"Vive aquí mi abuela.", "Min farmor bor här."},
    {"¿Cuándo llega el tren?", "När kommer tåget?"},
    {"¿Viene tu hermana?", "Kommer din syster?"},
    {"El hombre que llegó el lunes.", "Mannen som kom i måndags."},
};
INSTANTIATE_TEST_SUITE_P(LateSubjects, ClauseRules, testing::ValuesIn(kLateSubjectRows));

// The "se" of "caerse", "morirse", "irse" is not said and makes no passive;
// a late subject goes before "se" too.
constexpr Row kSilentSeRows[] = {
    {"Se cayó.", "Han föll."},
    {"El niño se cayó de la bicicleta.", "Barnet föll från cykeln."},
    {"Mi abuelo se murió el año pasado.", "Min farfar dog förra året."},
    {"Se cayeron las hojas.", "Löven föll."},
    {"No se cayó el niño.", "Barnet föll inte."},
    {"Juan se fue a casa.", "Juan gick hem."},
    {"Se abrió la puerta.", "Dörren öppnades."},
    {"Se venden casas.", "Hus säljs."},
};
INSTANTIATE_TEST_SUITE_P(SilentSe, ClauseRules, testing::ValuesIn(kSilentSeRows));

// "hay que" + infinitive is "man måste", after "no" "man behöver inte"; the
// particle of an infinitive with no object goes, as a finite verb's does.
constexpr Row kDutyRows[] = {
    {"Hay que trabajar más.", "Man måste arbeta mer."},
    {"Mañana hay que trabajar.", "I morgon måste man arbeta."},
    {"No hay que correr.", "Man behöver inte springa."},
    {"¿Hay que pagar?", "Måste man betala?"},
    {"Dice que hay que esperar.", "Han säger att man måste vänta."},
    {"Hay que buscar la llave.", "Man måste leta efter nyckeln."},
    {"Tenemos que esperar.", "Vi måste vänta."},
    {"Tenemos que esperar a Juan.", "Vi måste vänta på Juan."},
    {"Voy a esperar aquí.", "Jag kommer att vänta här."},
    {"Hay agua.", "Det finns vatten."},
};
INSTANTIATE_TEST_SUITE_P(Duty, ClauseRules, testing::ValuesIn(kDutyRows));

// "para" + infinitive after a noun of a means or a chance is "att"; of a
// purpose "för att".
constexpr Row kPlainAttRows[] = {
    {"No tengo tiempo para leer el periódico.", "Jag har inte tid att läsa tidningen."},
    {"No tenemos dinero para comprar un coche.", "Vi har inte pengar att köpa en bil."},
    {"Es una buena oportunidad para aprender.", "Det är en bra chans att lära sig."},
    {"Necesito tiempo para pensar.", "Jag behöver tid att tänka."},
    {"Tengo una razón para estar contento.", "Jag har en anledning att vara nöjd."},
    {"Voy a Madrid para ver a mi madre.", "Jag åker till Madrid för att se min mor."},
    {"Trabajo para vivir.", "Jag arbetar för att bo."},
    {"Es un regalo para ti.", "Det är en present till dig."},
    {"No tengo ganas de trabajar.", "Jag har inte lust att arbeta."},
    {"¿Tienes ganas de comer?", "Har du lust att äta?"},
};
INSTANTIATE_TEST_SUITE_P(PlainAtt, ClauseRules, testing::ValuesIn(kPlainAttRows));

// "desde hace" + an amount of time is "sedan ... tillbaka", and its "hace"
// is no verb of the clause; a clause's first word that can be a verb is one
// when the clause has no other ("Vivo en Madrid": jag bor i Madrid).
constexpr Row kSinceRows[] = {
    {"Mi vecino trabaja en un hospital desde hace diez años.", "Min granne arbetar på ett sjukhus sedan tio år tillbaka."},
    {"Vivo aquí desde hace dos años.", "Jag bor här sedan två år tillbaka."},
    {"Estudio español desde hace un mes.", "Jag studerar spanska sedan en månad tillbaka."},
    {"Desde hace tres semanas no llueve.", "Sedan tre veckor tillbaka regnar det inte."},
    {"Llegué hace dos días.", "Jag kom för två dagar sedan."},
    {"Vivo en Madrid.", "Jag bor i Madrid."},
    {"Trabajo en casa.", "Jag arbetar hemma."},
    {"Nuevo año, nueva vida.", "Nytt år, nytt liv."},
};
INSTANTIATE_TEST_SUITE_P(Since, ClauseRules, testing::ValuesIn(kSinceRows));

// "solo" without its accent before a verb, an object pronoun or a numeral is
// the adverb "bara"; of a person it stays "ensam".
constexpr Row kOnlyRows[] = {
    {"Solo quiero dormir.", "Jag vill bara sova."},
    {"Sólo quiero dormir.", "Jag vill bara sova."},
    {"Solo tengo dos euros.", "Jag har bara två euro."},
    {"Solo dos personas vinieron.", "Bara två personer kom."},
    {"Tengo solo dos euros.", "Jag har bara två euro."},
    {"Estoy solo.", "Jag är ensam."},
    {"Vive solo.", "Han bor ensam."},
    {"Mi abuelo vive solo.", "Min farfar bor ensam."},
};
INSTANTIATE_TEST_SUITE_P(Only, ClauseRules, testing::ValuesIn(kOnlyRows));

// In an indirect question the negation goes before the verb, as in any
// subordinate clause; a direct question keeps it after.
constexpr Row kIndirectQuestionRows[] = {
    {"No sé por qué no viene.", "Jag vet inte varför han inte kommer."},
    {"No entiendo por qué no me has llamado.", "Jag förstår inte varför du inte har ringt mig."},
    {"¿Por qué no vienes?", "Varför kommer du inte?"},
    {"Este verano vamos a pasar dos semanas en Italia.", "I sommar kommer vi att tillbringa två veckor i Italien."},
    {"Este invierno hace frío.", "I vinter är det kallt."},
    {"Esta primavera llueve mucho.", "I vår regnar det mycket."},
    {"Este otoño estudiamos mucho.", "I höst studerar vi mycket."},
    {"Creo que no viene.", "Jag tror att han inte kommer."},
};
INSTANTIATE_TEST_SUITE_P(IndirectQuestions, ClauseRules, testing::ValuesIn(kIndirectQuestionRows));

// A nationality word with no article after a verb or "en" names the language.
constexpr Row kLanguageRows[] = {
    {"Hablo español.", "Jag talar spanska."},
    {"Mis padres no hablan inglés.", "Mina föräldrar talar inte engelska."},
    {"Sabemos hablar sueco.", "Vi kan tala svenska."},
    {"Aprendo italiano en la escuela.", "Jag lär mig italienska i skolan."},
    {"Hablo inglés y francés.", "Jag talar engelska och franska."},
    {"El libro está en alemán.", "Boken är på tyska."},
    {"La carta está escrita en inglés.", "Brevet är skrivet på engelska."},
    {"Es un coche alemán.", "Det är en tysk bil."},
    {"Juan es español.", "Juan är spansk."},
};
INSTANTIATE_TEST_SUITE_P(LanguageNames, ClauseRules, testing::ValuesIn(kLanguageRows));

}  // namespace
}  // namespace quelvo
