#include <gtest/gtest.h>

#include "core/word_classes.h"

namespace quelvo {
namespace {

struct ClassCase {
    int number;
    const char* label;
    const char* wordTag;
    const char* classTag;
};

class WordClassTable : public testing::TestWithParam<ClassCase> {};

TEST_P(WordClassTable, GivesTheThreeTexts) {
    const ClassCase& c = GetParam();
    const WordClassRow* row = FindWordClass(c.number);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->label, c.label);
    EXPECT_EQ(row->wordTag, c.wordTag);
    EXPECT_EQ(row->classTag, c.classTag);
    EXPECT_EQ(WordClassByLabel(c.label), c.number);
}

INSTANTIATE_TEST_SUITE_P(Rows, WordClassTable,
                         testing::Values(ClassCase{0, "x", "x", "x"}, ClassCase{1, "n", "n", "n"},
                                         ClassCase{18, "refl", "refl", "refl"},
                                         ClassCase{20, "SbAdj", "n", "n"},
                                         ClassCase{25, "HvbFras", "vfrs", "vfrs"},
                                         ClassCase{37, "Interr", "intr", "intr"},
                                         ClassCase{39, "YKonj", "ykon", "ykon"},
                                         ClassCase{42, "HvbHjvb", "v", "v"},
                                         ClassCase{48, "DetPpob", "det", "det"},
                                         ClassCase{57, "PrInfmFrasP", "prin", "prin"},
                                         ClassCase{98, "FrasP", "FrsP", "FrsP"},
                                         ClassCase{100, "Sklj", "sklj", "sklj"},
                                         ClassCase{103, "Komma", "komma", "komma"},
                                         ClassCase{120, "sppva", "n", "komma"},
                                         ClassCase{130, "AdvVb", "adv", "adv"}));

TEST(WordClassTable, HasExactlyTheListedNumbers) {
    int listed = 0;
    for (int n = 0; n <= 200; ++n) listed += FindWordClass(n) != nullptr;
    EXPECT_EQ(listed, 70);
    for (int n : {19, 23, 29, 30, 31, 38, 44, 46, 50, 54, 58, 62, 64, 88, 105, 119, 131})
        EXPECT_EQ(FindWordClass(n), nullptr) << n;
}

TEST(PhraseNames, EveryRuleRangeAndTheGaps) {
    struct Range {
        int first, last;
        const char* tag;
    };
    const Range ranges[] = {{1, 4, "NP"},     {11, 16, "NP"},    {18, 25, "NP"},   {27, 38, "NP"},
                            {40, 59, "NP"},   {65, 72, "NP"},    {75, 85, "NP"},   {87, 94, "NP"},
                            {96, 110, "NP"},  {113, 116, "NP"},  {131, 132, "NP"}, {134, 146, "NP"},
                            {148, 149, "NP"}, {153, 154, "NP"},  {218, 218, "NP"}, {223, 223, "NP"},
                            {244, 244, "NP"}, {257, 257, "NP"},  {159, 163, "VP"}, {165, 168, "VP"},
                            {172, 175, "VP"}, {177, 205, "VP"},  {207, 208, "VP"}, {210, 215, "VP"},
                            {219, 220, "VP"}, {225, 225, "VP"},  {227, 228, "VP"}, {125, 125, "OPers"},
                            {130, 130, "VPrNP"}, {133, 133, "MAdj"}, {147, 147, "MAdv"}, {206, 206, "PVP"},
                            {222, 222, "XAdj"}, {229, 229, "VPerf"}, {230, 230, "VAdj"}, {232, 232, "Inf"},
                            {233, 233, "Intr"}, {234, 234, "Ppfm"}, {235, 235, "Indx"}, {236, 236, "Konx"},
                            {237, 237, "Relx"}, {238, 238, "Prin"}, {239, 239, "Prpx"}, {240, 240, "Subx"},
                            {241, 241, "Egnx"}, {242, 242, "Advx"}, {245, 245, "Qinf"}, {246, 246, "Int"},
                            {247, 247, "Infm"}, {248, 248, "Neg"},  {249, 249, "Ppob"}, {250, 250, "Prep"},
                            {251, 251, "Konj"}, {252, 252, "Adv"},  {253, 253, "Rel"},  {254, 254, "Rord"},
                            {255, 255, "Adj"},  {256, 256, "Indf"}, {259, 259, "Det"},  {260, 260, "ST"},
                            {261, 261, "X"},    {264, 264, "Refl"}, {265, 265, "Rkif"}, {266, 266, "Mer"},
                            {267, 267, "YKon"}, {268, 268, "SKon"}, {269, 269, "KT"},   {270, 270, "dN"},
                            {271, 271, "deN"}};
    std::string expected[277];
    for (const Range& r : ranges)
        for (int n = r.first; n <= r.last; ++n) expected[n] = r.tag;
    for (int n = 0; n <= 276; ++n) {
        const auto tag = PhraseNameOfRule(n);
        if (expected[n].empty())
            EXPECT_FALSE(tag.has_value()) << n;
        else
            EXPECT_EQ(tag.value_or(""), expected[n]) << n;
    }
}

}  // namespace
}  // namespace quelvo
