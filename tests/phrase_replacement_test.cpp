#include <gtest/gtest.h>

#include "analysis/phrase_replacement.h"
#include "support.h"

namespace quelvo {
namespace {

using namespace testing_support;  // the analysis helpers

// "SpWord SvWord SpClass FormCode PersonNo WordTag".
INSTANTIATE_TEST_SUITE_P(
    PhraseReplacementRecords, BuiltWord,
    testing::Values(WordCase{"three_words", "Comemos a pesar de la casa.", 2, "a pesar de trots 92 1 0 prpx"},
                    WordCase{"two_words", "A menudo.", 1, "a menudo ofta 90 1 0 advx"},
                    WordCase{"indf_class_word", "A todo.", 1, "a todo helt 96 1 0 indx"},
                    WordCase{"unknown_class_word_keeps_class", "A veces.", 1, "a veces ibland 7 1 0 prep"},
                    WordCase{"no_matching_record", "A casa.", 2, "casa hus 1 1 0 n"},
                    WordCase{"word_without_phrase_bit", "De acuerdo.", 1, "de av 7 1 0 prep"}),
    CaseName);

TEST(PhraseReplacement, ThreeWordsBecomeOnePosition) {
    const auto s = Built("Comemos a pesar de la casa.");
    ASSERT_EQ(s->WordCount, 5);
    EXPECT_EQ(s->WordList.Count(), 5);
    const std::vector<int> classes = {s->WordClassNos.Get(1), s->WordClassNos.Get(2), s->WordClassNos.Get(3),
                                      s->WordClassNos.Get(4), s->WordClassNos.Get(5)};
    EXPECT_EQ(classes, (std::vector<int>{3, 92, 48, 1, 100}));
    EXPECT_EQ(s->WordClassNos.Size(), 5);
    EXPECT_EQ(WordAt(*s, 2)->SvCode2, 0);
    EXPECT_EQ(Utf(WordAt(*s, 3)->SpWord), "la");
}

TEST(PhraseReplacement, PersonsFollowTheWords) {
    const auto s = Built("A pesar de la casa comemos.");
    ASSERT_EQ(s->WordCount, 5);
    EXPECT_EQ(Utf(WordAt(*s, 4)->SpWord), "comer");
    EXPECT_EQ(s->WordPersonNos.Get(4), 4);
    EXPECT_EQ(s->WordPersonNos.Get(1), 0);
}

TEST(PhraseReplacement, NumberFieldGoesToSvCode2) {
    const auto s = Built("A veces.");
    EXPECT_EQ(WordAt(*s, 1)->SvCode2, 5);
}

// The phrase matched against the repeated last word names more words than
// follow it; only the words there are removed.
TEST(PhraseReplacement, PhrasePastTheEndRemovesOnlyTheWordsThere) {
    const auto s = Built("Hola?");
    ASSERT_EQ(s->WordCount, 1);
    EXPECT_EQ(s->WordList.Head, s->WordList.Tail);
    EXPECT_EQ(CompactSentence(*s), std::vector<std::string>{"hola ? ? hej 94 1 0 konx"});
}

TEST(PhraseReplacement, VivirDeIsLeva) {
    const auto s = Built("Vivir de la casa.");
    const WordNode* vivir = WordAt(*s, 1);
    EXPECT_EQ(Utf(vivir->SvWord), "leva");
    EXPECT_EQ(vivir->SvCode1, 3);
    EXPECT_EQ(vivir->SvCode2, 1088);
    EXPECT_EQ(vivir->SvCode3, 3);
    EXPECT_EQ(vivir->SvCode4, 0);
    EXPECT_EQ(Utf(WordAt(*s, 2)->SvWord), "av");
}

TEST(PhraseReplacement, VivirAloneKeepsItsWord) {
    const auto s = Built("Vivir.");
    EXPECT_EQ(Utf(WordAt(*s, 1)->SvWord), "bo");
}

class DeletingNodes : public testing::Test {
protected:
    TranslationState s_{FixtureLexicon("analysis")};
    std::vector<WordNode*> nodes_;

    void SetUp() override {
        for (const char* word : {"a", "b", "c"}) {
            WordNode* n = s_.WordList.Add(s_.Arena, nodes_.empty());
            n->SpWord = word;
            nodes_.push_back(n);
        }
    }
    std::string Words() const {
        std::string out;
        for (const WordNode* n = s_.WordList.Head; n != nullptr; n = n->Next) out += n->SpWord.view();
        out += "|";
        for (const WordNode* n = s_.WordList.Tail; n != nullptr; n = n->Prev) out += n->SpWord.view();
        return out;
    }
};

TEST_F(DeletingNodes, Middle) {
    DeleteNode(s_, nodes_[1]);
    EXPECT_EQ(Words(), "ac|ca");
}

TEST_F(DeletingNodes, Head) {
    DeleteNode(s_, nodes_[0]);
    EXPECT_EQ(Words(), "bc|cb");
}

TEST_F(DeletingNodes, Tail) {
    DeleteNode(s_, nodes_[2]);
    EXPECT_EQ(Words(), "ab|ba");
}

TEST_F(DeletingNodes, Everything) {
    for (WordNode* n : nodes_) DeleteNode(s_, n);
    EXPECT_EQ(s_.WordList.Head, nullptr);
    EXPECT_EQ(s_.WordList.Tail, nullptr);
}

}  // namespace
}  // namespace quelvo
