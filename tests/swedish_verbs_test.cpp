#include <gtest/gtest.h>

#include "swedish/participles.h"
#include "swedish/verb_forms.h"
#include "support.h"

namespace quelvo {
namespace {

using testing_support::Form;
using Sentence = testing_support::Scene;
using testing_support::Utf;
using W = testing_support::Wd;

struct VerbCase {
    const char* name;
    const char* verb;
    std::uint16_t code;
    int formCode;
    const char* expected;
};

void PrintTo(const VerbCase& c, std::ostream* os) { *os << c.name; }

// Conjugates with CurWord on the verb, as the renderers call it.
std::string Conjugated(const VerbCase& c, Sentence& t) {
    t.Add(W{.sp = "x", .sv = c.verb, .spClass = 3, .formCode = c.formCode, .svCode3 = c.code});
    t.s.CurWord = t.s.WordList.Tail;
    Str30 form = Form(c.verb);
    MakeSwedishVerbForm(t.s, form, c.code, c.formCode);
    return Utf(form);
}

class VerbForms : public testing::TestWithParam<VerbCase> {};

TEST_P(VerbForms, FollowTheGroup) {
    Sentence t;
    EXPECT_EQ(Conjugated(GetParam(), t), GetParam().expected);
    EXPECT_TRUE(t.Out().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Regular, VerbForms,
    testing::Values(
        VerbCase{"mala_present", "måla", 1, 4, "målar"}, VerbCase{"mala_present_450", "måla", 1, 450, "målar"},
        VerbCase{"mala_past", "måla", 1, 5, "målade"}, VerbCase{"mala_past_460", "måla", 1, 460, "målade"},
        VerbCase{"mala_supine", "måla", 1, 10, "målat"}, VerbCase{"mala_supine_13", "måla", 1, 13, "målat"},
        VerbCase{"mala_present_and_past", "måla", 1, 7, "målar/målade"},
        VerbCase{"mala_present_participle", "måla", 1, 11, "målande"},
        VerbCase{"mala_past_participle", "måla", 1, 15, "målad"},
        VerbCase{"mala_participle_plural", "måla", 1, 12, "målade"}, VerbCase{"mala_infinitive", "måla", 1, 19, "måla"},
        VerbCase{"mala_480_unchanged", "måla", 1, 480, "måla"}, VerbCase{"mala_unknown_code", "måla", 1, 99, "måla"},
        VerbCase{"group_in_low_bits_only", "måla", 0x80 | 32 | 1, 4, "målar"},
        VerbCase{"kopa_present", "köpa", 2, 4, "köper"}, VerbCase{"kopa_past", "köpa", 2, 6, "köpte"},
        VerbCase{"kopa_supine", "köpa", 2, 10, "köpt"}, VerbCase{"kopa_present_and_past", "köpa", 2, 7, "köper/köpte"},
        VerbCase{"kopa_past_participle", "köpa", 2, 15, "köpt"},
        VerbCase{"kopa_participle_plural_unchanged", "köpa", 2, 14, "köpa"},
        VerbCase{"leva_past", "leva", 3, 5, "levde"}, VerbCase{"leva_participle_plural", "leva", 3, 14, "levda"},
        VerbCase{"tro_present", "tro", 4, 20, "tror"}, VerbCase{"tro_past", "tro", 4, 470, "trodde"},
        VerbCase{"tro_supine", "tro", 4, 10, "trott"}, VerbCase{"tro_present_and_past", "tro", 4, 7, "tror/trodde"},
        VerbCase{"tro_present_participle", "tro", 4, 11, "troende"},
        VerbCase{"glomma_present", "glömma", 11, 4, "glömmer"}, VerbCase{"glomma_past", "glömma", 11, 5, "glömde"},
        VerbCase{"glomma_supine", "glömma", 11, 10, "glömt"},
        VerbCase{"glomma_participle_plural", "glömma", 11, 14, "glömda"},
        VerbCase{"no_group_present", "simma", 0, 4, "simma"}, VerbCase{"group_14_is_none", "simma", 14, 5, "simma"},
        VerbCase{"no_group_present_participle", "simma", 0, 11, "simmande"},
        VerbCase{"present_and_past_cut_to_30", "abcdefghijklmnopq", 1, 7, "abcdefghijklmnopar/abcdefghijk"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(SVerbs, VerbForms,
                         testing::Values(VerbCase{"hoppas_past", "hoppas", 12, 5, "hoppades"},
                                         VerbCase{"hoppas_supine", "hoppas", 12, 10, "hoppats"},
                                         VerbCase{"hoppas_future", "hoppas", 12, 8, "kommer att hoppas"},
                                         VerbCase{"hoppas_present", "hoppas", 12, 4, "hoppas"},
                                         VerbCase{"hoppas_gerund", "hoppas", 0x80 | 12, 11, "hoppas"},
                                         // The s belongs to every form of these verbs: "hoppa" is
                                         // another verb.
                                         VerbCase{"hoppas_infinitive_keeps_s", "hoppas", 12, 19, "hoppas"},
                                         VerbCase{"lyckas_past_460", "lyckas", 12, 460, "lyckades"},
                                         VerbCase{"lyckas_present_450", "lyckas", 12, 450, "lyckas"},
                                         VerbCase{"lyckas_supine_13", "lyckas", 12, 13, "lyckats"},
                                         VerbCase{"lyckas_future_475", "lyckas", 12, 475, "kommer att lyckas"},
                                         VerbCase{"lyckas_conditional", "lyckas", 12, 9, "skulle lyckas"},
                                         VerbCase{"lyckas_other_code_keeps_s", "lyckas", 12, 480, "lyckas"}),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Irregular, VerbForms,
                         testing::Values(VerbCase{"skriva_present", "skriva", 9, 4, "skriver"},
                                         VerbCase{"skriva_past", "skriva", 9, 460, "skrev"},
                                         VerbCase{"skriva_present_and_past", "skriva", 9, 7, "skriver/skrev"},
                                         VerbCase{"skriva_supine", "skriva", 9, 13, "skrivit"},
                                         VerbCase{"skriva_present_participle", "skriva", 9, 11, "skrivande"},
                                         VerbCase{"skriva_past_participle", "skriva", 9, 15, "skriven"},
                                         VerbCase{"vara_present", "vara", 9, 450, "är"},
                                         VerbCase{"skriva_480", "skriva", 9, 480, "skriva"},
                                         VerbCase{"missing_keeps_infinitive", "simma", 9, 4, "simma"},
                                         VerbCase{"missing_past_keeps_infinitive", "simma", 9, 5, "simma"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct AuxiliaryCase {
    const char* name;
    const char* spanish;
    const char* verb;
    std::uint16_t code;
    int formCode;
    const char* expected;
    std::vector<std::string> shown;
    std::vector<std::string> tags;
};

void PrintTo(const AuxiliaryCase& c, std::ostream* os) { *os << c.name; }

class Auxiliaries : public testing::TestWithParam<AuxiliaryCase> {};

TEST_P(Auxiliaries, GoOutBeforeTheVerb) {
    const AuxiliaryCase& c = GetParam();
    Sentence t({W{.sp = c.spanish, .sv = c.verb, .spClass = 3, .formCode = c.formCode, .svCode3 = c.code}});
    t.ContinueSentence();
    Str30 form = Form(c.verb);
    MakeSwedishVerbForm(t.s, form, c.code, c.formCode);
    EXPECT_EQ(Utf(form), c.expected);
    EXPECT_EQ(t.Out(), c.shown);
    EXPECT_EQ(t.Recorded(), c.shown);
    EXPECT_EQ(t.Tags(), c.tags);
    EXPECT_EQ(t.s.CurWord, t.Word(1));
}

INSTANTIATE_TEST_SUITE_P(
    FutureAndConditional, Auxiliaries,
    testing::Values(AuxiliaryCase{"future", "comer", "äta", 9, 8, "äta", {"kommer att"}, {"hjv"}},
                    AuxiliaryCase{"future_475", "pintar", "måla", 1, 475, "måla", {"kommer att"}, {"hjv"}},
                    AuxiliaryCase{"future_maste", "tener", "måste", 0, 8, "måste", {}, {}},
                    AuxiliaryCase{"conditional", "pintar", "måla", 1, 9, "måla", {"skulle"}, {"hjv"}},
                    AuxiliaryCase{"conditional_476", "comer", "äta", 9, 476, "äta", {"skulle"}, {"hjv"}},
                    AuxiliaryCase{"conditional_deber", "deber", "måste", 0, 9, "borde", {}, {}},
                    AuxiliaryCase{"passive_ser", "ser", "vara", 9, 21, "vara", {"blev"}, {"hjv"}},
                    AuxiliaryCase{"auxiliary_other", "pintar", "måla", 1, 463, "måla", {"skulle"}, {"v"}},
                    AuxiliaryCase{
                        "s_verb_future_is_one_form", "esperar", "hoppas", 12, 8, "kommer att hoppas", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InfinitiveAfterPara, IsTheWordsOwnTranslation) {
    Sentence t({W{.sp = "para"}, W{.sp = "pintar", .sv = "måla", .formCode = 19}});
    t.s.CurWord = t.Word(2);
    Str30 form = "annat";
    MakeSwedishVerbForm(t.s, form, 1, 19);
    EXPECT_EQ(Utf(form), "måla");
    Sentence first({W{.sp = "pintar", .sv = "måla", .formCode = 19}});
    form = "annat";
    MakeSwedishVerbForm(first.s, form, 1, 1);
    EXPECT_EQ(Utf(form), "annat");
}

TEST(GerundAfterSeguir, TakesAtt) {
    Sentence t({W{.sp = "seguir"}, W{.sp = "pintar", .sv = "måla", .formCode = 11}});
    t.s.CurWord = t.Word(2);
    Str30 form = Form("måla");
    MakeSwedishVerbForm(t.s, form, 1, 11);
    EXPECT_EQ(Utf(form), "att måla");
}

TEST(VerbFormsWithoutWord, KeepToTheForm) {
    Sentence t;
    Str30 form = Form("måla");
    MakeSwedishVerbForm(t.s, form, 1, 5);
    EXPECT_EQ(Utf(form), "målade");
    form = Form("måla");
    MakeSwedishVerbForm(t.s, form, 1, 19);
    EXPECT_EQ(Utf(form), "måla");
    MakeSwedishVerbForm(t.s, form, 1, 9);
    EXPECT_EQ(t.Out(), std::vector<std::string>{"Skulle"});
}

TEST(ParticleVerbs, EmitTheVerbAndThenTheParticle) {
    Sentence t({W{.sp = "sacar", .sv = "plocka fram", .formCode = 5, .svCode3 = 1, .svClass = 25}, W{.sp = "el"}});
    t.ContinueSentence();
    EmitParticleVerb(t.s);
    EXPECT_EQ(t.Out(), (std::vector<std::string>{"plockade", "fram"}));
    EXPECT_EQ(t.Tags(), (std::vector<std::string>{"v", "part"}));
    EXPECT_EQ(t.Recorded(), (std::vector<std::string>{"plockade", "fram"}));
    EXPECT_EQ(Utf(t.Word(1)->SvWord), "plocka");
    EXPECT_EQ(Utf(t.Word(1)->SvForm), "plockade");
    EXPECT_EQ(t.s.CurWord, t.Word(2));
}

TEST(ParticleVerbs, InTheFutureFollowTheirAuxiliary) {
    Sentence t({W{.sp = "sacar", .sv = "ta fram", .formCode = 8, .svCode3 = 9, .svClass = 25}});
    t.ContinueSentence();
    EmitParticleVerb(t.s);
    EXPECT_EQ(t.Out(), (std::vector<std::string>{"kommer att", "ta", "fram"}));
    EXPECT_EQ(t.Tags(), (std::vector<std::string>{"hjv", "v", "part"}));
    EXPECT_EQ(t.s.CurWord, nullptr);
}

TEST(ParticleVerbs, WithoutAParticleEmitTheVerbAlone) {
    Sentence t({W{.sp = "pintar", .sv = "måla", .formCode = 4, .svCode3 = 1}});
    t.ContinueSentence();
    EmitParticleVerb(t.s);
    EXPECT_EQ(t.Out(), (std::vector<std::string>{"målar"}));
}

struct ParticipleCase {
    const char* name;
    const char* verb;
    int group;
    int wordFormCode;
    char gender;
    char definiteness;
    const char* expected;
    int callerFormCode = 0;
    char wordGender = '\0';
    int svClass = 0;
};

void PrintTo(const ParticipleCase& c, std::ostream* os) { *os << c.name; }

class Participles : public testing::TestWithParam<ParticipleCase> {};

TEST_P(Participles, AgreeWithTheirNoun) {
    const ParticipleCase& c = GetParam();
    Sentence t({W{.sp = "x", .sv = c.verb, .formCode = c.wordFormCode, .svClass = c.svClass, .gender = c.wordGender}});
    Str30 form = Form(c.verb);
    AgreeParticiple(t.s, form, c.group, c.callerFormCode, c.gender, c.definiteness);
    EXPECT_EQ(Utf(form), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Regular, Participles,
                         testing::Values(ParticipleCase{"mala_neuter_indefinite", "måla", 1, 13, 't', 'o', "målat"},
                                         ParticipleCase{"mala_definite", "måla", 1, 13, 't', 'b', "målade"},
                                         ParticipleCase{"mala_common", "måla", 1, 10, 'n', 'o', "målad"},
                                         ParticipleCase{"mala_no_article", "måla", 1, 33, 'n', ' ', "målad"},
                                         ParticipleCase{"mala_plural", "måla", 1, 34, 'n', 'o', "målade"},
                                         ParticipleCase{"mala_other_code", "måla", 1, 20, 'n', 'o', "måla"},
                                         ParticipleCase{"kopa_neuter", "köpa", 2, 10, 't', 'o', "köpt"},
                                         ParticipleCase{"kopa_plural", "köpa", 2, 14, 'n', 'o', "köpta"},
                                         ParticipleCase{"leva_common", "leva", 3, 10, 'n', 'o', "levd"},
                                         ParticipleCase{"tro_common", "tro", 4, 10, 'm', 'o', "trodd"},
                                         ParticipleCase{"tro_neuter", "tro", 4, 10, 't', 'o', "trott"},
                                         ParticipleCase{"tro_plural", "tro", 4, 3, 't', 'o', "trodda"},
                                         ParticipleCase{"sanda_group_6", "sända", 6, 10, 'n', 'o', "sänd"},
                                         ParticipleCase{"sanda_group_6_plural", "sända", 6, 3, 'n', 'o', "sända"},
                                         ParticipleCase{"glomma_group_11", "glömma", 11, 33, 't', 'o', "glömt"},
                                         ParticipleCase{"mota_group_8", "möta", 8, 10, 'n', 'b', "mött"},
                                         ParticipleCase{"mota_group_8_plural", "möta", 8, 34, 'n', 'o', "mötta"},
                                         ParticipleCase{"mota_group_8_code_3", "möta", 8, 3, 'n', 'o', "möta"},
                                         ParticipleCase{"group_5_unchanged", "se", 5, 10, 'n', 'o', "se"},
                                         ParticipleCase{"group_13_unchanged", "se", 13, 34, 'n', 'o', "se"}),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Listed, Participles,
    testing::Values(ParticipleCase{"hoppas", "hoppas", 12, 10, 'n', 'o', "förväntad"},
                    ParticipleCase{"hoppas_definite", "hoppas", 12, 10, 'n', 'b', "förväntade"},
                    ParticipleCase{"hoppas_plural_caller", "hoppas", 12, 10, 'n', 'o', "förväntade", 3},
                    ParticipleCase{"upptagen_no_group", "upptagen", 0, 10, 'n', 'o', "upptaget"},
                    ParticipleCase{"not_listed", "simma", 0, 10, 'n', 'o', "simma"},
                    ParticipleCase{"binda_common", "binda", 9, 10, 'n', 'o', "bunden", 0, 'n'},
                    ParticipleCase{"binda_neuter", "binda", 9, 13, 'n', 'o', "bundet", 0, 't'},
                    ParticipleCase{"binda_definite", "binda", 9, 33, 'n', 'b', "bundna"},
                    ParticipleCase{"binda_plural", "binda", 9, 34, 'n', 'o', "bundna"},
                    ParticipleCase{"binda_other_code", "binda", 9, 14, 'n', 'b', "bunden"},
                    ParticipleCase{"be", "be", 9, 10, 'n', 'o', "önskad"},
                    ParticipleCase{"sprida_neuter", "sprida", 9, 10, 't', 'o', "spritt", 0, 't'},
                    ParticipleCase{"vanja_plural", "vänja", 9, 3, 'n', 'o', "vana"},
                    ParticipleCase{"omintetgora_neuter", "omintetgöra", 9, 10, 't', 'o', "omintetgjord", 0, 't'},
                    ParticipleCase{"strong_not_listed", "simma", 9, 10, 'n', 'o', "simma"},
                    ParticipleCase{"ta_fram_singular", "ta fram", 9, 33, 'n', 'o', "framtagen", 0, '\0', 25},
                    ParticipleCase{"ta_fram_plural", "ta fram", 9, 34, 'n', 'o', "framtagna", 0, '\0', 25},
                    ParticipleCase{"driva_fram", "driva fram", 9, 10, 'n', 'o', "framdriven", 0, '\0', 25},
                    // Without a listed participle a particle verb is not
                    // cut into a non-word.
                    ParticipleCase{"particle_verb_not_listed", "ta upp", 9, 34, 'n', 'o', "ta upp", 0, '\0', 25}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParticipleAdjectives, HaveFixedForms) {
    Sentence t({W{.sp = "sacar"}});
    Str30 form = "x";
    LookupParticipleAdjective(t.s, form, 34);
    EXPECT_EQ(Utf(form), "framtagna");
    LookupParticipleAdjective(t.s, form, 33);
    EXPECT_EQ(Utf(form), "framtagen");
    Sentence other({W{.sp = "avanzar"}, W{.sp = "pintar"}});
    LookupParticipleAdjective(other.s, form, 33);
    EXPECT_EQ(Utf(form), "avancerad");
    other.s.CurWord = other.Word(2);
    LookupParticipleAdjective(other.s, form, 34);
    EXPECT_EQ(Utf(form), "avancerad");
}

}  // namespace
}  // namespace quelvo
