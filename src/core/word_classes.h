#pragma once
// Word-class numbers and the three texts derived from each.
#include <optional>
#include <string_view>

namespace quelvo {

struct WordClassRow {
    int number;
    std::string_view label;     // kept per word position (WordClassTexts)
    std::string_view wordTag;   // matched by phrase tagging (WordTags)
    std::string_view classTag;  // travels with the word (ClassTag)
};

inline constexpr WordClassRow kWordClasses[] = {
    {0, "x", "x", "x"},
    {1, "n", "n", "n"},
    {2, "adj", "adj", "adj"},
    {3, "v", "v", "v"},
    {4, "hjv", "hjv", "hjv"},
    {5, "adv", "adv", "adv"},
    {6, "rord", "rord", "rord"},
    {7, "prep", "prep", "prep"},
    {8, "konj", "konj", "konj"},
    {9, "int", "int", "int"},
    {10, "ppsu", "ppsu", "ppsu"},
    {11, "ppob", "ppob", "ppob"},
    {12, "poss", "poss", "poss"},
    {13, "indf", "indf", "indf"},
    {14, "rel", "rel", "rel"},
    {15, "det", "det", "det"},
    {16, "egnm", "egnm", "egnm"},
    {17, "neg", "neg", "neg"},
    {18, "refl", "refl", "refl"},
    {20, "SbAdj", "n", "n"},
    {21, "SbAdv", "n", "n"},
    {22, "SbAdjVb", "n", "n"},
    {24, "SbPoss", "n", "n"},
    {25, "HvbFras", "vfrs", "vfrs"},
    {26, "AdjAdv", "adj", "adj"},
    {27, "AdjAdvSb", "adj", "adj"},
    {28, "null", "null", "null"},
    {32, "AdvSubAdj", "adv", "adv"},
    {33, "AdvKonj", "adv", "adv"},
    {34, "AdvPrepSub", "adv", "adv"},
    {35, "AdvIndfpron", "adv", "adv"},
    {36, "AdvSub", "adv", "adv"},
    {37, "Interr", "intr", "intr"},
    {39, "YKonj", "ykon", "ykon"},
    {40, "HvbAdjSub", "v", "v"},
    {41, "HvbSub", "v", "v"},
    {42, "HvbHjvb", "v", "v"},
    {43, "HvbAdj", "v", "v"},
    {45, "PsuRrd", "ppsu", "ppsu"},
    {47, "DetDem", "det", "det"},
    {48, "DetPpob", "det", "det"},
    {49, "RKIF", "rkif", "rkif"},
    {51, "RelprKonj", "rel", "rel"},
    {52, "RelprAdv", "rel", "rel"},
    {53, "Mer", "mer", "mer"},
    {55, "PrepSub", "prep", "prep"},
    {56, "PrepAdvKonj", "prep", "prep"},
    {57, "PrInfmFrasP", "prin", "prin"},
    {59, "IAdv", "indf", "indf"},
    {60, "IAAS", "indf", "indf"},
    {61, "PpsuRefl", "ppsu", "ppsu"},
    {63, "NIX", "nix", "nix"},
    {89, "Adjx", "adjx", "adjx"},
    {90, "Advx", "advx", "advx"},
    {91, "Subx", "subx", "subx"},
    {92, "Prpx", "prpx", "prpx"},
    {93, "Relx", "relx", "relx"},
    {94, "Konx", "konx", "konx"},
    {95, "Egnx", "egnx", "egnx"},
    {96, "Indx", "indx", "indx"},
    {97, "Null", "null", "null"},
    {98, "FrasP", "FrsP", "FrsP"},
    {99, "Inf", "inf", "inf"},
    {100, "Sklj", "sklj", "sklj"},
    {101, "VPres", "vpres", "vpres"},
    {102, "VPerf", "vperf", "vperf"},
    {103, "Komma", "komma", "komma"},
    {104, "VAdj", "vadj", "vadj"},
    {120, "sppva", "n", "komma"},
    {130, "AdvVb", "adv", "adv"},
};

constexpr const WordClassRow* FindWordClass(int number) {
    for (const auto& row : kWordClasses)
        if (row.number == number) return &row;
    return nullptr;
}
// The class number whose label is `label` (the lexicon sources name classes by label).
std::optional<int> WordClassByLabel(std::string_view label);

constexpr bool HasLabel(int number, std::string_view label) {
    const WordClassRow* row = FindWordClass(number);
    return row != nullptr && row->label == label;
}

// The word classes by name (SpClass, SvClass), each checked against its row.
namespace wc {
inline constexpr int kUnknown = 0;                       static_assert(HasLabel(kUnknown, "x"));
inline constexpr int kNoun = 1;                          static_assert(HasLabel(kNoun, "n"));
inline constexpr int kAdjective = 2;                     static_assert(HasLabel(kAdjective, "adj"));
inline constexpr int kVerb = 3;                          static_assert(HasLabel(kVerb, "v"));
inline constexpr int kAuxiliary = 4;                     static_assert(HasLabel(kAuxiliary, "hjv"));
inline constexpr int kAdverb = 5;                        static_assert(HasLabel(kAdverb, "adv"));
inline constexpr int kNumeral = 6;                       static_assert(HasLabel(kNumeral, "rord"));
inline constexpr int kPreposition = 7;                   static_assert(HasLabel(kPreposition, "prep"));
inline constexpr int kConjunction = 8;                   static_assert(HasLabel(kConjunction, "konj"));
inline constexpr int kInterjection = 9;                  static_assert(HasLabel(kInterjection, "int"));
inline constexpr int kSubjectPronoun = 10;               static_assert(HasLabel(kSubjectPronoun, "ppsu"));
inline constexpr int kObjectPronoun = 11;                static_assert(HasLabel(kObjectPronoun, "ppob"));
inline constexpr int kPossessive = 12;                   static_assert(HasLabel(kPossessive, "poss"));
inline constexpr int kIndefinite = 13;                   static_assert(HasLabel(kIndefinite, "indf"));
inline constexpr int kRelative = 14;                     static_assert(HasLabel(kRelative, "rel"));
inline constexpr int kDeterminer = 15;                   static_assert(HasLabel(kDeterminer, "det"));
inline constexpr int kProperName = 16;                   static_assert(HasLabel(kProperName, "egnm"));
inline constexpr int kNegation = 17;                     static_assert(HasLabel(kNegation, "neg"));
inline constexpr int kReflexive = 18;                    static_assert(HasLabel(kReflexive, "refl"));
inline constexpr int kNounAdjective = 20;                static_assert(HasLabel(kNounAdjective, "SbAdj"));
inline constexpr int kNounAdverb = 21;                   static_assert(HasLabel(kNounAdverb, "SbAdv"));
inline constexpr int kNounAdjectiveVerb = 22;            static_assert(HasLabel(kNounAdjectiveVerb, "SbAdjVb"));
inline constexpr int kNounPossessive = 24;               static_assert(HasLabel(kNounPossessive, "SbPoss"));
inline constexpr int kParticleVerb = 25;                 static_assert(HasLabel(kParticleVerb, "HvbFras"));
inline constexpr int kAdjectiveAdverb = 26;              static_assert(HasLabel(kAdjectiveAdverb, "AdjAdv"));
inline constexpr int kAdjectiveAdverbNoun = 27;          static_assert(HasLabel(kAdjectiveAdverbNoun, "AdjAdvSb"));
inline constexpr int kNull = 28;                         static_assert(HasLabel(kNull, "null"));
inline constexpr int kAdverbNounAdjective = 32;          static_assert(HasLabel(kAdverbNounAdjective, "AdvSubAdj"));
inline constexpr int kAdverbConjunction = 33;            static_assert(HasLabel(kAdverbConjunction, "AdvKonj"));
inline constexpr int kAdverbPrepositionNoun = 34;        static_assert(HasLabel(kAdverbPrepositionNoun, "AdvPrepSub"));
inline constexpr int kAdverbIndefinite = 35;             static_assert(HasLabel(kAdverbIndefinite, "AdvIndfpron"));
inline constexpr int kAdverbNoun = 36;                   static_assert(HasLabel(kAdverbNoun, "AdvSub"));
inline constexpr int kInterrogative = 37;                static_assert(HasLabel(kInterrogative, "Interr"));
inline constexpr int kYConjunction = 39;                 static_assert(HasLabel(kYConjunction, "YKonj"));
inline constexpr int kVerbAdjectiveNoun = 40;            static_assert(HasLabel(kVerbAdjectiveNoun, "HvbAdjSub"));
inline constexpr int kVerbNoun = 41;                     static_assert(HasLabel(kVerbNoun, "HvbSub"));
inline constexpr int kVerbAuxiliary = 42;                static_assert(HasLabel(kVerbAuxiliary, "HvbHjvb"));
inline constexpr int kVerbAdjective = 43;                static_assert(HasLabel(kVerbAdjective, "HvbAdj"));
inline constexpr int kSubjectPronounNumeral = 45;        static_assert(HasLabel(kSubjectPronounNumeral, "PsuRrd"));
inline constexpr int kDemonstrative = 47;                static_assert(HasLabel(kDemonstrative, "DetDem"));
inline constexpr int kDeterminerPronoun = 48;            static_assert(HasLabel(kDeterminerPronoun, "DetPpob"));
inline constexpr int kRkif = 49;                         static_assert(HasLabel(kRkif, "RKIF"));
inline constexpr int kRelativeConjunction = 51;          static_assert(HasLabel(kRelativeConjunction, "RelprKonj"));
inline constexpr int kRelativeAdverb = 52;               static_assert(HasLabel(kRelativeAdverb, "RelprAdv"));
inline constexpr int kMer = 53;                          static_assert(HasLabel(kMer, "Mer"));
inline constexpr int kPrepositionNoun = 55;              static_assert(HasLabel(kPrepositionNoun, "PrepSub"));
inline constexpr int kPrepositionAdverbConjunction = 56; static_assert(HasLabel(kPrepositionAdverbConjunction, "PrepAdvKonj"));
inline constexpr int kPrepositionInfinitive = 57;        static_assert(HasLabel(kPrepositionInfinitive, "PrInfmFrasP"));
inline constexpr int kIndefiniteAdverb = 59;             static_assert(HasLabel(kIndefiniteAdverb, "IAdv"));
inline constexpr int kIndefiniteAdjective = 60;          static_assert(HasLabel(kIndefiniteAdjective, "IAAS"));
inline constexpr int kSubjectReflexive = 61;             static_assert(HasLabel(kSubjectReflexive, "PpsuRefl"));
inline constexpr int kNix = 63;                          static_assert(HasLabel(kNix, "NIX"));
inline constexpr int kAdjx = 89;                         static_assert(HasLabel(kAdjx, "Adjx"));
inline constexpr int kAdvx = 90;                         static_assert(HasLabel(kAdvx, "Advx"));
inline constexpr int kSubx = 91;                         static_assert(HasLabel(kSubx, "Subx"));
inline constexpr int kPrpx = 92;                         static_assert(HasLabel(kPrpx, "Prpx"));
inline constexpr int kRelx = 93;                         static_assert(HasLabel(kRelx, "Relx"));
inline constexpr int kKonx = 94;                         static_assert(HasLabel(kKonx, "Konx"));
inline constexpr int kEgnx = 95;                         static_assert(HasLabel(kEgnx, "Egnx"));
inline constexpr int kIndx = 96;                         static_assert(HasLabel(kIndx, "Indx"));
inline constexpr int kNullWord = 97;                     static_assert(HasLabel(kNullWord, "Null"));
inline constexpr int kPhraseWord = 98;                   static_assert(HasLabel(kPhraseWord, "FrasP"));
inline constexpr int kInfinitive = 99;                   static_assert(HasLabel(kInfinitive, "Inf"));
inline constexpr int kPunctuation = 100;                 static_assert(HasLabel(kPunctuation, "Sklj"));
inline constexpr int kGerund = 101;                      static_assert(HasLabel(kGerund, "VPres"));
inline constexpr int kPerfectParticiple = 102;           static_assert(HasLabel(kPerfectParticiple, "VPerf"));
inline constexpr int kComma = 103;                       static_assert(HasLabel(kComma, "Komma"));
inline constexpr int kVerbalAdjective = 104;             static_assert(HasLabel(kVerbalAdjective, "VAdj"));
inline constexpr int kSppva = 120;                       static_assert(HasLabel(kSppva, "sppva"));
inline constexpr int kAdverbVerb = 130;                  static_assert(HasLabel(kAdverbVerb, "AdvVb"));

// Numbers the analysis gives or tests that have no row: a noun-adjective
// read as a participle, and three numbers kept in the tests of their groups.
inline constexpr int kNounAdjectiveParticiple = 23;
inline constexpr int kUnlisted19 = 19;
inline constexpr int kUnlisted44 = 44;
inline constexpr int kUnlisted62 = 62;
static_assert(FindWordClass(kNounAdjectiveParticiple) == nullptr && FindWordClass(kUnlisted19) == nullptr);
static_assert(FindWordClass(kUnlisted44) == nullptr && FindWordClass(kUnlisted62) == nullptr);
}  // namespace wc

// Phrase tag produced by a phrase rule; nullopt for a rule number not listed.
std::optional<std::string_view> PhraseNameOfRule(int ruleNo);

}  // namespace quelvo
