#pragma once
// The compiled dictionary files, as the lexicon compiler writes them and the
// dictionary readers read them: file names, where each part of a code sits,
// the flag bits, field capacities and the layouts of the record files.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quelvo {

// The seven files of a data directory.
inline constexpr std::string_view kSpanishWordsFileName = "SpOrd.txt";
inline constexpr std::string_view kSwedishEntriesFileName = "SvFile.txt";
inline constexpr std::string_view kFormEntriesFileName = "SbAdj.txt";
inline constexpr std::string_view kPhrasesFileName = "FrasText.txt";
inline constexpr std::string_view kVerbFormsFileName = "Spvb.dat";
inline constexpr std::string_view kIrregularVerbsFileName = "SvVerb1.pek";
inline constexpr std::string_view kIrregularNounsFileName = "OregSubs.pek";

// The text files end their lines in CR LF. "!" where a record starts ends
// "SpOrd.txt", "SvFile.txt", "SbAdj.txt" and "Spvb.dat".
inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr char kEndMark = '!';

// "FrasText.txt": "+" opens a section, its first word ends at "&"; its
// records ("spanish/swedish/class word/number") are separated by "," and the
// last is closed by "."; "#" where a section would open ends the file.
inline constexpr char kSectionMark = '+';
inline constexpr char kSectionKeyEnd = '&';
inline constexpr char kPhraseFieldEnd = '/';
inline constexpr char kRecordSeparator = ',';
inline constexpr char kSectionEnd = '.';
inline constexpr char kPhraseFileEnd = '#';
inline constexpr char kSectionOrFileEnd[] = {kSectionMark, kPhraseFileEnd, '\0'};
inline constexpr char kFieldOrSectionEnd[] = {kPhraseFieldEnd, kSectionEnd, '\0'};
inline constexpr char kRecordOrSectionEnd[] = {kRecordSeparator, kSectionEnd, '\0'};
inline constexpr char kPhraseMarks[] = {kPhraseFieldEnd, kRecordSeparator, kSectionEnd, kSectionKeyEnd,
                                        kSectionMark,    kPhraseFileEnd,   '\0'};

// Where each part of a 16-bit code sits.
inline constexpr int kClassBits = 6;                                   // SpCode1, SvCode1: the word class
inline constexpr std::uint16_t kClassMask = (1U << kClassBits) - 1;    // 0..63
inline constexpr int kComparisonShift = 7;                             // SvCode1: comparison group, 3 bits
inline constexpr std::uint16_t kComparisonMask = 7;
inline constexpr std::uint16_t kDeclensionMask = 63;                   // SvCode2: declension class
inline constexpr int kAdjectiveShift = 6;                              // SvCode2: adjective class, 5 bits
inline constexpr std::uint16_t kAdjectiveMask = 31;
inline constexpr int kGenderShift = 11;                                // SvCode2: gender, 3 bits
inline constexpr std::uint16_t kGenderMask = 7;
inline constexpr std::uint16_t kVerbGroupMask = 31;                    // SvCode3: verb group

constexpr std::uint16_t ClassOfCode(std::uint16_t code) { return code & kClassMask; }
constexpr int ComparisonGroupBits(std::uint16_t svCode1) { return (svCode1 >> kComparisonShift) & kComparisonMask; }
constexpr int DeclensionOf(std::uint16_t svCode2) { return svCode2 & kDeclensionMask; }
constexpr int AdjClassOf(std::uint16_t svCode2) { return (svCode2 >> kAdjectiveShift) & kAdjectiveMask; }
constexpr int GenderBits(std::uint16_t svCode2) { return (svCode2 >> kGenderShift) & kGenderMask; }
constexpr int VerbGroupBits(std::uint16_t svCode3) { return svCode3 & kVerbGroupMask; }

// Gender letters in the order of their codes 0..3.
inline constexpr std::string_view kGenderLetters = "mfnt";

