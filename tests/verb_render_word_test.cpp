// One Spanish verb word in Swedish: the special verbs and their
// constructions, the existential "hay" and the ordinary conjugation.
#include <gtest/gtest.h>

#include "render/verb_word.h"
#include "verb_render_support.h"

namespace quelvo {
namespace {

using testing_support::kA;
using testing_support::kComer;
using testing_support::kDe;
using testing_support::kQue;
using testing_support::kStop;
using testing_support::Earlier;
using testing_support::VerbScene;
using testing_support::Verb;
using testing_support::Wd;
using testing_support::Word;

const Wd kComprar{"comprar", "köpa", 19, 2, 99};
const Wd kComprando{"comprar", "köpa", 11, 2, 101};
const Wd kNo = Word("no", "inte", 17);
const Wd kCasa = Word("casa", "hus", 1);
const Wd kTener = Verb("tener", "ha", 450, 9);

struct WordCase {
    const char* name;
    std::vector<Wd> words;
    int start;
    std::vector<std::string> out;
    int endsAt;  // where CurWord stands afterwards
    std::vector<Earlier> earlier = {};
};

void PrintTo(const WordCase& c, std::ostream* os) { *os << c.name; }

class VerbWord : public testing::TestWithParam<WordCase> {};

TEST_P(VerbWord, EmitsTheSwedishAndConsumesItsWords) {
    const WordCase& c = GetParam();
    VerbScene scene(c.words, {}, c.start, c.earlier);
    TranslateVerbWord(scene.s);
    EXPECT_EQ(scene.Out(), c.out);
    EXPECT_EQ(scene.CurIndex(), c.endsAt);
}

INSTANTIATE_TEST_SUITE_P(
    Constructions, VerbWord,
    testing::Values(
        WordCase{"tengo_que_comer", {kTener, kQue, kComer, kStop}, 1, {"Måste", "äta"}, 4},
        WordCase{"no_tiene_que_comer", {kNo, kTener, kQue, kComer, kStop}, 2, {"Behöver", "äta"}, 5},
        WordCase{"no_tenia_que_comer", {kNo, Verb("tener", "ha", 460, 9), kQue, kComer}, 2, {"Behövde", "äta"}, 5},
        WordCase{"ha_tenido_que_comer", {Verb("tener", "ha", 10, 9), kQue, kComer}, 1, {"Måst", "äta"}, 4},
        WordCase{"tiene_que_without_infinitive", {kTener, kQue, kStop}, 1, {"Har"}, 2},
        WordCase{"tiene_veinte_anos", {kTener, Word("veinte", "tjugo", 6), Word("año", "år", 1, "", 3)}, 1, {"Är"}, 2},
        WordCase{"tenia_veinte_anos", {Verb("tener", "ha", 460, 9), Word("veinte", "tjugo", 6), Word("año", "år", 1)},
                 1, {"Var"}, 2},
        WordCase{"va_a_comer", {Verb("ir", "gå", 8, 9), kA, kComer}, 1, {"Kommer", "att", "äta"}, 4},
        WordCase{"iba_a_comer", {Verb("ir", "gå", 9, 9), kA, kComer}, 1, {"Skulle", "äta"}, 4},
        WordCase{"fue_a_comprar", {Verb("ir", "gå", 470, 9), kA, kComprar}, 1, {"Gick för att", "köpa"}, 4},
        WordCase{"va_comprando", {Verb("ir", "gå", 450, 9), kComprando}, 1, {"Köper"}, 3},
        WordCase{"va_perdido", {Verb("ir", "gå", 450, 9), Wd{"perder", "förlora", 10, 1, 102}}, 1, {"Är"}, 2},
        WordCase{"va_a_casa", {Verb("ir", "gå", 450, 9), kA, kCasa}, 1, {"Går"}, 2},
        WordCase{"acaba_de_comer", {Verb("acabar", "sluta", 4, 1), kDe, kComer}, 1, {"Har just", "ätit"}, 4},
        WordCase{"acabo_de_comer", {Verb("acabar", "sluta", 5, 1), kDe, kComer}, 1, {"Hade just", "ätit"}, 4},
        WordCase{"acabo_comprando", {Verb("acabar", "sluta", 5, 1), kComprando}, 1, {"Till slut", "köpte"}, 3},
        WordCase{"acabar_con", {Verb("acabar", "sluta", 4, 1), Word("con", "med", 7)}, 1, {"Sluta"}, 2},
        WordCase{"parece", {Verb("parecer", "likna", 460, 1), kCasa}, 1, {"Verkar"}, 2},
        WordCase{"es_la_una", {Verb("ser", "vara", 450, 9), Word("la", "den", 15), Word("una", "ett", 6)}, 1,
                 {"Klockan är", "ett"}, 4},
        WordCase{"son_las_tres_y_media",
                 {Verb("ser", "vara", 450, 9), Word("las", "de", 15), Word("tres", "tre", 6), Word("y", "och", 8),
                  Word("mediar", "halv", 2), kStop},
                 1, {"Klockan är", "tre", "och", "trettio"}, 6},
        WordCase{"son_las_tres_menos_diez",
                 {Verb("ser", "vara", 450, 9), Word("las", "de", 15), Word("tres", "tre", 6), Word("menos", "mindre", 5),
                  Word("diez", "tio", 6), kStop},
                 1, {"Klockan är", "tio", "i", "tre"}, 6},
        WordCase{"seria", {Verb("ser", "vara", 21, 9), kCasa}, 1, {"Skulle vara"}, 2},
        WordCase{"es_casa", {Verb("ser", "vara", 450, 9), kCasa}, 1, {"Är"}, 2},
        WordCase{"hace_dos_anos", {Verb("hacer", "göra", 450, 9), Word("dos", "två", 6), Word("año", "år", 1, "", 3)}, 1,
                 {"För sedan"}, 2},
        WordCase{"hace_facil_comer", {Verb("hacer", "göra", 450, 9), Word("fácil", "lätt", 2), kComer}, 1,
                 {"Gör", "det"}, 2},
        WordCase{"hace_comer", {Verb("hacer", "göra", 4, 9), kComer}, 1, {"Kommer att"}, 2},
        WordCase{"hacia_comer", {Verb("hacer", "göra", 460, 9), kComer}, 1, {"Kom att"}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    OtherSwedishVerbs, VerbWord,
    testing::Values(
        WordCase{"logra_comprar", {Verb("lograr", "uppnå", 450, 4), kComprar}, 1, {"Lyckas"}, 2},
        WordCase{"consiguio_comprar", {Verb("conseguir", "uppnå", 460, 4), kComprar}, 1, {"Lyckades"}, 2},
        WordCase{"consigue_alone", {Verb("conseguir", "uppnå", 450, 4), kStop}, 1, {"Uppnår"}, 2},
        WordCase{"queda_cansado", {Verb("quedar", "stanna", 450, 1), Wd{"cansar", "trött", 10, 0, 2, 2, "adj"}}, 1,
                 {"Blir"}, 2},
        WordCase{"queda_atras", {Verb("quedar", "stanna", 450, 1), Word("atrás", "bakom", 5)}, 1, {"Kommer"}, 2},
        WordCase{"queda_mucho", {Verb("quedar", "stanna", 450, 4), Word("mucho", "mycket", 5)}, 1, {"Det", "återstår"}, 2},
        WordCase{"sigue_comprando", {Verb("seguir", "följa", 450, 1), kComprando}, 1, {"Fortsätter"}, 2},
        WordCase{"sigue_el_camino", {Verb("seguir", "följa", 450, 2), Word("el", "den", 15)}, 1, {"Följer"}, 2},
        WordCase{"deja_de", {Verb("dejar", "lämna", 450, 1), kDe, kComer}, 1, {"Upphör"}, 2},
        WordCase{"deja_comer", {Verb("dejar", "lämna", 450, 1), kComer}, 1, {"Låter"}, 2},
        WordCase{"manda_comprar", {Verb("mandar", "skicka", 450, 1), kComprar}, 1, {"Beslutar"}, 2},
        WordCase{"manda_una_carta", {Verb("mandar", "skicka", 450, 1), kCasa}, 1, {"Skickar"}, 2},
        WordCase{"cabe_comer", {Verb("caber", "rymma", 450, 1), kComer}, 1, {"Kan"}, 2},
        WordCase{"resulta_facil", {Verb("resultar", "visa", 450, 1), Wd{"fácil", "lätt", 1, 0, 2, 2, "adj"}}, 1,
                 {"Blir"}, 2},
        WordCase{"resulta_casa", {Verb("resultar", "visa", 450, 1), kCasa}, 1, {"Resulterar"}, 2},
        WordCase{"intenta_comprar", {Verb("intentar", "pröva", 450, 1), kComprar}, 1, {"Försöker"}, 2},
        WordCase{"compra", {Verb("comprar", "köpa", 450, 2)}, 1, {"Köper"}, 2},
        WordCase{"comprara", {Verb("comprar", "köpa", 8, 2)}, 1, {"Kommer att", "köpa"}, 2},
        WordCase{"para_que_compre", {Word("para que", "för att", 8), Verb("comprar", "köpa", 450, 2)}, 2, {"Köpa"}, 3}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Existential, VerbWord,
    testing::Values(WordCase{"hay", {Verb("hay", "finnas", 4, 12), kCasa}, 1, {"Det", "finns"}, 2},
                    WordCase{"habia", {Verb("haber", "ha", 460, 9), kCasa}, 1, {"Det", "fanns"}, 2},
                    WordCase{"habia_after_som", {Verb("haber", "ha", 460, 9), kCasa}, 1, {"Som", "fanns"}, 2,
                             {{"som", "rel"}}},
                    WordCase{"hay_after_som", {Verb("hay", "finnas", 4, 12), kCasa}, 1, {"Som", "finns"}, 2,
                             {{"som", "rel"}}},
                    WordCase{"habia_after_inserted_pronoun", {Verb("haber", "ha", 460, 9), kCasa}, 1, {"Det", "fanns"},
                             2, {{"han", "ppsu"}}},
                    WordCase{"habra", {Verb("haber", "ha", 475, 9), kCasa}, 1, {"Det", "kommer att finnas"}, 2},
                    WordCase{"va_a_haber", {Verb("haber", "ha", 19, 9), kCasa}, 1, {"Finnas"}, 2},
                    WordCase{"ha_comido_is_no_existential", {Verb("haber", "ha", 450, 9), Wd{"comer", "äta", 10, 9}}, 1,
                             {"Har"}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VerbWordTags, AuxiliariesAndTheFormalSubjectAreTagged) {
    VerbScene haveTo({kTener, kQue, kComer});
    TranslateVerbWord(haveTo.s);
    EXPECT_EQ(haveTo.OutTags(), (std::vector<std::string>{"hjv", "v"}));
    EXPECT_EQ(haveTo.s.OutTags.Get(1).view(), "hjv");

    VerbScene goingTo({Verb("ir", "gå", 8, 9), kA, kComer});
    TranslateVerbWord(goingTo.s);
    EXPECT_EQ(goingTo.OutTags(), (std::vector<std::string>{"hjv", "infm", "v"}));

    VerbScene there({Verb("hay", "finnas", 4, 12), kCasa});
    TranslateVerbWord(there.s);
    EXPECT_EQ(there.OutTags(), (std::vector<std::string>{"ppsu", "v"}));
    EXPECT_EQ(there.s.OutTags.Get(1).view(), "ppsu");
    EXPECT_EQ(testing_support::Utf(there.s.OutWords[1]), "det");
}

TEST(VerbWordNeighbours, TheConstructionRewritesTheFollowingWord) {
    VerbScene remember({Verb("recordar", "minnas", 450, 9), kA, kCasa});
    TranslateVerbWord(remember.s);
    EXPECT_EQ(remember.Out(), (std::vector<std::string>{"Påminner"}));
    EXPECT_EQ(remember.Word(2)->SvWord.view(), "om");

    VerbScene tend({Verb("tender", "sträcka", 450, 2), kA, kComer});
    TranslateVerbWord(tend.s);
    EXPECT_EQ(tend.Out(), (std::vector<std::string>{"Tenderar"}));
    EXPECT_EQ(tend.Word(2)->SvWord.view(), "att");

    VerbScene dealsWith({Verb("tratar", "behandla", 450, 1), kDe, Word("la", "den", 15)});
    TranslateVerbWord(dealsWith.s);
    EXPECT_EQ(dealsWith.Out(), (std::vector<std::string>{"Handlar"}));
    EXPECT_EQ(dealsWith.Word(2)->SvWord.view(), "om");

    VerbScene serves({Verb("servir", "servera", 450, 1), kDe, kCasa});
    TranslateVerbWord(serves.s);
    EXPECT_EQ(serves.Out(), (std::vector<std::string>{"Tjänar"}));
    EXPECT_EQ(testing_support::Utf(serves.Word(2)->SvWord), "som");
}

TEST(VerbWordNeighbours, RecordarWithoutAIsTheDictionaryVerb) {
    VerbScene scene({Verb("recordar", "minnas", 450, 12), kCasa});
    TranslateVerbWord(scene.s);
    EXPECT_EQ(scene.Out(), (std::vector<std::string>{"Minnas"}));
    EXPECT_EQ(scene.Word(2)->SvWord.view(), "hus");
}

TEST(VerbWordEnd, NothingHappensPastTheEndOfTheList) {
    VerbScene scene({kTener});
    scene.s.CurWord = nullptr;
    TranslateVerbWord(scene.s);
    EXPECT_TRUE(scene.Out().empty());
    EXPECT_EQ(scene.s.OutCount, 1);
}

TEST(VerbWordEnd, ConstructionsAtTheLastWordFallBackToTheVerb) {
    for (const char* sp : {"acabar", "ir", "tener", "hacer", "tratar", "quedar", "servir", "dejar", "seguir"}) {
        VerbScene scene({Verb(sp, "måla", 450, 1)});
        TranslateVerbWord(scene.s);
        EXPECT_EQ(scene.CurIndex(), 2) << sp;
        EXPECT_EQ(scene.Out().size(), 1U) << sp;
    }
}

}  // namespace
}  // namespace quelvo
