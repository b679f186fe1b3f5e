#pragma once
// Spanish adverbs in Swedish.
#include <string_view>

#include "core/translation_state.h"

namespace quelvo {

// Emits the Swedish adverb for CurWord and moves CurWord on; the counters are
// the caller's. The phrase renderers use it for the adverbs inside their
// phrases. The output tag tells the word-order pass the adverb's kind.
void EmitAdverb(TranslationState& s);

// Emits CurWord, an adverb of several words ("a menudo": ofta), and moves
// CurWord on: tagged by its kind, else `plainTag`, and recorded as `recordTag`.
void EmitAdverbPhrase(TranslationState& s, std::string_view plainTag, std::string_view recordTag);

// Renders the phrase tagged "Adv".
void TranslateAdverb(TranslationState& s);

}  // namespace quelvo
