#include <gtest/gtest.h>

#include <map>

#include "translate/dispatch.h"
#include "tag_rows.h"
#include "test_support.h"

namespace quelvo {
namespace {

using testing_support::LoadRow;
using testing_support::NoLexicon;
using testing_support::OutTexts;

struct PhraseShape {
    std::string tag;
    int memberCount;
};

void LoadPhrases(TranslationState& s, const std::vector<PhraseShape>& phrases) {
    int pos = 1;
    for (const PhraseShape& shape : phrases) {
        PhraseNode& p = *s.MergedPhraseList.Add(s.Arena, pos == 1);
        p.Pos = pos++;
        p.Tag = shape.tag;
        p.MemberCount = shape.memberCount;
    }
}

int PositionOf(const TranslationState& s, const WordNode* w) {
    if (w == nullptr) return 0;
    int pos = 1;
    for (const WordNode* n = s.WordList.Head; n != nullptr && n != w; n = n->Next) ++pos;
    return pos;
}

struct DispatchCase {
    const char* name;
    std::vector<PhraseShape> phrases;
    int words;
    std::vector<std::string> out;
    int curWord;  // position of CurWord afterwards, 0 for none
    int curPhraseNo;
};

class Dispatching : public testing::TestWithParam<DispatchCase> {};

TEST_P(Dispatching, RendersEveryPhraseButTheLast) {
    TranslationState s(NoLexicon());
    LoadRow(s, std::vector<std::string>(static_cast<std::size_t>(GetParam().words), "n"));
    LoadPhrases(s, GetParam().phrases);
    DispatchPhrases(s);
    EXPECT_EQ(OutTexts(s), GetParam().out);
    EXPECT_EQ(PositionOf(s, s.CurWord), GetParam().curWord);
    EXPECT_EQ(s.CurPhraseNo, GetParam().curPhraseNo);
    EXPECT_EQ(s.CurWordNo, GetParam().curWord == 0 ? GetParam().words + 1 : GetParam().curWord);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, Dispatching,
    testing::Values(DispatchCase{"one_node_dispatches_nothing", {{"NP", 1}}, 1, {}, 1, 1},
                    DispatchCase{"two_nodes_dispatch_the_first", {{"NP", 2}, {"ST", 1}}, 3, {"1", "2"}, 3, 2},
                    DispatchCase{"unknown_tag_goes_word_by_word", {{"Zz", 1}, {"NP", 1}, {"ST", 1}}, 3, {"1", "2"}, 3, 3},
                    DispatchCase{"lower_case_tag_is_unknown", {{"np", 1}, {"ST", 1}}, 2, {"1"}, 2, 2},
                    DispatchCase{"empty_tag_is_unknown", {{"", 1}, {"NP", 1}, {"ST", 1}}, 3, {"1", "2"}, 3, 3},
                    DispatchCase{"unknown_tag_takes_all_its_words", {{"Zq", 2}, {"NP", 1}, {"ST", 1}}, 4,
                                 {"1", "2", "3"}, 4, 3},
                    DispatchCase{"subject_then_verb", {{"NPS/VPT", 2}, {"ST", 1}}, 3, {"1", "2"}, 3, 2},
                    DispatchCase{"single_word_rows", {{"Konj", 1}, {"EPPo", 1}, {"deN", 1}, {"ST", 1}}, 4,
                                 {"1", "2", "3"}, 4, 4},
                    DispatchCase{"words_run_out", {{"NP", 5}, {"ST", 1}}, 2, {"1", "2"}, 0, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Dispatching, StartsTheOutputRecordAndKeepsThePhrases) {
    TranslationState s(NoLexicon());
    LoadRow(s, {"n", "sklj"});
    LoadPhrases(s, {{"NP", 1}, {"ST", 1}});
    s.OutCount = 7;
    s.OutWords[3] = "gammal";
    DispatchPhrases(s);
    EXPECT_EQ(s.OutCount, 2);
    EXPECT_EQ(s.OutWords[1], "1");
    EXPECT_TRUE(s.OutWords[3].empty());
    ASSERT_EQ(s.PhrasesAtDispatch.size(), 2U);
    EXPECT_EQ(s.PhrasesAtDispatch[1].Tag, "ST");
}

TEST(DispatchTable, RowsHoldTheirRoutinesInOrder) {
    const DispatchRow* subject = FindDispatchRow("NPS/PVPT");
    ASSERT_NE(subject, nullptr);
    EXPECT_EQ(subject->routines[0], &InsertSubjectPronoun);
    EXPECT_EQ(subject->routines[1], &TranslateVerbPhrase);
    EXPECT_EQ(FindDispatchRow("INF_T"), subject);
    EXPECT_EQ(FindDispatchRow("VPrNP")->routines[0], &RenderPhraseByRule);
    EXPECT_EQ(FindDispatchRow("OPers")->routines[0], &TranslateVerbPhrase);
    EXPECT_EQ(FindDispatchRow("NPP")->routines[0], &RenderPrepPhrase);
    EXPECT_EQ(FindDispatchRow("KT")->routines[0], &TranslateSentenceMark);
    EXPECT_EQ(FindDispatchRow("Prpx")->routines[0], &TranslatePrepInfinitive);
}

TEST(DispatchTable, SingleWordRowsCarryTheirTag) {
    const std::map<std::string, std::string> expected = {
        {"Konj", "konj"}, {"YKon", "ykon"}, {"SKon", "skon"}, {"Ppfm", "ppfm"}, {"Egnm", "egnm"}, {"Qinf", "qinf"},
        {"Prin", "prin"}, {"Rord", "rord"}, {"Ppob", "ppob"}, {"EPPo", "ppob"}, {"Mer", "mer"},   {"Rkif", "rkif"},
        {"Refl", "refl"}, {"Int", "int"},   {"Konx", "konx"}, {"Indx", "indx"}, {"Egnx", "egnx"}, {"X", "x"},
        {"dN", "dN"},     {"deN", "deN"}};
    for (const auto& [tag, single] : expected) {
        const DispatchRow* row = FindDispatchRow(tag);
        ASSERT_NE(row, nullptr) << tag;
        EXPECT_EQ(row->singleWordTag, single) << tag;
        EXPECT_EQ(row->routines[0], nullptr) << tag;
    }
}

TEST(DispatchTable, EveryTagHasOneRow) {
    std::map<std::string_view, int> seen;
    for (const DispatchRow& row : DispatchTable)
        for (std::string_view tag : row.tags)
            if (!tag.empty()) ++seen[tag];
    EXPECT_EQ(seen.size(), 64U);
    for (const auto& [tag, count] : seen) EXPECT_EQ(count, 1) << tag;
}

}  // namespace
}  // namespace quelvo
