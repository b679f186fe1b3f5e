#include <gtest/gtest.h>

#include "chrf.h"

namespace quelvo::scoring {
namespace {

struct NormalCase {
    const char* name;
    std::string in;
    std::string out;
};

class Normalising : public testing::TestWithParam<NormalCase> {};

TEST_P(Normalising, DropsTrailingBlanksAndOneFinalMark) { EXPECT_EQ(Normalised(GetParam().in), GetParam().out); }

INSTANTIATE_TEST_SUITE_P(Lines, Normalising,
                         testing::Values(NormalCase{"stop", "Jag har en bil.", "Jag har en bil"},
                                         NormalCase{"blank_after_stop", "Ja . ", "Ja"},
                                         NormalCase{"only_one_mark", "Vad?!", "Vad?"},
                                         NormalCase{"question", "Vem?", "Vem"},
                                         NormalCase{"nothing_to_drop", "Hej", "Hej"},
                                         NormalCase{"empty", "", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChrF, IdenticalTextsScoreOneHundred) {
    EXPECT_DOUBLE_EQ(ChrF(CompareCharacters("Vi har en vit häst", "Vi har en vit häst")), 100.0);
}

TEST(ChrF, BlanksDoNotCount) {
    EXPECT_DOUBLE_EQ(ChrF(CompareCharacters("Vihar en", "Vi har en")), 100.0);
}

TEST(ChrF, DisjointTextsScoreZero) { EXPECT_DOUBLE_EQ(ChrF(CompareCharacters("abc", "xyz")), 0.0); }

TEST(ChrF, CountsCodePointsNotBytes) {
    const NgramStats stats = CompareCharacters("hä", "hä");
    EXPECT_EQ(stats.hypothesis[0], 2);
    EXPECT_EQ(stats.hypothesis[1], 1);
    EXPECT_EQ(stats.hypothesis[2], 0);
}

TEST(ChrF, RecallWeighsMoreThanPrecision) {
    // Half of the reference found, everything found is right.
    const double shortHypothesis = ChrF(CompareCharacters("ab", "abcd"));
    // All of the reference found among as much again that is wrong.
    const double longHypothesis = ChrF(CompareCharacters("abcdwxyz", "abcd"));
    EXPECT_GT(longHypothesis, shortHypothesis);
}

TEST(ChrF, KnownValue) {
    // Unigrams: 3 of 3 in the reference, 3 of 4 in the hypothesis; bigrams 2/3 and 2/2; no longer grams.
    const NgramStats stats = CompareCharacters("abcd", "abc");
    EXPECT_EQ(stats.matches[0], 3);
    EXPECT_EQ(stats.matches[1], 2);
    EXPECT_EQ(stats.matches[2], 1);
    const double p = (3.0 / 4 + 2.0 / 3 + 1.0 / 2) / 6;
    const double r = (1.0 + 1.0 + 1.0) / 6;
    EXPECT_NEAR(ChrF(stats), 100 * 5 * p * r / (4 * p + r), 1e-9);
}

TEST(UnknownWords, CountsTheWordsBetweenMarks) {
    const UnknownCount c = CountUnknownWords("Jag har en < caballo > .");
    EXPECT_EQ(c.unknown, 1);
    EXPECT_EQ(c.words, 5);
    EXPECT_EQ(CountUnknownWords("").words, 0);
}

}  // namespace
}  // namespace quelvo::scoring
