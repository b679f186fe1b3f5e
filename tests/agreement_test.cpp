#include <gtest/gtest.h>

#include "grammar/agreement.h"
#include "grammar/phrase_grammar_passes.h"
#include "grammar/phrase_grouping.h"
#include "support.h"

namespace quelvo {
namespace {

using testing_support::LoadRow;
using testing_support::NoLexicon;
using testing_support::PhraseTags;

struct AgreementCase {
    const char* name;
    std::vector<std::string> tags;
    std::vector<int> persons;
    int subject;
    int verb;
    int object;
    int mode;
};

class Agreement : public testing::TestWithParam<AgreementCase> {};

TEST_P(Agreement, ComparesThePersonsOfSubjectVerbAndObject) {
    TranslationState s(NoLexicon());
    LoadRow(s, GetParam().tags, GetParam().persons);
    GroupWordsIntoPhrases(s);
    MergePrepositionPhrases(s);
    ComputeAgreement(s, 1, 3);
    EXPECT_EQ(s.SubjectAgreement, GetParam().subject);
    EXPECT_EQ(s.VerbAgreement, GetParam().verb);
    EXPECT_EQ(s.ObjectAgreement, GetParam().object);
    EXPECT_EQ(s.AgreementMode, GetParam().mode);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Agreement,
    testing::Values(AgreementCase{"all_agree", {"ppsu", "v", "n", "sklj"}, {3, 3, 3}, 3, 3, 3, 1},
                    AgreementCase{"object_missing", {"ppsu", "v", "n", "sklj"}, {1, 1, 0}, 1, 1, 0, 2},
                    AgreementCase{"object_with_verb", {"ppsu", "v", "n", "sklj"}, {1, 3, 3}, 1, 3, 3, 3},
                    AgreementCase{"none_agree", {"ppsu", "v", "n", "sklj"}, {2, 1, 0}, 2, 1, 0, 1},
                    AgreementCase{"subx_counts_as_third", {"subx", "v", "n", "sklj"}, {0, 1, 0}, 3, 0, 0, 3},
                    AgreementCase{"values_taken_in_order", {"det", "n", "v", "n", "sklj"}, {0, 0, 3, 0}, 3, 0, 0, 3},
                    AgreementCase{"indefinite_subject", {"indf", "v", "n", "sklj"}, {6, 6, 6}, 6, 6, 6, 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct ModeRuleCase {
    const char* name;
    std::vector<std::string> tags;
    std::vector<int> persons;
    std::vector<std::string> phrases;
};

class AgreementModeRules : public testing::TestWithParam<ModeRuleCase> {};

TEST_P(AgreementModeRules, ChangeNothingInModeThree) {
    TranslationState s(NoLexicon());
    LoadRow(s, GetParam().tags, GetParam().persons);
    RunPhraseGrammar(s);
    EXPECT_EQ(PhraseTags(s.MergedPhraseList), GetParam().phrases);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AgreementModeRules,
    testing::Values(ModeRuleCase{"np_pvp_np_mode_two", {"det", "n", "ppob", "v", "det", "n", "sklj"}, {0, 3, 0, 3},
                                 {"NPS", "PVPT", "NPO", "ST"}},
                    ModeRuleCase{"np_pvp_np_mode_three", {"det", "n", "ppob", "v", "det", "n", "sklj"}, {0, 0, 0, 3},
                                 {"NP", "PVP", "NP", "ST"}},
                    ModeRuleCase{"indf_pvp_np_mode_two", {"indf", "ppob", "v", "det", "n", "sklj"}, {3, 0, 3},
                                 {"NPS", "PVPT", "NPO", "ST"}},
                    ModeRuleCase{"indf_pvp_np_mode_three", {"indf", "ppob", "v", "det", "n", "sklj"}, {3},
                                 {"Indf", "PVP", "NP", "ST"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Twenty-two noun phrases alternate as subject and object; the last two
// would read values 21 and 22, which are not kept.
TEST(Agreement, KeepsTwentyValues) {
    TranslationState s(NoLexicon());
    LoadRow(s, std::vector<std::string>(22, "n"), std::vector<int>(22, 2));
    GroupWordsIntoPhrases(s);
    MergePrepositionPhrases(s);
    ComputeAgreement(s, 1, 22);
    EXPECT_EQ(s.AgreementCount, 20);
    EXPECT_EQ(s.SubjectAgreement, 0);
    EXPECT_EQ(s.ObjectAgreement, 0);
}

}  // namespace
}  // namespace quelvo
