#pragma once
#include "core/translation_state.h"

namespace quelvo {

// Reads the tokens of one sentence segment from ScanPos into a new
// TokenList, separating enclitic pronouns and the contractions "al" and
// "del"; sets WordCount to the number of tokens.
void SplitSegment(TranslationState& s);

}  // namespace quelvo
