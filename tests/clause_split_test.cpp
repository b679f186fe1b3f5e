#include <gtest/gtest.h>

#include "grammar/clause_split.h"
#include "grammar/phrase_grouping.h"
#include "support.h"

namespace quelvo {
namespace {

using testing_support::LoadRow;
using testing_support::NoLexicon;

void SplitRow(TranslationState& s, const std::vector<std::string>& tags) {
    LoadRow(s, tags);
    GroupWordsIntoPhrases(s);
    MergePrepositionPhrases(s);
    SplitClauses(s);
}

std::vector<int> Bounds(const TranslationState& s) {
    return std::vector<int>(s.ClauseBounds.begin() + 1, s.ClauseBounds.end());
}

struct SplitCase {
    const char* name;
    std::vector<std::string> tags;
    std::vector<std::string> phrases;  // the grouping the case relies on
    int clauseCount;
    std::vector<int> bounds;  // all eight entries
};

class ClauseSplitting : public testing::TestWithParam<SplitCase> {};

TEST_P(ClauseSplitting, FindsWhereEachVerbsClauseBegins) {
    TranslationState s(NoLexicon());
    SplitRow(s, GetParam().tags);
    ASSERT_EQ(testing_support::PhraseTags(s.MergedPhraseList), GetParam().phrases);
    EXPECT_EQ(s.ClauseCount, GetParam().clauseCount);
    EXPECT_EQ(Bounds(s), GetParam().bounds);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ClauseSplitting,
    testing::Values(
        SplitCase{"one_verb", {"det", "n", "v", "det", "n", "sklj"}, {"NP", "VP", "NP", "ST"}, 1, {1, 4, 0, 0, 0, 0, 0, 0}},
        SplitCase{"no_verb", {"det", "n", "sklj"}, {"NP", "ST"}, 1, {1, 2, 0, 0, 0, 0, 0, 0}},
        SplitCase{"linker_opens_clause",
                  {"det", "n", "v", "n", "ykon", "n", "v", "sklj"},
                  {"NP", "VP", "NP", "YKon", "NP", "VP", "ST"}, 2, {1, 4, 7, 0, 0, 0, 0, 0}},
        SplitCase{"comma_opens_clause",
                  {"det", "n", "v", "komma", "det", "n", "v", "sklj"},
                  {"NP", "VP", "KT", "NP", "VP", "ST"}, 2, {1, 3, 6, 0, 0, 0, 0, 0}},
        SplitCase{"clause_after_adjective", {"v", "adj", "inf", "sklj"}, {"VP", "Adj", "Inf", "ST"}, 2,
                  {1, 3, 4, 0, 0, 0, 0, 0}},
        SplitCase{"infinitive_after_verb", {"v", "vperf", "inf", "sklj"}, {"VP", "Inf", "ST"}, 2, {1, 2, 3, 0, 0, 0, 0, 0}},
        SplitCase{"infinitive_after_infinitive", {"inf", "inf", "sklj"}, {"Inf", "Inf", "ST"}, 2, {1, 2, 3, 0, 0, 0, 0, 0}},
        SplitCase{"second_verb_opens_clause",
                  {"det", "n", "v", "det", "n", "v", "sklj"},
                  {"NP", "VP", "NP", "VP", "ST"}, 2, {1, 4, 5, 0, 0, 0, 0, 0}},
        SplitCase{"perfect_after_comma_is_a_verb",
                  {"det", "n", "v", "komma", "vperf", "sklj"},
                  {"NP", "VP", "KT", "VPerf", "ST"}, 2, {1, 3, 5, 0, 0, 0, 0, 0}},
        SplitCase{"twelve_verbs_keep_eight_bounds",
                  {"v", "v", "v", "v", "v", "v", "v", "v", "v", "v", "v", "v", "sklj"},
                  {"VP", "VP", "VP", "VP", "VP", "VP", "VP", "VP", "VP", "VP", "VP", "VP", "ST"}, 7,
                  {1, 2, 3, 4, 5, 6, 7, 8}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClauseSplitting, RecordsAtMostTenVerbPhrases) {
    TranslationState s(NoLexicon());
    SplitRow(s, {"v", "v", "v", "v", "v", "v", "v", "v", "v", "v", "v", "v", "sklj"});
    EXPECT_EQ(std::vector<int>(s.VerbPhrasePos.begin() + 1, s.VerbPhrasePos.end()),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

}  // namespace
}  // namespace quelvo
