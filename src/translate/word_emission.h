#pragma once
// Emission steps of the renderers whose output tag and recorded tag differ,
// and reading back the record of emitted words.
#include <string_view>

#include "core/translation_state.h"

namespace quelvo {

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
