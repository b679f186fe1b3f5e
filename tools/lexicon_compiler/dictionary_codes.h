#pragma once
// How the readable names of the sources become the numeric dictionary codes.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/form_codes.h"
#include "lexicon/dictionary_format.h"

namespace quelvo::lexc {

struct FlagName {
    std::string_view name;
    CodeField field;
    std::uint16_t bits;

    constexpr FlagName(std::string_view n, DictionaryFlag flag) : name(n), field(flag.field), bits(flag.bits) {}
};

// The flag bits the rules test, by the names the sources use.
inline constexpr FlagName kDictionaryFlags[] = {
    {"phrase-start", kPhraseStartFlag},       {"sppva", kSppvaFlag},     {"flagged", kFlaggedFlag},
    {"participle-noun", kParticipleNounFlag}, {"noun-adj", kNounAdjFlag}, {"verb-adj", kVerbAdjFlag},
    {"drop-a", kDropAFlag},                   {"infinitive-att", kInfinitiveAttFlag}, {"s-verb", kSVerbFlag},
    {"de-from", kDeFromFlag},                 {"de-about", kDeAboutFlag}, {"de-none", kDeNoneFlag},
    {"on-place", kOnPlaceFlag},               {"measure", kMeasureFlag},
    {"de-on", kDeOnFlag},                     {"de-to", kDeToFlag},
    {"reflexive", kReflexiveFlag},            {"own-reflexive", kOwnReflexiveFlag},
    {"dative-for", kDativeForFlag},           {"dative-till", kDativeTillFlag},
    {"clause-adverb", kClauseAdverbFlag},     {"manner", kMannerAdverbFlag},
    {"focus", kFocusAdverbFlag},              {"site", kSiteFlag},
    {"destination", kDestinationFlag},
};

struct NamedValue {
    std::string_view name;
    int value;
};

// Form codes a line of "Spvb.dat" may carry.
inline constexpr NamedValue kVerbFormCodes[] = {
    {"present", fc::kPresent},
    {"imperfect", fc::kImperfect},
    {"preterite", fc::kPreterite},
    {"present-or-preterite", fc::kPresentOrPreterite},
    {"future", fc::kFuture},
    {"conditional", fc::kConditional},
    {"participle", fc::kParticiple},
    {"gerund", fc::kGerund},
    {"participle-plural", fc::kParticiplePlural},
    {"present-subjunctive", fc::kPresentSubjunctive},
    {"imperfect-subjunctive", fc::kImperfectSubjunctive},
    {"imperfect-subjunctive-2", fc::kImperfectSubjunctive2},
    {"special-present", fc::kSpecialPresent},
    {"special-present-2", fc::kSpecialPresent2},
    {"special-imperfect", fc::kSpecialImperfect},
    {"special-subjunctive", fc::kSpecialSubjunctive},
    {"special-subjunctive-2", fc::kSpecialSubjunctive2},
    {"special-preterite", fc::kSpecialPreterite},
    {"special-future", fc::kSpecialFuture},
    {"special-conditional", fc::kSpecialConditional},
    {"special-participle", fc::kSpecialParticiple},
};

// The first-part form of a word in a Swedish compound (SvCode4).
constexpr NamedValue Compound(std::string_view name, CompoundForm form) { return {name, static_cast<int>(form)}; }
inline constexpr NamedValue kCompoundForms[] = {
    Compound("as-is", CompoundForm::AsIs),         Compound("add-s", CompoundForm::AddS),
    Compound("last-to-e", CompoundForm::LastToE),  Compound("last-to-o", CompoundForm::LastToO),
    Compound("last-to-s", CompoundForm::LastToS),  Compound("drop-last", CompoundForm::DropLast),
    Compound("add-e", CompoundForm::AddE),         Compound("listed", CompoundForm::Listed),
};

// Class words of a multi-word expression ("FrasText.txt").
inline constexpr std::string_view kPhraseClassWords[] = {"adj", "adv", "sub", "prep", "rel", "konj", "indf"};

struct RuleNamedEntry {
    int number;
    std::string_view word;  // code page 1252
    std::string_view use;
};

// Swedish entries that the rules fetch by number.
inline constexpr RuleNamedEntry kRuleNamedEntries[] = {
    {EntryNumberOf(kKunnaEntry), kKunnaEntry.word, "the forms of \"poder\""},
    {1263, "f\xF6rs\xF6ka", "\"intentar\" + infinitive"},
    {2059, "p\xE5minna", "\"recordar a\""},
    {EntryNumberOf(kCirkuleraEntry), kCirkuleraEntry.word, "\"circular\" as a verb"},
    {9031, "tendera", "\"tender a\""},
};

const FlagName* FindFlag(std::string_view name);
std::optional<int> FindNamedValue(std::span<const NamedValue> table, std::string_view name);
bool IsPhraseClassWord(std::string_view word);
std::optional<int> GenderCode(std::string_view letter);

}  // namespace quelvo::lexc
