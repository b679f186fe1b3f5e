#pragma once
// Splitting the merged phrase row into clauses, one per verb phrase.
#include "core/translation_state.h"

namespace quelvo {

// Fills VerbPhrasePos, ClauseCount and ClauseBounds from MergedPhraseList.
void SplitClauses(TranslationState& s);

// The clause holding phrase CurPhraseNo (the last one whose bounds enclose
// it), or 0 when no clause does.
int ClauseOfPhrase(const TranslationState& s);

}  // namespace quelvo
