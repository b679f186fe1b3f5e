#include <gtest/gtest.h>

#include <random>

#include "grammar/phrase_grammar_rules.h"
#include "grammar/phrase_grouping.h"
#include "grammar/phrase_rule_index.h"
#include "support.h"

namespace quelvo {
namespace {

using testing_support::LoadRow;
using testing_support::MembersOf;
using testing_support::NoLexicon;

struct ExpectedPhrase {
    std::string tag;
    int ruleNo;
    int memberCount;
};

struct GroupCase {
    const char* name;
    std::vector<std::string> tags;
    std::vector<ExpectedPhrase> phrases;
};

class Grouping : public testing::TestWithParam<GroupCase> {};

TEST_P(Grouping, FormsPhrasesByTheFirstMatchingRule) {
    TranslationState s(NoLexicon());
    LoadRow(s, GetParam().tags);
    GroupWordsIntoPhrases(s);
    std::vector<ExpectedPhrase> got;
    for (const PhraseNode* p = s.PhraseList.Head; p != nullptr; p = p->Next)
        got.push_back({p->Tag.str(), p->RuleNo, p->MemberCount});
    ASSERT_EQ(got.size(), GetParam().phrases.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].tag, GetParam().phrases[i].tag) << "phrase " << i + 1;
        EXPECT_EQ(got[i].ruleNo, GetParam().phrases[i].ruleNo) << "phrase " << i + 1;
        EXPECT_EQ(got[i].memberCount, GetParam().phrases[i].memberCount) << "phrase " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Grouping,
    testing::Values(
        GroupCase{"det_n_adj_before_verb", {"det", "n", "adj", "v", "sklj"}, {{"NP", 72, 3}, {"VP", 225, 1}, {"ST", 260, 1}}},
        GroupCase{"v_inf_t_like_inf", {"v", "inf_t", "sklj"}, {{"VP", 202, 2}, {"ST", 260, 1}}},
        GroupCase{"inf_i_like_inf", {"inf_i", "sklj"}, {{"Inf", 232, 1}, {"ST", 260, 1}}},
        GroupCase{"earlier_longer_rule", {"det", "n", "adj", "adj", "sklj"}, {{"NP", 38, 4}, {"ST", 260, 1}}},
        GroupCase{"six_tag_rule", {"det", "adj", "n", "adj", "ykon", "adj"}, {{"NP", 1, 6}}},
        GroupCase{"unnamed_rule_takes_previous_tag", {"v", "indf", "det", "n", "adj", "adj", "sklj"},
                  {{"VP", 225, 1}, {"VP", 10, 5}, {"ST", 260, 1}}},
        GroupCase{"unnamed_first_phrase_has_no_tag", {"dem", "sklj"}, {{"", 258, 1}, {"ST", 260, 1}}},
        GroupCase{"comma_and_mark", {"komma", "sklj"}, {{"KT", 269, 1}, {"ST", 260, 1}}},
        GroupCase{"unknown_tag_covers_its_word", {"det", "n", "adjx", "v", "sklj"},
                  {{"NP", 137, 2}, {"NP", 137, 1}, {"VP", 225, 1}, {"ST", 260, 1}}},
        GroupCase{"empty_tag_first", {"", "v"}, {{"", 0, 1}, {"VP", 225, 1}}},
        GroupCase{"no_words", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Grouping, MembersAreTheMatchedTags) {
    TranslationState s(NoLexicon());
    LoadRow(s, {"v", "inf_i", "sklj"});
    GroupWordsIntoPhrases(s);
    ASSERT_NE(s.PhraseList.Head, nullptr);
    EXPECT_EQ(MembersOf(*s.PhraseList.Head), (std::vector<std::string>{"v", "inf"}));
}

struct MergeCase {
    const char* name;
    std::vector<std::string> tags;
    std::vector<std::string> mergedTags;
    int firstRuleNo;
    std::vector<std::string> firstMembers;
    int firstMemberCount;
};

class Merging : public testing::TestWithParam<MergeCase> {};

TEST_P(Merging, JoinsAPrepositionWithTheNounPhraseAfterIt) {
    TranslationState s(NoLexicon());
    LoadRow(s, GetParam().tags);
    GroupWordsIntoPhrases(s);
    MergePrepositionPhrases(s);
    EXPECT_EQ(s.PhraseList.Head, nullptr);
    EXPECT_EQ(testing_support::PhraseTags(s.MergedPhraseList), GetParam().mergedTags);
    const PhraseNode* first = s.MergedPhraseList.Head;
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->RuleNo, GetParam().firstRuleNo);
    EXPECT_EQ(MembersOf(*first), GetParam().firstMembers);
    EXPECT_EQ(first->MemberCount, GetParam().firstMemberCount);
    int pos = 1;
    for (const PhraseNode* p = first; p != nullptr; p = p->Next) EXPECT_EQ(p->Pos, pos++);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Merging,
    testing::Values(
        MergeCase{"prep_det_n", {"prep", "det", "n", "sklj"}, {"NPP", "ST"}, 9137, {"prep", "det", "n"}, 3},
        MergeCase{"prpx_egnx", {"prpx", "egnx", "sklj"}, {"NPP", "ST"}, 9241, {"prep", "egnx"}, 2},
        MergeCase{"one_digit_rule", {"prep", "det", "adj", "n", "adj", "ykon", "adj"}, {"NPP"}, 91,
                  {"prep", "det", "adj", "n", "adj", "ykon", "adj"}, 7},
        MergeCase{"prep_before_verb_stays", {"prep", "v", "sklj"}, {"Prep", "VP", "ST"}, 250, {"prep"}, 1},
        MergeCase{"prep_last_stays", {"n", "prep"}, {"NP", "Prep"}, 153, {"n"}, 1},
        MergeCase{"two_prepositions", {"prep", "prep", "n", "sklj"}, {"Prep", "NPP", "ST"}, 250, {"prep"}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Merging, NoPhrasesLeaveAnEmptyList) {
    TranslationState s(NoLexicon());
    LoadRow(s, {"n", "sklj"});
    GroupWordsIntoPhrases(s);
    MergePrepositionPhrases(s);
    LoadRow(s, {});
    s.PhraseCounter = 1;
    GroupWordsIntoPhrases(s);
    MergePrepositionPhrases(s);
    EXPECT_EQ(s.MergedPhraseList.Head, nullptr);
}

}  // namespace
}  // namespace quelvo

namespace quelvo {
namespace {

int TagCount(const GrammarRule& rule) {
    int n = 0;
    for (std::string_view t : rule.tags) n += t.empty() ? 0 : 1;
    return n;
}

// The plain scan: every rule in number order, tags compared as text.
const GrammarRule* ScanForFirstMatch(const std::vector<std::string_view>& row, std::size_t from) {
    for (const GrammarRule& rule : PhraseGrammar) {
        const auto n = static_cast<std::size_t>(TagCount(rule));
        bool match = n > 0 && from + n <= row.size();
        for (std::size_t j = 0; match && j < n; ++j) match = row[from + j] == rule.tags[j];
        if (match) return &rule;
    }
    return nullptr;
}

// Rows made of pieces of rules, some cut short, some with a tag changed,
// match long rules as well as short ones; the index finds what the scan finds.
TEST(PhraseRuleIndex, FindsTheRuleThePlainScanFinds) {
    std::mt19937 random(17);
    const auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
    for (int trial = 0; trial < 5000; ++trial) {
        std::vector<std::string_view> row;
        while (row.size() < 12) {
            const GrammarRule& rule = PhraseGrammar[pick(PhraseGrammar.size())];
            const auto n = static_cast<std::size_t>(TagCount(rule));
            for (std::size_t j = 0; j < n && pick(8) > 0; ++j) row.push_back(rule.tags[j]);
            if (pick(4) == 0 && !row.empty()) row[pick(row.size())] = pick(2) ? "inf" : "zz";
        }
        std::vector<TagId> ids;
        for (std::string_view tag : row) ids.push_back(TagIdOf(tag));
        for (std::size_t from = 0; from < row.size(); ++from)
            ASSERT_EQ(FirstMatchingRule(ids, from), ScanForFirstMatch(row, from)) << trial << " at " << from;
    }
}

}  // namespace
}  // namespace quelvo
