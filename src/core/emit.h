#pragma once
// The two operations through which every renderer records a Swedish word.
#include <string_view>

#include "core/translation_state.h"

namespace quelvo {

// Adds a word to the segment's output, capitalised when it opens the segment
// or follows a lone ".".
void EmitOutWord(TranslationState& s, std::string_view spWord, std::string_view svText,
                 std::string_view svText2, std::string_view tag);

// Records the form for CurWord and moves CurWord on.
void EmitWord(TranslationState& s, std::string_view form, std::string_view tag1, std::string_view tag2,
              char defMark, char gender);

// The same bookkeeping as EmitWord without moving CurWord.
void RecordOutWord(TranslationState& s, std::string_view word, std::string_view tag);

}  // namespace quelvo
