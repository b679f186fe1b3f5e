#pragma once
// Verb phrases by their phrase rule. The renderer starts at CurWord, leaves
// CurWord on the first word it did not consume and advances CurPhraseNo and
// CurWordNo; a construction that takes in the next phrase moves PhraseCursor.
#include "core/translation_state.h"

namespace quelvo {

void TranslateVerbPhrase(TranslationState& s);

}  // namespace quelvo