// The values the parts may take.
inline constexpr int kMaxEntryNumber = 99999;  // "SvFile.txt" keeps five characters
inline constexpr int kMaxDeclension = 41;
inline constexpr int kMaxAdjectiveClass = 20;
inline constexpr int kMaxComparisonGroup = 7;
inline constexpr int kMaxVerbGroup = 13;
inline constexpr int kIrregularVerbGroup = 9;   // forms from "SvVerb1.pek"
inline constexpr int kSVerbGroup = 12;          // a verb whose dictionary form ends in "s"
inline constexpr int kIrregularDeclension = 15;     // forms from "OregSubs.pek"
inline constexpr int kIrregularDeclension2 = 22;    // read as 15
inline constexpr int kSpecialDeclension = 41;
static_assert(kMaxDeclension <= kDeclensionMask && kMaxAdjectiveClass <= kAdjectiveMask);
static_assert(kMaxComparisonGroup <= kComparisonMask && kMaxVerbGroup <= kVerbGroupMask);
static_assert(kGenderLetters.size() <= kGenderMask + 1U);

// The first-part form of a word in a Swedish compound (SvCode4).
enum class CompoundForm : std::uint16_t {
    AsIs = 1, AddS, LastToE, LastToO, LastToS, DropLast, AddE, Listed,
};
// The low three bits of SvCode4: non-zero for the forms 1 to 7.
inline constexpr std::uint16_t kCompoundRuleMask = 7;

// The flag bits the rules test, each in its code.
enum class CodeField { SpCode1, SpCode2, SpCode3, SvCode3 };
struct DictionaryFlag {
    CodeField field;
    std::uint16_t bits;  // all of them set
};
inline constexpr DictionaryFlag kPhraseStartFlag{CodeField::SpCode1, 1U << 6};  // a multi-word expression may start here
inline constexpr DictionaryFlag kSppvaFlag{CodeField::SpCode1, 1U << 11};       // a participle read as a perfect after "haber"
inline constexpr DictionaryFlag kFlaggedFlag{CodeField::SpCode1, 1U << 12};
inline constexpr DictionaryFlag kParticipleNounFlag{CodeField::SpCode2, 1U << 4};
inline constexpr DictionaryFlag kNounAdjFlag{CodeField::SpCode2, 1U << 11};
inline constexpr DictionaryFlag kVerbAdjFlag{CodeField::SpCode2, 1U << 12};
inline constexpr DictionaryFlag kDropAFlag{CodeField::SpCode3, 3};               // the object takes no "a"
inline constexpr DictionaryFlag kReflexiveFlag{CodeField::SpCode3, 1U << 5};      // reflexive in Swedish too
inline constexpr DictionaryFlag kOwnReflexiveFlag{CodeField::SpCode3, 1U << 6};   // reflexive use has its own verb
inline constexpr DictionaryFlag kInfinitiveAttFlag{CodeField::SpCode3, 1U << 7};  // an infinitive object takes "att"
inline constexpr DictionaryFlag kDativeForFlag{CodeField::SpCode3, 1U << 8};      // a person pronoun object is "för mig"
inline constexpr DictionaryFlag kDativeTillFlag{CodeField::SpCode3, 1U << 9};     // a person pronoun object is "till mig"
// A place one travels to: "ir" + "a" + it is "åka till" (ir a la playa).
inline constexpr DictionaryFlag kDestinationFlag{CodeField::SpCode3, 1U << 14};
inline constexpr DictionaryFlag kSVerbFlag{CodeField::SvCode3, 1U << 7};
// A building or place, which "estar" places with "ligga" (la estación está
// en el centro: stationen ligger i centrum).
inline constexpr DictionaryFlag kSiteFlag{CodeField::SpCode3, 1U << 12};
// What "de" after a verb becomes: "från" (venir de), "om" (hablar de), or
// nothing, the Swedish verb taking an object (salir de: lämna).
inline constexpr DictionaryFlag kDeFromFlag{CodeField::SpCode3, 1U << 2};
inline constexpr DictionaryFlag kDeAboutFlag{CodeField::SpCode3, 1U << 3};
inline constexpr DictionaryFlag kDeNoneFlag{CodeField::SpCode3, 1U << 4};
// A noun that Swedish places with "på" where Spanish says "en" (på stationen).
inline constexpr DictionaryFlag kOnPlaceFlag{CodeField::SvCode3, 1U << 8};
// A container or measure: what it holds follows without a preposition (en kopp kaffe).
inline constexpr DictionaryFlag kMeasureFlag{CodeField::SvCode3, 1U << 9};
// A noun whose "de" complement Swedish gives with "på" (el precio del pan:
// priset på brödet) or "till" (la llave de la casa: nyckeln till huset).
inline constexpr DictionaryFlag kDeOnFlag{CodeField::SvCode3, 1U << 10};
inline constexpr DictionaryFlag kDeToFlag{CodeField::SvCode3, 1U << 11};
// The kind of an adverb, which decides where Swedish puts it: a clause
// adverb (alltid, verkligen) stands after the finite verb, never first in a
// statement; a manner adverb (perfekt, bra) follows the verb's object; a
// focus adverb (bara, nästan) before a subject belongs to it (bara Juan).
inline constexpr DictionaryFlag kClauseAdverbFlag{CodeField::SvCode3, 1U << 12};
inline constexpr DictionaryFlag kMannerAdverbFlag{CodeField::SvCode3, 1U << 13};
inline constexpr DictionaryFlag kFocusAdverbFlag{CodeField::SvCode3, 1U << 14};

