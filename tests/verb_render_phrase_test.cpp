// Verb phrases by their rule: the recipes, and the bookkeeping that keeps the
// next phrase on its own first word whatever a recipe consumed.
#include <gtest/gtest.h>

#include "render/verb_phrases.h"
#include "verb_render_support.h"

namespace quelvo {
namespace {

using testing_support::kA;
using testing_support::kComer;
using testing_support::kComiendo;
using testing_support::kDe;
using testing_support::kEnd;
using testing_support::kHacer;
using testing_support::kLo;
using testing_support::kQue;
using testing_support::kStop;
using testing_support::Ph;
using testing_support::VerbScene;
using testing_support::Verb;
using testing_support::Wd;
using testing_support::Word;

const Wd kHecho{"hacer", "göra", 10, 9, 102};
const Wd kHaber = Verb("haber", "ha", 450, 9);
const Wd kEstar = Verb("estar", "vara", 450, 9);

struct PhraseCase {
    const char* name;
    std::vector<Wd> words;
    std::vector<Ph> phrases;
    std::vector<std::string> out;
    int endsAt;       // where CurWord stands afterwards
    int phraseAfter;  // the phrase PhraseCursor is left on
    int start = 1;
};

void PrintTo(const PhraseCase& c, std::ostream* os) { *os << c.name; }

class VerbPhrase : public testing::TestWithParam<PhraseCase> {};

TEST_P(VerbPhrase, RendersByItsRuleAndConsumesItsWords) {
    const PhraseCase& c = GetParam();
    VerbScene scene(c.words, c.phrases, c.start);
    TranslateVerbPhrase(scene.s);
    EXPECT_EQ(scene.Out(), c.out);
    EXPECT_EQ(scene.CurIndex(), c.endsAt);
    EXPECT_EQ(scene.s.PhraseCursor, scene.Phrase(c.phraseAfter));
    EXPECT_EQ(scene.s.CurPhraseNo, 1 + c.phraseAfter);
    EXPECT_EQ(scene.s.CurWordNo, 1 + c.endsAt - c.start);
}

INSTANTIATE_TEST_SUITE_P(
    Periphrases, VerbPhrase,
    testing::Values(
        PhraseCase{"tengo_que_comer", {Verb("tener", "ha", 450, 9), kQue, kComer, kStop},
                   {{191, {"v", "qinf", "inf"}}, kEnd}, {"Måste", "äta"}, 4, 1},
        PhraseCase{"no_tiene_que_comer", {Word("no", "inte", 17), Verb("tener", "ha", 450, 9), kQue, kComer, kStop},
                   {{191, {"v", "qinf", "inf"}}, kEnd}, {"Behöver", "äta"}, 5, 1, 2},
        PhraseCase{"va_a_comer", {Verb("ir", "gå", 8, 9), kA, kComer, kStop}, {{191, {"v", "qinf", "inf"}}, kEnd},
                   {"Kommer", "att", "äta"}, 4, 1},
        PhraseCase{"acaba_de_comer", {Verb("acabar", "sluta", 4, 1), kDe, kComer, kStop},
                   {{191, {"v", "qinf", "inf"}}, kEnd}, {"Har just", "ätit"}, 4, 1},
        PhraseCase{"empieza_a_comer", {Verb("empezar", "börja", 450, 1), kA, kComer, kStop},
                   {{191, {"v", "qinf", "inf"}}, kEnd}, {"Börjar", "att", "äta"}, 4, 1},
        PhraseCase{"tengo_que_comerlo", {Verb("tener", "ha", 450, 9), kQue, kComer, kLo, kStop},
                   {{166, {"v", "qinf", "inf", "ppob"}}, kEnd}, {"Måste", "äta", "det"}, 5, 1},
        PhraseCase{"tengo_que_estar_comiendo", {Verb("tener", "ha", 450, 9), kQue, Verb("estar", "vara", 19, 9),
                   kComiendo, kStop}, {{160, {"v", "qinf", "inf", "vpres"}}, kEnd}, {"Måste", "äta"}, 5, 1},
        PhraseCase{"lo_voy_a_hacer", {kLo, Verb("ir", "gå", 8, 9), kA, kHacer, kStop},
                   {{161, {"ppob", "v", "qinf", "inf"}}, kEnd}, {"Ska", "göra", "det"}, 5, 1},
        PhraseCase{"es_dificil_hacer", {Verb("ser", "vara", 450, 9), Wd{"difícil", "svår", 1, 0, 2, 2, "adj", 64},
                   kHacer, kStop}, {{125, {"hjv", "adj", "inf"}}, kEnd}, {"Är", "svårt att", "göra"}, 4, 1},
        PhraseCase{"ha_acabado_de_comer", {kHaber, Verb("acabar", "sluta", 10, 1), kDe, kComer, kStop},
                   {{167, {"hjv", "vperf", "qinf", "inf"}}, kEnd}, {"Har", "nyss", "ätit"}, 5, 1},
        PhraseCase{"ha_tenido_que_comer", {kHaber, Verb("tener", "ha", 10, 9), kQue, kComer, kStop},
                   {{167, {"hjv", "vperf", "qinf", "inf"}}, kEnd}, {"Har", "måst", "äta"}, 5, 1},
        PhraseCase{"al_llegar", {kA, Word("el", "den", 15), Verb("llegar", "komma", 19, 9), kStop},
                   {{174, {"prep", "det", "inf"}}, kEnd}, {"När", "är/var", "kommit"}, 4, 1},
        PhraseCase{"tras_comer", {Word("tras", "bakom", 7), kComer, kStop}, {{219, {"prep", "inf"}}, kEnd},
                   {"Efter att ha", "ätit"}, 3, 1},
        PhraseCase{"sin_saber", {Word("sin", "utan", 7), Verb("saber", "veta", 19, 9), kStop},
                   {{219, {"prep", "inf"}}, kEnd}, {"Utan", "att veta"}, 3, 1},
        PhraseCase{"deja_de_comer", {kDe, kComer, kStop}, {{219, {"prep", "inf"}}, kEnd}, {"Att", "äta"}, 3, 1},
        PhraseCase{"para_comer", {Word("para", "för", 7), kComer, kStop}, {{219, {"prep", "inf"}}, kEnd},
                   {"För att", "äta"}, 3, 1},
        PhraseCase{"despues_de_comer", {Word("después de", "efter", 92), kComer, kStop},
                   {{220, {"prpx", "inf"}}, kEnd}, {"Efter att ha", "ätit"}, 3, 1},
        PhraseCase{"antes_de_salir", {Word("antes de", "före", 92), Verb("salir", "gå", 19, 9), kStop},
                   {{220, {"prpx", "inf"}}, kEnd}, {"Innan man har", "gått"}, 3, 1}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    AuxiliariesAndObjects, VerbPhrase,
    testing::Values(
        PhraseCase{"ha_podido_comer", {kHaber, Verb("poder", "kunna", 10, 9), kComer, kStop},
                   {{181, {"hjv", "vperf", "inf"}}, kEnd}, {"Har", "kunnat", "äta"}, 4, 1},
        PhraseCase{"lo_ha_hecho", {kLo, kHaber, kHecho, kStop}, {{183, {"ppob", "hjv", "vperf"}}, kEnd},
                   {"Har", "gjort", "det"}, 4, 1},
        PhraseCase{"lo_esta_haciendo", {kLo, kEstar, Wd{"hacer", "göra", 11, 9, 101}, kStop},
                   {{188, {"ppob", "hjv", "vpres"}}, kEnd}, {"Gör", "det"}, 4, 1},
        PhraseCase{"lo_veo", {kLo, Verb("ver", "se", 450, 9), kStop}, {{206, {"ppob", "v"}, "PVP"}, kEnd},
                   {"Ser", "det"}, 3, 1},
        PhraseCase{"me_gusta", {Word("me", "mig", 11, "ppob"), Verb("gustar", "tycka", 450, 2), kStop},
                   {{206, {"ppob", "v"}, "PVP"}, kEnd}, {"Jag", "tycker"}, 3, 1},
        PhraseCase{"nos_encanta", {Word("nos", "oss", 11, "ppob"), Verb("encantar", "älska", 450, 1), kStop},
                   {{206, {"ppob", "v"}, "PVP"}, kEnd}, {"Vi", "älskar"}, 3, 1},
        PhraseCase{"me_ve", {Word("me", "mig", 11, "ppob"), Verb("ver", "se", 450, 9), kStop},
                   {{206, {"ppob", "v"}, "PVP"}, kEnd}, {"Ser", "mig"}, 3, 1},
        PhraseCase{"esta_comiendo", {kEstar, kComiendo, kStop}, {{212, {"hjv", "vpres"}}, kEnd}, {"Äter"}, 3, 1},
        PhraseCase{"estaba_comiendo", {Verb("estar", "vara", 460, 9), kComiendo, kStop},
                   {{212, {"hjv", "vpres"}}, kEnd}, {"Åt"}, 3, 1},
        PhraseCase{"puede_comer", {Verb("poder", "kunna", 450, 9), kComer, kStop}, {{201, {"hjv", "inf"}}, kEnd},
                   {"Kan", "äta"}, 3, 1},
        PhraseCase{"quiero_comer", {Verb("querer", "vilja", 450, 9), kComer, kStop}, {{202, {"v", "inf"}}, kEnd},
                   {"Vill", "äta"}, 3, 1},
        PhraseCase{"ha_comido", {kHaber, Wd{"comer", "äta", 10, 9, 102}, kStop}, {{208, {"hjv", "vperf"}}, kEnd},
                   {"Har", "ätit"}, 3, 1},
        PhraseCase{"ha_dejado", {kHaber, Verb("dejar", "lämna", 10, 1), kDe, kStop},
                   {{208, {"hjv", "vperf"}}, {250, {"prep"}, "Prep"}, kEnd}, {"Har", "upphört"}, 3, 1},
        PhraseCase{"esta_cansado", {kEstar, Wd{"cansar", "trött", 10, 0, 2, 2, "vadj", 64}, kStop},
                   {{210, {"hjv", "vadj"}}, kEnd}, {"Är", "trött"}, 3, 1},
        PhraseCase{"pintado_neuter", {Wd{"pintar", "måla", 10, 1, 104, 104, "vadj", 0, 't'}, kStop},
                   {{230, {"vadj"}, "VAdj"}, kEnd}, {"Målat"}, 2, 1},
        PhraseCase{"comerlo", {kComer, Word("lo", "det", 15, "e_ppob"), kStop}, {{214, {"inf", "e_ppob"}}, kEnd},
                   {"Äta", "det"}, 3, 1},
        PhraseCase{"unchanged_x", {Word("xyz", "xyz", 0, "x"), kStop}, {{261, {"x"}, "X"}, kEnd}, {"Xyz"}, 2, 1}),
    [](const auto& info) { return std::string(info.param.name); });

// Words a recipe does not reach, or a rule without a recipe, are rendered one
// by one: no word is lost and the next phrase starts on its own first word.
INSTANTIATE_TEST_SUITE_P(
    Consumption, VerbPhrase,
    testing::Values(
        PhraseCase{"rule_173_prep_prep_v", {Word("de", "av", 7), Word("a", "till", 7), Verb("ver", "se", 450, 9), kStop},
                   {{173, {"prep", "prep", "v"}}, kEnd}, {"Av", "till", "ser"}, 4, 1},
        PhraseCase{"rule_175_hjv_hjv_v", {Verb("poder", "kunna", 450, 9), Verb("estar", "vara", 19, 9),
                   Verb("comer", "äta", 450, 9), kStop}, {{175, {"hjv", "hjv", "v"}}, kEnd}, {"Kan", "vara", "äter"},
                   4, 1},
        PhraseCase{"rule_180_hjv_v_part", {Verb("poder", "kunna", 450, 9), Verb("comer", "äta", 450, 9),
                   Word("arriba", "upp", 5, "part"), kStop}, {{180, {"hjv", "v", "part"}}, kEnd},
                   {"Kan", "äter", "upp"}, 4, 1},
        PhraseCase{"rule_182_v_v_ppob", {Verb("querer", "vilja", 450, 9), Verb("ver", "se", 450, 9), kLo, kStop},
                   {{182, {"v", "v", "ppob"}}, kEnd}, {"Vill", "ser", "det"}, 4, 1},
        PhraseCase{"rule_187_ppob_hjv_v", {kLo, Verb("poder", "kunna", 450, 9), Verb("ver", "se", 450, 9), kStop},
                   {{187, {"ppob", "hjv", "v"}}, kEnd}, {"Det", "kan", "ser"}, 4, 1},
        PhraseCase{"rule_189_hjv_v_e_ppob", {Verb("poder", "kunna", 450, 9), Verb("ver", "se", 450, 9),
                   Word("lo", "det", 15, "e_ppob"), kStop}, {{189, {"hjv", "v", "e_ppob"}}, kEnd},
                   {"Kan", "ser", "det"}, 4, 1},
        PhraseCase{"rule_190_v_v_e_ppob", {Verb("querer", "vilja", 450, 9), Verb("ver", "se", 450, 9),
                   Word("lo", "det", 15, "e_ppob"), kStop}, {{190, {"v", "v", "e_ppob"}}, kEnd},
                   {"Vill", "ser", "det"}, 4, 1},
        PhraseCase{"rule_207_v_part", {Verb("comer", "äta", 450, 9), Word("arriba", "upp", 5, "part"), kStop},
                   {{207, {"v", "part"}}, kEnd}, {"Äter", "upp"}, 3, 1},
        PhraseCase{"construction_takes_in_the_next_phrase", {Verb("acabar", "sluta", 4, 1), kDe, kComer, kStop},
                   {{225, {"v"}}, {219, {"prep", "inf"}}, kEnd}, {"Har just", "ätit"}, 4, 2},
        PhraseCase{"next_phrase_taken_in_part", {Verb("tener", "ha", 450, 9), kQue, kComer, kLo, kStop},
                   {{225, {"v"}}, {191, {"qinf", "inf", "ppob"}}, kEnd}, {"Måste", "äta", "det"}, 5, 2},
        PhraseCase{"clock_time_takes_in_its_phrases", {Verb("ser", "vara", 450, 9), Word("la", "den", 15),
                   Word("una", "ett", 6)}, {{225, {"v"}}, {259, {"det"}, "Det"}, {254, {"rord"}, "Rord"}},
                   {"Klockan är", "ett"}, 4, 3},
        PhraseCase{"phrase_cut_short_by_the_list_end", {Verb("tener", "ha", 450, 9)}, {{191, {"v", "qinf", "inf"}}},
                   {"Har"}, 2, 1},
        PhraseCase{"held_pronoun_at_the_list_end", {kLo}, {{206, {"ppob", "v"}, "PVP"}}, {"Det"}, 2, 1},
        PhraseCase{"unmatched_word_phrase", {Word("casa", "hus", 1, "n"), kStop}, {{191, {}}, kEnd}, {"Hus"}, 2, 1},
        PhraseCase{"rule_without_any_recipe", {Word("casa", "hus", 1, "n"), Word("blanca", "vit", 2, "adj"), kStop},
                   {{10, {"n", "adj"}}, kEnd}, {"Hus", "vit"}, 3, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VerbPhraseEnd, PastTheEndOfTheListOnlyThePhraseIsCounted) {
    VerbScene scene({kComer}, {{225, {"v"}}, kEnd}, 0);
    TranslateVerbPhrase(scene.s);
    EXPECT_TRUE(scene.Out().empty());
    EXPECT_EQ(scene.s.PhraseCursor, scene.Phrase(1));
    EXPECT_EQ(scene.s.CurPhraseNo, 2);
    EXPECT_EQ(scene.s.CurWordNo, 1);
}

TEST(VerbPhraseEnd, TheObjectPronounGoesAfterTheVerbsInTheOutputAndInTheRecord) {
    VerbScene scene({kLo, kHaber, kHecho, kStop}, {{183, {"ppob", "hjv", "vperf"}}, kEnd});
    TranslateVerbPhrase(scene.s);
    EXPECT_EQ(scene.OutTags(), (std::vector<std::string>{"hjv", "v", "ppob"}));
    EXPECT_EQ(scene.s.OutTags.Get(3).view(), "ppob");
    EXPECT_EQ(scene.s.OutWords[3].view(), "det");
}

}  // namespace
}  // namespace quelvo
