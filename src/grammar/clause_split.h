#pragma once
// Splitting the merged phrase row into clauses, one per verb phrase.
#include "core/translation_state.h"

namespace quelvo {

// Fills VerbPhrasePos, ClauseCount and ClauseBounds from MergedPhraseList.
void SplitClauses(TranslationState& s);

}  // namespace quelvo
