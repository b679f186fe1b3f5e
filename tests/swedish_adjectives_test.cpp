#include <gtest/gtest.h>

#include "swedish/adjectives.h"
#include "swedish/comparison.h"
#include "swedish/compound_form.h"
#include "support.h"

namespace quelvo {
namespace {

using testing_support::Form;
using Sentence = testing_support::Scene;
using testing_support::Utf;
using W = testing_support::Wd;

constexpr std::uint16_t ClassCode(int adjClass) { return static_cast<std::uint16_t>(adjClass << 6); }

struct AdjectiveCase {
    const char* name;
    const char* adjective;
    int adjClass;
    char gender;
    int number;
    char definiteness;
    const char* expected;
};

void PrintTo(const AdjectiveCase& c, std::ostream* os) { *os << c.name; }

class Adjectives : public testing::TestWithParam<AdjectiveCase> {};

TEST_P(Adjectives, AgreeWithTheirNoun) {
    const AdjectiveCase& c = GetParam();
    Sentence t({W{.sp = "x", .sv = c.adjective}});
    Str30 form = Form(c.adjective);
    InflectAdjective(t.s, form, c.gender, c.number, ClassCode(c.adjClass), c.definiteness);
    EXPECT_EQ(Utf(form), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Classes, Adjectives,
                         testing::Values(AdjectiveCase{"stor_common", "stor", 1, 'n', 1, 'o', "stor"},
                                         AdjectiveCase{"stor_neuter", "stor", 1, 't', 2, 'o', "stort"},
                                         // "den stora bilen": the definite takes "a" in the common gender too.
                                         AdjectiveCase{"stor_definite_common", "stor", 1, 'n', 1, 'b', "stora"},
                                         AdjectiveCase{"stor_definite_neuter", "stor", 1, 't', 1, 'b', "stora"},
                                         AdjectiveCase{"stor_plural", "stor", 1, 'm', 3, 'o', "stora"},
                                         AdjectiveCase{"stor_without_article", "stor", 1, 'f', 30, ' ', "stor"},
                                         AdjectiveCase{"oppen_common", "öppen", 5, 'n', 1, 'o', "öppen"},
                                         AdjectiveCase{"oppen_neuter", "öppen", 5, 't', 1, 'o', "öppet"},
                                         AdjectiveCase{"oppen_definite", "öppen", 5, 'n', 1, 'b', "öppna"},
                                         AdjectiveCase{"oppen_plural", "öppen", 5, 'n', 3, 'o', "öppna"},
                                         AdjectiveCase{"enkel_common", "enkel", 6, 'f', 13, 'o', "enkel"},
                                         AdjectiveCase{"enkel_neuter", "enkel", 6, 't', 10, 'o', "enkelt"},
                                         AdjectiveCase{"enkel_definite", "enkel", 6, 'f', 2, 'b', "enkla"},
                                         AdjectiveCase{"vacker_common", "vacker", 10, 'm', 32, 'o', "vacker"},
                                         AdjectiveCase{"vacker_neuter", "vacker", 10, 't', 1, 'o', "vackert"},
                                         AdjectiveCase{"vacker_definite", "vacker", 10, 'm', 1, 'b', "vackra"},
                                         // "vackra hus": the indefinite plural takes "ra" as well.
                                         AdjectiveCase{"vacker_plural", "vacker", 10, 'm', 3, 'o', "vackra"},
                                         AdjectiveCase{"liten_definite", "liten", 12, 'n', 1, 'b', "lilla"},
                                         AdjectiveCase{"liten_plural", "liten", 12, 'n', 3, 'o', "små"},
                                         AdjectiveCase{"liten_neuter", "liten", 12, 't', 2, 'o', "litet"},
                                         AdjectiveCase{"liten_definite_plural", "liten", 12, 't', 14, 'b', "små"},
                                         AdjectiveCase{"gammal_no_gender_is_neuter", "gammal", 12, ' ', 1, 'o',
                                                       "gammalt"},
                                         AdjectiveCase{"bra_plural", "bra", 12, 'n', 3, 'o', "goda"},
                                         AdjectiveCase{"irregular_not_listed", "snabb", 12, 'n', 3, 'o', "snabb"},
                                         AdjectiveCase{"ny_neuter", "ny", 4, 't', 1, 'o', "nytt"},
                                         AdjectiveCase{"ny_plural", "ny", 4, 'n', 3, 'o', "nya"},
                                         AdjectiveCase{"tom_plural", "tom", 7, 'n', 3, 'b', "tomma"},
                                         AdjectiveCase{"rod_class_14_neuter", "röd", 14, 't', 1, 'o', "rött"},
                                         AdjectiveCase{"rod_class_14_plural", "röd", 14, 'n', 3, 'o', "röda"},
                                         AdjectiveCase{"kand_class_17", "känd", 17, 't', 1, 'o', "känt"},
                                         AdjectiveCase{"okad_class_3_keeps_stem", "ökad", 3, 'n', 1, 'o', "ökad"},
                                         AdjectiveCase{"okad_class_3_neuter", "ökad", 3, 't', 1, 'o', "ökat"},
                                         AdjectiveCase{"okad_class_3_definite", "ökad", 3, 'n', 1, 'b', "ökade"},
                                         AdjectiveCase{"malad_class_20", "målad", 20, 't', 1, 'o', "målat"},
                                         AdjectiveCase{"malad_class_20_plural", "målad", 20, 'n', 3, 'o', "målade"},
                                         AdjectiveCase{"sydd_class_19", "sydd", 19, 't', 1, 'o', "sytt"},
                                         // Adjectives in -t and -tt keep their form in the neuter.
                                         AdjectiveCase{"svart_class_15_neuter", "svart", 15, 't', 1, 'o', "svart"},
                                         AdjectiveCase{"svart_class_15_definite", "svart", 15, 'n', 1, 'b', "svarta"},
                                         AdjectiveCase{"trott_class_18_neuter", "trött", 18, 't', 1, 'o', "trött"},
                                         AdjectiveCase{"trott_class_18_plural", "trött", 18, 'n', 3, 'o', "trötta"},
                                         AdjectiveCase{"extra_class_8_neuter", "extra", 8, 't', 1, 'o', "extra"},
                                         AdjectiveCase{"class_8_number_450", "fri", 8, 'n', 450, ' ', "fria"},
                                         AdjectiveCase{"class_8_uncovered", "fri", 8, 'n', 5, 'o', "fri"},
                                         AdjectiveCase{"class_2_number_14", "glad", 2, 'n', 14, 'o', "glada"},
                                         AdjectiveCase{"class_2_uncovered", "glad", 2, 'n', 5, 'b', "glad"},
                                         AdjectiveCase{"class_10_uncovered", "vacker", 10, 'n', 5, 'o', "vacker"},
                                         AdjectiveCase{"class_0_unchanged", "bra", 0, 'n', 3, 'b', "bra"},
                                         AdjectiveCase{"class_9_unchanged", "bra", 9, 'n', 3, 'b', "bra"},
                                         AdjectiveCase{"class_21_unchanged", "bra", 21, 'n', 3, 'b', "bra"},
                                         AdjectiveCase{"cut_longer_than_word", "a", 5, 'n', 3, 'o', "na"},
                                         AdjectiveCase{"result_cut_to_30", "abcdefghijklmnopqrstuvwxyzåäö", 1, 'n', 3,
                                                       'o', "abcdefghijklmnopqrstuvwxyzåäöa"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IrregularAdjectiveClass, TakesBackARecordedMest) {
    Sentence t({W{.sp = "x", .sv = "gammal"}});
    t.s.OutWords[2] = "mest";
    t.s.OutCount = 2;
    Str30 form = "gammal";
    InflectAdjective(t.s, form, 'n', 3, ClassCode(12), 'b');
    EXPECT_EQ(form.view(), "gamla");
    EXPECT_EQ(t.s.OutCount, 1);
}

// One emitter, given the adjective, with CurWord on the Spanish word.
struct EmitterCase {
    const char* name;
    void (*emit)(TranslationState&, const Str30&);
    const char* spanish;
    const char* adjective;
    std::vector<std::string> shown;
    std::vector<std::string> tags;
};

void PrintTo(const EmitterCase& c, std::ostream* os) { *os << c.name; }

class ComparisonEmitters : public testing::TestWithParam<EmitterCase> {};

TEST_P(ComparisonEmitters, EmitAndRecordTheForm) {
    const EmitterCase& c = GetParam();
    Sentence t({W{.sp = c.spanish, .sv = c.adjective}, W{.sp = "y"}});
    t.ContinueSentence();
    c.emit(t.s, Form(c.adjective));
    EXPECT_EQ(t.Out(), c.shown);
    EXPECT_EQ(t.Tags(), c.tags);
    EXPECT_EQ(t.s.CurWord, c.shown.empty() ? t.Word(1) : t.Word(2));
    for (const std::string& word : t.Out()) EXPECT_EQ(word.find("AlltOmAdj"), std::string::npos);
}


INSTANTIATE_TEST_SUITE_P(
    Forms, ComparisonEmitters,
    testing::Values(
        EmitterCase{"comparative_en", FyllIAdjSup_4, "maduro", "mogen", {"mognare"}, {"adj"}},
        EmitterCase{"comparative_er", FyllIAdjSup_4, "bello", "vacker", {"vackrare"}, {"adj"}},
        EmitterCase{"comparative_el", FyllIAdjSup_4, "sencillo", "enkel", {"enklare"}, {"adj"}},
        // No comparative can be built from the ending: Swedish says "mer".
        EmitterCase{"comparative_periphrastic", FyllIAdjSup_4, "rápido", "intressant", {"mer intressant"}, {"adj"}},
        EmitterCase{"are", EmitComparativeAre, "rápido", "snabb", {"snabbare"}, {"adj"}},
        EmitterCase{"are_after_m", EmitComparativeAre, "piadoso", "from", {"frommare"}, {"adj"}},
        EmitterCase{"definite_superlative", EmitDefiniteSuperlative, "grande", "stor", {"största"}, {"adj"}},
        EmitterCase{"definite_superlative_nasta", EmitDefiniteSuperlative, "próximo", "nästa", {"närmaste"}, {"adj"}},
        EmitterCase{"definite_superlative_other", EmitDefiniteSuperlative, "rápido", "snabb", {"snabb"}, {"adj"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct IrregularComparativeCase {
    const char* name;
    const char* adjective;
    const char* expected;
};

void PrintTo(const IrregularComparativeCase& c, std::ostream* os) { *os << c.name; }

class IrregularComparatives : public testing::TestWithParam<IrregularComparativeCase> {};

TEST_P(IrregularComparatives, AreRecordedWithMarkAndGender) {
    Sentence t({W{.sp = "x", .sv = GetParam().adjective}});
    t.ContinueSentence();
    EmitIrregularComparative(t.s, 'o', 't');
    EXPECT_EQ(t.Out(), std::vector<std::string>{GetParam().expected});
    EXPECT_EQ(Utf(t.Word(1)->SvForm), GetParam().expected);
    EXPECT_EQ(t.Word(1)->DefMark, 'o');
    EXPECT_EQ(t.Word(1)->Gender, 't');
    EXPECT_EQ(t.s.CurWord, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Rows, IrregularComparatives,
                         testing::Values(IrregularComparativeCase{"stor", "stor", "större"},
                                         IrregularComparativeCase{"liten", "liten", "mindre"},
                                         IrregularComparativeCase{"nara", "nära", "närmre"},
                                         IrregularComparativeCase{"other", "snabb", "snabb"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct WordFormCase {
    const char* name;
    const char* word;
    int number;
    const char* expected;
};

void PrintTo(const WordFormCase& c, std::ostream* os) { *os << c.name; }

class SuperlativesOf3 : public testing::TestWithParam<WordFormCase> {};

class CompoundForms : public testing::TestWithParam<WordFormCase> {};

TEST_P(CompoundForms, FollowTheJointCode) {
    Str30 form = Form(GetParam().word);
    CompoundFormOf(form, static_cast<std::uint32_t>(GetParam().number));
    EXPECT_EQ(Utf(form), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Joints, CompoundForms,
    testing::Values(WordFormCase{"one_unchanged", "bil", 1, "bil"}, WordFormCase{"two_adds_s", "arbete", 2, "arbetes"},
                    WordFormCase{"three_to_e", "skola", 3, "skole"}, WordFormCase{"four_to_o", "kyrka", 4, "kyrko"},
                    WordFormCase{"five_to_s", "hjälpa", 5, "hjälps"}, WordFormCase{"six_drops", "flicka", 6, "flick"},
                    WordFormCase{"seven_adds_e", "barn", 7, "barne"},
                    WordFormCase{"eight_dryck", "dryck", 8, "dryckes"},
                    WordFormCase{"eight_fackla", "fackla", 8, "fackel"}, WordFormCase{"eight_other", "bil", 8, "bil"},
                    WordFormCase{"nine_unchanged", "bil", 9, "bil"}, WordFormCase{"zero_unchanged", "bil", 0, "bil"},
                    WordFormCase{"six_on_empty", "", 6, ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quelvo
