#pragma once
// The phrase grammar as sentence construction runs it.
#include "core/translation_state.h"

namespace quelvo {

// Grouping, merging, clause split, the noun-phrase marks, then the role
// rules, in that order; leaves MergedPhraseList ready for the dispatch.
void RunPhraseGrammar(TranslationState& s);

}  // namespace quelvo
