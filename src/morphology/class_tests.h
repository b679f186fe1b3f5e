#pragma once
// Small tests on word-class numbers and words that the rules repeat.
#include <initializer_list>
#include <string_view>

#include "core/form_codes.h"
#include "core/records.h"
#include "core/word_classes.h"

namespace quelvo {

constexpr bool Between(int value, int low, int high) { return value >= low && value <= high; }

template <typename T>
constexpr bool OneOf(const T& value, std::initializer_list<T> choices) {
    for (const T& c : choices)
        if (value == c) return true;
    return false;
}

inline bool OneOf(std::string_view value, std::initializer_list<std::string_view> choices) {
    return OneOf<std::string_view>(value, choices);
}

// A verb as the dictionary classes it: plain, or with a second reading.
constexpr bool IsVerbClass(int spClass) { return spClass == wc::kVerb || Between(spClass, wc::kVerbAdjectiveNoun, wc::kUnlisted44); }

// A verb, an auxiliary or "haber" as the dictionary classes them.
constexpr bool IsAnyVerbClass(int spClass) {
    return IsVerbClass(spClass) || spClass == wc::kAuxiliary || spClass == wc::kVerbAuxiliary;
}

// The determiners and demonstratives: 15 and 47..49.
constexpr bool IsDeterminerClass(int spClass) { return spClass == wc::kDeterminer || Between(spClass, wc::kDemonstrative, wc::kRkif); }

inline bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// The SpWord of a neighbour, empty when there is none.
inline std::string_view SpWordOf(const WordNode* node) {
    return node != nullptr ? node->SpWord.view() : std::string_view{};
}

// The class and form code of a neighbour; kNoWord when there is none, which
// no rule tests for, so a rule about an absent neighbour never applies.
inline constexpr int kNoWord = -1;
inline int SpClassOf(const WordNode* node) { return node != nullptr ? node->SpClass : kNoWord; }
inline int FormCodeOf(const WordNode* node) { return node != nullptr ? node->FormCode : kNoWord; }

inline bool IsPluralNoun(const WordNode* w) { return w != nullptr && w->SpClass == wc::kNoun && w->FormCode == fc::kPlural; }

// A name, a subject pronoun or a noun of a person (masculine or feminine).
inline bool IsPersonWord(const WordNode* w) {
    if (w == nullptr) return false;
    if (w->SpClass == wc::kProperName || w->SpClass == wc::kSubjectPronoun) return true;
    return w->SpClass == wc::kNoun && (w->Gender == 'm' || w->Gender == 'f');
}

}  // namespace quelvo
