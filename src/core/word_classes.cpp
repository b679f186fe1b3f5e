#include "core/word_classes.h"

namespace quelvo {
namespace {

struct RuleRange {
    int first;
    int last;
    std::string_view tag;
};

constexpr RuleRange kPhraseNames[] = {
    {1, 7, "NP"},       {11, 16, "NP"},     {18, 25, "NP"},     {27, 38, "NP"},     {40, 59, "NP"},
    {65, 72, "NP"},     {75, 85, "NP"},     {87, 94, "NP"},     {96, 110, "NP"},    {113, 116, "NP"},
    {131, 132, "NP"},   {134, 146, "NP"},   {148, 149, "NP"},   {153, 154, "NP"},   {218, 218, "NP"},
    {223, 223, "NP"},   {244, 244, "NP"},   {257, 257, "NP"},   {159, 163, "VP"},   {165, 168, "VP"},
    {172, 175, "VP"},   {177, 205, "VP"},   {207, 208, "VP"},   {210, 215, "VP"},   {219, 220, "VP"},
    {225, 225, "VP"},   {227, 228, "VP"},   {125, 125, "OPers"}, {130, 130, "VPrNP"}, {133, 133, "MAdj"},
    {147, 147, "MAdv"}, {206, 206, "PVP"},  {222, 222, "XAdj"}, {229, 229, "VPerf"}, {230, 230, "VAdj"},
    {232, 232, "Inf"},  {233, 233, "Intr"}, {234, 234, "Ppfm"}, {235, 235, "Indx"}, {236, 236, "Konx"},
    {237, 237, "Relx"}, {238, 238, "Prin"}, {239, 239, "Prpx"}, {240, 240, "Subx"}, {241, 241, "Egnx"},
    {242, 242, "Advx"}, {245, 245, "Qinf"}, {246, 246, "Int"},  {247, 247, "Infm"}, {248, 248, "Neg"},
    {249, 249, "Ppob"}, {250, 250, "Prep"}, {251, 251, "Konj"}, {252, 252, "Adv"},  {253, 253, "Rel"},
    {254, 254, "Rord"}, {255, 255, "Adj"},  {256, 256, "Indf"}, {259, 259, "Det"},  {260, 260, "ST"},
    {261, 261, "X"},    {264, 264, "Refl"}, {265, 265, "Rkif"}, {266, 266, "Mer"},  {267, 267, "YKon"},
    {268, 268, "SKon"}, {269, 269, "KT"},   {270, 270, "dN"},   {271, 271, "deN"},
};

// Each class number and label names one row, and no rule has two phrase names.
constexpr bool ClassesAreUnique() {
    for (const auto& a : kWordClasses)
        for (const auto& b : kWordClasses)
            if (&a != &b && (a.number == b.number || a.label == b.label)) return false;
    return true;
}
static_assert(ClassesAreUnique(), "one row per class number and label");

constexpr bool PhraseNameRangesAreDisjoint() {
    for (const auto& a : kPhraseNames) {
        if (a.first > a.last) return false;
        for (const auto& b : kPhraseNames)
            if (&a != &b && a.first <= b.last && b.first <= a.last) return false;
    }
    return true;
}
static_assert(PhraseNameRangesAreDisjoint(), "one phrase name per rule");

}  // namespace

std::optional<int> WordClassByLabel(std::string_view label) {
    for (const auto& row : kWordClasses)
        if (row.label == label) return row.number;
    return std::nullopt;
}

std::optional<std::string_view> PhraseNameOfRule(int ruleNo) {
    for (const auto& r : kPhraseNames)
        if (ruleNo >= r.first && ruleNo <= r.last) return r.tag;
    return std::nullopt;
}

}  // namespace quelvo
