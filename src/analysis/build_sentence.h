#pragma once
#include "core/translation_state.h"

namespace quelvo {

// Turns the segment's TokenList into the analysed WordList with its
// per-word arrays, then runs every sentence pass up to the phrase list that
// the dispatch walks.
void BuildSentence(TranslationState& s);

}  // namespace quelvo
