#pragma once
// Reaching a phrase of the merged list by its number, together with its
// first word: the role rules rewrite word tags by position, so they step
// through words and phrases side by side.
#include <initializer_list>
#include <string_view>

#include "core/translation_state.h"

namespace quelvo {

struct PhraseAt {
    PhraseNode* phrase = nullptr;  // null past the end of the list
    int wordIndex = 1;             // position of the phrase's first word in WordTags
    WordNode* word = nullptr;      // that word, null past the end of the words
};

// Phrase number `first` (counted from 1), its first word's position and node.
PhraseAt SeekPhrase(TranslationState& s, int first);

// Moves on to the next phrase and past the words of the current one.
void StepPhrase(PhraseAt& at);

// Visits phrases first..last, stopping early at the end of the list.
template <typename Visit>
void ForEachPhraseIn(TranslationState& s, int first, int last, Visit&& visit) {
    if (first < 1) first = 1;
    PhraseAt at = SeekPhrase(s, first);
    for (int n = first; n <= last && at.phrase != nullptr; ++n, StepPhrase(at)) visit(at);
}

inline bool TagIn(std::string_view tag, std::initializer_list<std::string_view> tags) {
    for (std::string_view t : tags)
        if (tag == t) return true;
    return false;
}

inline std::string_view TagOf(const PhraseNode* phrase) { return phrase != nullptr ? phrase->Tag.view() : ""; }

}  // namespace quelvo
