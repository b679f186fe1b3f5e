#pragma once
// Spanish adverbs in Swedish.
#include "core/translation_state.h"

namespace quelvo {

// Emits the Swedish adverb for CurWord and moves CurWord on; the counters are
// the caller's. The phrase renderers use it for the adverbs inside their
// phrases.
void EmitAdverb(TranslationState& s);

// Renders the phrase tagged "Adv".
void TranslateAdverb(TranslationState& s);

}  // namespace quelvo
