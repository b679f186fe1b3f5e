#pragma once
// The verb phrases of the sentence by their phrase rule.
#include "core/translation_state.h"

namespace quelvo {

// Renders the phrase at PhraseCursor from CurWord by the recipe of its rule.
// A phrase whose rule has no recipe is rendered word by word; either way the
// phrase's words are consumed exactly, so the next phrase starts on its own
// first word, and CurPhraseNo and CurWordNo advance by what was consumed.
void TranslateVerbPhrase(TranslationState& s);

}  // namespace quelvo
