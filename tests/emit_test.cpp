#include <gtest/gtest.h>

#include "core/emit.h"
#include "lexicon/lexicon.h"
#include "test_support.h"

namespace quelvo {
namespace {

using testing_support::Cp;
using testing_support::OutTexts;

const Lexicon& NoDictionaries() {
    static const Lexicon lexicon;
    return lexicon;
}

struct EmitCase {
    const char* name;
    std::vector<std::string> words;
    std::vector<std::string> shown;
};

class Emitting : public testing::TestWithParam<EmitCase> {};

TEST_P(Emitting, CapitalisesSegmentStartAndAfterAStop) {
    TranslationState s(NoDictionaries());
    for (const auto& w : GetParam().words) EmitOutWord(s, "", Cp(w), "", "x");
    EXPECT_EQ(OutTexts(s), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Words, Emitting,
    testing::Values(EmitCase{"first_word", {"hunden", "äter"}, {"Hunden", "äter"}},
                    EmitCase{"a_umlaut", {"äter"}, {"Äter"}},
                    EmitCase{"o_umlaut", {"öl"}, {"Öl"}},
                    EmitCase{"e_acute_stays", {"é"}, {"é"}},
                    EmitCase{"after_stop", {"ja", ".", "nej"}, {"Ja", ".", "Nej"}},
                    EmitCase{"not_after_stop_and_blank", {"ja", ". ", "nej"}, {"Ja", ". ", "nej"}},
                    EmitCase{"not_after_bang", {"ja", "!", "nej"}, {"Ja", "!", "nej"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Emitting, NumbersPositionsAndCutsTags) {
    TranslationState s(NoDictionaries());
    EmitOutWord(s, "", "a", "", "negation");
    EmitOutWord(s, "", "b", "", "v");
    ASSERT_NE(s.OutList.Head, nullptr);
    EXPECT_EQ(s.OutList.Head->OutTag.view(), "negati");
    EXPECT_EQ(s.OutList.Head->OutPos, 1);
    EXPECT_EQ(s.OutList.Tail->OutPos, 2);
    EXPECT_EQ(s.OutPosCounter, 3);
    // A new segment restarts the list.
    s.OutPosCounter = 1;
    EmitOutWord(s, "", "c", "", "x");
    EXPECT_EQ(OutTexts(s), std::vector<std::string>{"C"});
}

TEST(Emitting, EmitWordRecordsAndAdvances) {
    TranslationState s(NoDictionaries());
    WordNode* first = s.WordList.Start(s.Arena);
    WordNode* second = s.WordList.Append(s.Arena);
    s.OutTags.Resize(4);
    s.CurWord = first;
    s.KeepOutWords = true;
    EmitWord(s, "huset", "n", "n", 'b', 't');
    EXPECT_EQ(first->SvForm.view(), "huset");
    EXPECT_EQ(first->DefMark, 'b');
    EXPECT_EQ(first->Gender, 't');
    EXPECT_EQ(s.OutTags.Get(1).view(), "n");
    EXPECT_EQ(s.OutWords[1].view(), "huset");
    EXPECT_EQ(s.CurWord, second);
    s.KeepOutWords = false;
    EmitWord(s, "stor", "adj", "adj", ' ', ' ');
    EXPECT_TRUE(s.OutWords[2].empty());
    EXPECT_EQ(s.CurWord, nullptr);
    EXPECT_EQ(s.OutCount, 3);
    RecordOutWord(s, "att", "im");
    EXPECT_EQ(s.OutWords[3].view(), "att");
    EXPECT_EQ(s.OutCount, 4);
}

TEST(Emitting, NeverWritesPastTheRecordArrays) {
    TranslationState s(NoDictionaries());
    s.OutTags.Resize(3);
    s.KeepOutWords = true;
    for (int i = 0; i < 40; ++i) RecordOutWord(s, "ord", "x");
    EXPECT_EQ(s.OutCount, 41);
    EXPECT_EQ(s.OutWords[kOutWordSlots].view(), "ord");
    EXPECT_EQ(s.OutTags.Get(4).view(), "");
}

TEST(Lists, StartAbandonsTheEarlierList) {
    TranslationState s(NoDictionaries());
    s.TokenList.Start(s.Arena)->Text = "a";
    s.TokenList.Append(s.Arena)->Text = "b";
    s.TokenList.Start(s.Arena)->Text = "c";
    EXPECT_EQ(s.TokenList.Count(), 1);
    EXPECT_EQ(s.TokenList.Head->Text.view(), "c");
    EXPECT_EQ(s.TokenList.Head->Prev, nullptr);
    TextNode* d = s.TokenList.Append(s.Arena);
    EXPECT_EQ(d->Prev, s.TokenList.Head);
    EXPECT_EQ(s.TokenList.Tail, d);
}

}  // namespace
}  // namespace quelvo
