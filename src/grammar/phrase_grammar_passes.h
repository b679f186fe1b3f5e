#pragma once
#include "core/translation_state.h"

namespace quelvo {

// The phrase grammar of a built sentence, in order: grouping the word tags
// into phrases, merging prepositions with their noun phrases, splitting the
// clauses, marking coordinated, comma-enclosed and prepositional noun
// phrases, and the role rules of each clause pattern.
void RunPhraseGrammar(TranslationState& s);

}  // namespace quelvo
