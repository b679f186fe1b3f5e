#pragma once
// The ways a renderer puts a Swedish word out besides the shared output steps
// of the Swedish word forms, and reading back the record of emitted words.
// Every one is null safe: with CurWord past the end of the list nothing is
// read through the missing node.
#include <string_view>

#include "core/translation_state.h"

namespace quelvo {

// Emits CurWord's own Swedish word unchanged and records it.
void EmitOwnWord(TranslationState& s, std::string_view tag);

// Emits `text` for CurWord and records it with the word's own definiteness
// mark and gender letter.
void EmitWithWordMarks(TranslationState& s, std::string_view text, std::string_view tag);

// Emits a word added to the Spanish ones (an auxiliary, "att", a held
// pronoun): counted in the record of emitted words, CurWord stays.
void EmitAdded(TranslationState& s, std::string_view text, std::string_view tag);

// Emits `text` with `outTag` in the output and records it for CurWord with
// `recordTag` in OutTags, which moves CurWord on.
void EmitRecordedAs(TranslationState& s, std::string_view text, std::string_view outTag,
                    std::string_view recordTag, char mark = ' ', char gender = ' ');

// Emits `text` for CurWord and counts it in the record of emitted words
// (`recordTag` in OutTags), then moves CurWord on without writing the word's
// own Swedish form.
void EmitAndStep(TranslationState& s, std::string_view text, std::string_view outTag, std::string_view recordTag);

// Entry `pos` of OutWords; empty outside the record.
Str30 OutWordAt(const TranslationState& s, int pos);

}  // namespace quelvo
