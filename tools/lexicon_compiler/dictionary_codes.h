#pragma once
// How the readable names of the sources become the numeric dictionary codes.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace quelvo::lexc {

// Where each part of a code sits.
inline constexpr int kClassBits = 6;                  // SpCode1, SvCode1: the word class, 0..63
inline constexpr int kComparisonShift = 7;            // SvCode1: comparison group, 3 bits
inline constexpr int kAdjectiveShift = 6;             // SvCode2: adjective class, 5 bits
inline constexpr int kGenderShift = 11;               // SvCode2: gender, 3 bits
inline constexpr std::uint16_t kDeclensionMask = 63;  // SvCode2: declension class
inline constexpr std::uint16_t kVerbGroupMask = 31;   // SvCode3: verb group

inline constexpr int kMaxEntryNumber = 99999;  // "SvFile.txt" keeps five characters
inline constexpr int kMaxDeclension = 41;
inline constexpr int kMaxAdjectiveClass = 20;
inline constexpr int kMaxComparisonGroup = 7;
inline constexpr int kMaxVerbGroup = 13;
inline constexpr int kIrregularVerbGroup = 9;
inline constexpr int kSVerbGroup = 12;
inline constexpr int kNounClass = 1;

enum class CodeField { SpCode1, SpCode2, SpCode3, SvCode3 };

struct FlagName {
    std::string_view name;
    CodeField field;
    std::uint16_t bits;
};

// The flag bits the rules test, by the names the sources use.
inline constexpr FlagName kDictionaryFlags[] = {
    {"phrase-start", CodeField::SpCode1, 1U << 6},
    {"sppva", CodeField::SpCode1, 1U << 11},
    {"flagged", CodeField::SpCode1, 1U << 12},
    {"participle-noun", CodeField::SpCode2, 1U << 4},
    {"noun-adj", CodeField::SpCode2, 1U << 11},
    {"verb-adj", CodeField::SpCode2, 1U << 12},
    {"drop-a", CodeField::SpCode3, 3},
    {"infinitive-att", CodeField::SpCode3, 1U << 2},
    {"s-verb", CodeField::SvCode3, 1U << 7},
};

struct NamedValue {
    std::string_view name;
    int value;
};

// Form codes a line of "Spvb.dat" may carry.
inline constexpr NamedValue kVerbFormCodes[] = {
    {"present", 4},
    {"imperfect", 5},
    {"preterite", 6},
    {"present-or-preterite", 7},
    {"future", 8},
    {"conditional", 9},
    {"participle", 10},
    {"gerund", 11},
    {"participle-plural", 14},
    {"present-subjunctive", 20},
    {"imperfect-subjunctive", 21},
    {"imperfect-subjunctive-2", 22},
    {"special-present", 450},
    {"special-present-2", 455},
    {"special-imperfect", 460},
    {"special-subjunctive", 462},
    {"special-subjunctive-2", 463},
    {"special-preterite", 470},
    {"special-future", 475},
    {"special-conditional", 476},
    {"special-participle", 480},
};

// The first-part form of a word in a Swedish compound (SvCode4).
inline constexpr NamedValue kCompoundForms[] = {
    {"as-is", 1},     {"add-s", 2},     {"last-to-e", 3}, {"last-to-o", 4},
    {"last-to-s", 5}, {"drop-last", 6}, {"add-e", 7},     {"listed", 8},
};

// Gender letters in the order of their codes 0..3.
inline constexpr std::string_view kGenderLetters = "mfnt";

// Class words of a multi-word expression ("FrasText.txt").
inline constexpr std::string_view kPhraseClassWords[] = {"adj", "adv", "sub", "prep", "rel", "konj", "indf"};

struct RuleNamedEntry {
    int number;
    std::string_view word;  // code page 1252
    std::string_view use;
};

// Swedish entries that the rules fetch by number.
inline constexpr RuleNamedEntry kRuleNamedEntries[] = {
    {147, "kunna", "the forms of \"poder\""},
    {1263, "f\xF6rs\xF6ka", "\"intentar\" + infinitive"},
    {2059, "p\xE5minna", "\"recordar a\""},
    {5008, "cirkulera", "\"circular\" as a verb"},
    {9031, "tendera", "\"tender a\""},
};

const FlagName* FindFlag(std::string_view name);
std::optional<int> FindNamedValue(std::span<const NamedValue> table, std::string_view name);
bool IsPhraseClassWord(std::string_view word);
std::optional<int> GenderCode(std::string_view letter);

}  // namespace quelvo::lexc
