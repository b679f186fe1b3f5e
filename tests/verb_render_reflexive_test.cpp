// Reflexive verb phrases in Swedish: the s-passive and "man".
#include <gtest/gtest.h>

#include "render/reflexive_passive.h"
#include "render/s_passive.h"
#include "render/verb_phrases.h"
#include "verb_render_support.h"

namespace quelvo {
namespace {

using testing_support::kA;
using testing_support::kEnd;
using testing_support::kHacer;
using testing_support::kSe;
using testing_support::kStop;
using testing_support::Cp;
using testing_support::Ph;
using testing_support::Utf;
using testing_support::VerbScene;
using testing_support::Verb;
using testing_support::Wd;

const std::vector<std::string> kReflInf{"refl", "v", "qinf", "inf"};

struct ReflexiveCase {
    const char* name;
    std::vector<Wd> words;
    Ph phrase;
    std::vector<std::string> out;
};

void PrintTo(const ReflexiveCase& c, std::ostream* os) { *os << c.name; }

class ReflexivePhrase : public testing::TestWithParam<ReflexiveCase> {};

TEST_P(ReflexivePhrase, RendersTheConstructionAndItsWords) {
    const ReflexiveCase& c = GetParam();
    std::vector<Wd> words = c.words;
    words.push_back(kStop);
    VerbScene scene(words, {c.phrase, kEnd});
    TranslateVerbPhrase(scene.s);
    EXPECT_EQ(scene.Out(), c.out);
    EXPECT_EQ(scene.CurIndex(), static_cast<int>(words.size()));
    EXPECT_EQ(scene.s.PhraseCursor, scene.Phrase(1));
}

INSTANTIATE_TEST_SUITE_P(
    Constructions, ReflexivePhrase,
    testing::Values(
        ReflexiveCase{"se_dice", {kSe, Verb("decir", "säga", 450, 3)}, {204, {"refl", "v"}}, {"Sägs"}},
        ReflexiveCase{"se_hace", {kSe, Verb("hacer", "göra", 450, 9)}, {204, {"refl", "v"}}, {"Görs"}},
        ReflexiveCase{"se_hizo", {kSe, Verb("hacer", "göra", 460, 9)}, {204, {"refl", "v"}}, {"Gjordes"}},
        ReflexiveCase{"se_pinta", {kSe, Verb("pintar", "måla", 450, 1)}, {204, {"refl", "v"}}, {"Målas"}},
        ReflexiveCase{"se_ha_hecho", {kSe, Verb("haber", "ha", 450, 9), Verb("hacer", "göra", 10, 9)},
                      {177, {"refl", "hjv", "vperf"}}, {"Har", "gjorts"}},
        ReflexiveCase{"se_esta_haciendo", {kSe, Verb("estar", "vara", 450, 9), Verb("hacer", "göra", 11, 9)},
                      {178, {"refl", "hjv", "vpres"}}, {"Man", "gör"}},
        ReflexiveCase{"se_puede_hacer", {kSe, Verb("poder", "kunna", 450, 9), kHacer}, {179, {"refl", "hjv", "inf"}},
                      {"Man", "kan", "göra"}},
        ReflexiveCase{"se_debe_hacer", {kSe, Verb("deber", "måste", 450, 0), kHacer}, {184, {"refl", "v", "inf"}},
                      {"Man", "måste", "göra"}},
        ReflexiveCase{"puede_hacerse", {Verb("poder", "kunna", 450, 9), kHacer, kSe}, {185, {"hjv", "inf", "refl"}},
                      {"Kan", "göras"}},
        ReflexiveCase{"quiere_casarse", {Verb("querer", "vilja", 450, 9), Verb("casar", "gifta", 19, 2), kSe},
                      {186, {"v", "inf", "refl"}}, {"Vill", "att", "gifta", "sig"}},
        ReflexiveCase{"debe_casarse", {Verb("deber", "måste", 450, 0), Verb("casar", "gifta", 19, 2), kSe},
                      {186, {"v", "inf", "refl"}}, {"Måste", "gifta", "sig"}},
        ReflexiveCase{"se_lo_vio", {kSe, Wd{"lo", "det", 1, 0, 11, 11, "ppob"}, Verb("ver", "se", 460, 9)},
                      {196, {"refl", "ppob", "v"}}, {"Såg", "det"}},
        ReflexiveCase{"esta_haciendose", {Verb("estar", "vara", 450, 9), Verb("hacer", "göra", 11, 9), kSe},
                      {197, {"hjv", "vpres", "refl"}}, {"Görs"}},
        ReflexiveCase{"hacerse", {kHacer, kSe}, {203, {"inf", "refl"}}, {"Göras"}},
        ReflexiveCase{"para_hacerse", {Wd{"para", "för", 1, 0, 7, 7}, kHacer, kSe}, {198, {"prep", "inf", "refl"}},
                      {"För", "göras"}},
        ReflexiveCase{"despues_de_haberse", {Wd{"después de", "efter", 1, 0, 92, 92}, Verb("haber", "ha", 19, 9), kSe},
                      {199, {"prpx", "hjv", "refl"}}, {"Efter att", "has"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Rule 165 (refl v qinf inf) takes its construction from the verb.
INSTANTIATE_TEST_SUITE_P(
    ReflexiveInfinitive, ReflexivePhrase,
    testing::Values(
        ReflexiveCase{"se_va_a_hacer", {kSe, Verb("ir", "gå", 8, 9), kA, kHacer}, {165, kReflInf},
                      {"Kommer att", "göras"}},
        ReflexiveCase{"se_iba_a_hacer", {kSe, Verb("ir", "gå", 9, 9), kA, kHacer}, {165, kReflInf},
                      {"Skulle", "göras"}},
        ReflexiveCase{"se_tiene_que_hacer", {kSe, Verb("tener", "ha", 450, 9), Wd{"que", "att", 1, 0, 14, 14}, kHacer},
                      {165, kReflInf}, {"Måste", "göra"}},
        ReflexiveCase{"se_empieza_a_hacer", {kSe, Verb("empezar", "börja", 450, 1), kA, kHacer}, {165, kReflInf},
                      {"Börjar", "att", "göra"}},
        // "acabar de" has no reflexive recipe: its words are rendered one by one.
        ReflexiveCase{"se_acaba_de_hacer", {kSe, Verb("acabar", "sluta", 4, 1), Wd{"de", "av", 1, 0, 7, 7}, kHacer},
                      {165, kReflInf}, {"Sig", "har just", "gjort"}}),
    [](const auto& info) { return std::string(info.param.name); });

// "se va a hacer" whose "a" was grouped as a phrase of its own: the reflexive
// verb phrase takes in the marker and the infinitive.
struct GoingToCase {
    const char* name;
    int formCode;
    std::vector<std::string> out;
};

class ReflexiveGoingToApart : public testing::TestWithParam<GoingToCase> {};

TEST_P(ReflexiveGoingToApart, TakesInTheMarkerAndTheInfinitive) {
    VerbScene scene({kSe, Verb("ir", "gå", GetParam().formCode, 9), kA, kHacer, kStop},
                    {{204, {"refl", "v"}}, {238, {"prin"}, "Prin"}, {232, {"inf"}, "Inf"}, kEnd});
    TranslateVerbPhrase(scene.s);
    EXPECT_EQ(scene.Out(), GetParam().out);
    EXPECT_EQ(scene.CurIndex(), 5);
    EXPECT_EQ(scene.s.PhraseCursor, scene.Phrase(3));
}

INSTANTIATE_TEST_SUITE_P(Tenses, ReflexiveGoingToApart,
                         testing::Values(GoingToCase{"present", 450, {"Kommer att", "göras"}},
                                         GoingToCase{"imperfect", 460, {"Skulle", "göras"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Reflexive, AConstructionWithoutARecipeDoesNothingByItself) {
    VerbScene scene({kSe, Verb("acabar", "sluta", 4, 1)});
    TranslateReflexive(scene.s, kReflexiveJustDone);
    EXPECT_TRUE(scene.Out().empty());
    EXPECT_EQ(scene.CurIndex(), 1);
}

TEST(Reflexive, PatternsCutShortByTheListEndDoNotReadPastIt) {
    for (int construction : {165, 177, 178, 179, 184, 185, 186, 196, 197, 203, 204, 1155, 1650}) {
        VerbScene scene({kSe});
        TranslateReflexive(scene.s, construction);
        EXPECT_EQ(scene.CurIndex(), 2) << construction;
    }
}

struct PassiveCase {
    const char* name;
    const char* active;
    std::uint16_t code3;
    int formCode;
    const char* passive;
    const char* infinitive = "x";  // the word's Swedish verb, read for irregular verbs
};

void PrintTo(const PassiveCase& c, std::ostream* os) { *os << c.name; }

class SPassive : public testing::TestWithParam<PassiveCase> {};

TEST_P(SPassive, FormsThePassiveByGroupAndTense) {
    const PassiveCase& c = GetParam();
    VerbScene scene({Verb("x", c.infinitive, c.formCode, c.code3)});
    Str30 form(Cp(c.active));
    MakeSPassive(scene.s, form);
    EXPECT_EQ(Utf(form), c.passive);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, SPassive,
    testing::Values(PassiveCase{"present_group_1", "målar", 1, 4, "målas"},
                    PassiveCase{"present_group_2", "köper", 2, 4, "köpes"},
                    PassiveCase{"present_group_3", "säger", 3, 450, "sägs"},
                    PassiveCase{"present_group_4", "tror", 4, 20, "tros"},
                    PassiveCase{"present_group_6", "sänder", 6, 4, "sändes"},
                    PassiveCase{"present_group_10", "upphör", 10, 4, "upphörs"},
                    PassiveCase{"present_group_11", "kommer", 11, 4, "koms"},
                    PassiveCase{"present_irregular_gor", "gör", 9, 450, "görs"},
                    PassiveCase{"present_irregular_anser", "anser", 9, 4, "anses"},
                    PassiveCase{"present_irregular_tillagger", "tillägger", 9, 4, "tilläggs"},
                    PassiveCase{"present_irregular_unlisted", "äter", 9, 4, "äts", "äta"},
                    PassiveCase{"present_irregular_unlisted_say", "säger", 9, 4, "sägs", "säga"},
                    PassiveCase{"present_irregular_one_syllable", "ser", 9, 450, "ses", "se"},
                    PassiveCase{"present_irregular_particle_verb", "tar", 9, 4, "tas", "ta fram"},
                    PassiveCase{"present_group_13_unchanged", "ser", 13, 4, "ser"},
                    PassiveCase{"past_group_1", "målade", 1, 5, "målades"},
                    PassiveCase{"past_group_5_drops_one_letter", "lade", 5, 6, "laddes"},
                    PassiveCase{"past_irregular_gjorde", "gjorde", 9, 460, "gjordes"},
                    PassiveCase{"past_irregular_ansag", "ansåg", 9, 5, "ansågs"},
                    PassiveCase{"past_irregular_unlisted", "sade", 9, 6, "sades", "säga"},
                    PassiveCase{"past_group_13_unchanged", "lät", 13, 5, "lät"},
                    PassiveCase{"supine", "gjort", 9, 10, "gjorts"},
                    PassiveCase{"infinitive", "göra", 9, 19, "göras"},
                    PassiveCase{"future", "göra", 9, 475, "göras"},
                    PassiveCase{"gerund_unchanged", "görande", 9, 11, "görande"},
                    PassiveCase{"short_word_loses_what_it_has", "är", 11, 4, "s"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quelvo
