#pragma once
// The ways a verb renderer puts a Swedish word out. Every one of them is null
// safe: with CurWord at the end of the list the word still reaches the output
// and nothing is read through the missing node.
#include <string_view>

#include "core/translation_state.h"

namespace quelvo {

// The Spanish dictionary form of CurWord, empty past the end of the list.
std::string_view CurrentSpanish(const TranslationState& s);

// Emits `text` for CurWord and records it there with blank marks, moving CurWord on.
void EmitForWord(TranslationState& s, std::string_view text, std::string_view tag);

// Emits CurWord's own Swedish word unchanged.
void EmitOwnWord(TranslationState& s, std::string_view tag);

// The same with the word's own definiteness mark and gender letter kept.
void EmitForWordKeepingMarks(TranslationState& s, std::string_view text, std::string_view tag);

// Emits `text` with one tag in the output list and another in OutTags.
void EmitForWordTagged(TranslationState& s, std::string_view text, std::string_view outTag,
                       std::string_view recordTag);

// Emits an added word (an auxiliary, "att", a held pronoun): it is counted in
// the record of emitted words but CurWord stays where it is.
void EmitAddedWord(TranslationState& s, std::string_view text, std::string_view tag);

// Moves CurWord on without output.
void SkipWord(TranslationState& s);

}  // namespace quelvo
