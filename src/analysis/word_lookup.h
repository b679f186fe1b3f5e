#pragma once
// The word-by-word part of sentence construction: every token is run
// through a fixed cascade of lookups and analyses until one recognises it.
#include "core/translation_state.h"

namespace quelvo {

// Fills StagedWord for the token at `position` (from 1), ready to be appended.
void StageWord(TranslationState& s, const Str30& token, int position);

}  // namespace quelvo
