#pragma once
// Small output steps shared by the Swedish word-form routines.
#include <string_view>

#include "core/translation_state.h"

namespace quelvo {

// The Spanish dictionary form of a word; empty when there is no word.
std::string_view SpWordOf(const WordNode* word);

// Emits a word that belongs to no Spanish word of its own (an auxiliary, a
// particle, an inserted pronoun): it goes to the output and into the segment's
// record of tags and words, and CurWord stays where it is.
void EmitCounted(TranslationState& s, std::string_view spWord, std::string_view word, std::string_view tag);

// Emits the translation of CurWord and records it, which moves CurWord on.
void EmitAndRecord(TranslationState& s, std::string_view word, std::string_view tag, char mark = ' ',
                   char gender = ' ');

// Moves CurWord and PhraseCursor one step on, stopping at the list ends.
void AdvanceWord(TranslationState& s);
void AdvancePhrase(TranslationState& s);

}  // namespace quelvo