constexpr bool HasFlag(std::uint16_t code, DictionaryFlag flag) { return (code & flag.bits) == flag.bits; }

// Field buffers of the text files, terminator included: a field keeps one
// character less.
inline constexpr std::size_t kWordFieldCapacity = 20;    // "SpOrd.txt", "SvFile.txt", "SbAdj.txt" words and codes
inline constexpr std::size_t kEntryNumberCapacity = 6;   // an entry number of five characters
inline constexpr std::size_t kPhraseFieldCapacity = 30;  // "FrasText.txt" texts
inline constexpr std::size_t kVerbFormChars = 30;        // "Spvb.dat" fields, no terminator
inline constexpr std::size_t kMaxVerbForms = 6;          // "Spvb.dat": a form for each person
static_assert(kMaxEntryNumber < 100000 && kEntryNumberCapacity == 5 + 1);

// The record files: records of length-prefixed strings (a length byte, then
// the characters, zeros up to the capacity).
inline constexpr std::size_t kShortRecordChars = 20;
inline constexpr std::size_t kLongRecordChars = 30;
inline constexpr std::array<std::size_t, 6> kIrregularVerbChars{kShortRecordChars, kShortRecordChars, kShortRecordChars,
                                                               kShortRecordChars, kShortRecordChars, kLongRecordChars};
inline constexpr std::array<std::size_t, 4> kIrregularNounChars{kLongRecordChars, kLongRecordChars, kLongRecordChars,
                                                               kLongRecordChars};
inline constexpr std::size_t kIrregularVerbPadding = 0;
inline constexpr std::size_t kIrregularNounPadding = 8;  // unread

// Where string `field` of a record starts.
template <std::size_t N>
constexpr std::size_t FieldOffset(const std::array<std::size_t, N>& chars, std::size_t field) {
    std::size_t offset = 0;
    for (std::size_t i = 0; i < field; ++i) offset += chars[i] + 1;
    return offset;
}

inline constexpr std::size_t kIrregularVerbRecordSize =
    FieldOffset(kIrregularVerbChars, kIrregularVerbChars.size()) + kIrregularVerbPadding;
inline constexpr std::size_t kIrregularNounRecordSize =
    FieldOffset(kIrregularNounChars, kIrregularNounChars.size()) + kIrregularNounPadding;
static_assert(kIrregularVerbRecordSize == 136 && kIrregularNounRecordSize == 132);

// Swedish entries the rules fetch by number, with the word they must hold.
struct NumberedEntry {
    std::string_view key;   // the entry number as SvKey holds it
    std::string_view word;  // code page 1252
};
inline constexpr NumberedEntry kKunnaEntry{"147", "kunna"};           // the forms of "poder"
inline constexpr NumberedEntry kCirkuleraEntry{"5008", "cirkulera"};  // "circular" as a verb

constexpr int EntryNumberOf(const NumberedEntry& entry) {
    int number = 0;
    for (const char digit : entry.key) number = number * 10 + (digit - '0');
    return number;
}

}  // namespace quelvo
