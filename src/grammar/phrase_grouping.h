#pragma once
// From word tags to phrases: grouping by the phrase grammar, then joining a
// preposition with the noun phrase after it.
#include "core/translation_state.h"

namespace quelvo {

// Builds PhraseList from WordTags[1..WordCount].
void GroupWordsIntoPhrases(TranslationState& s);

// Builds MergedPhraseList from PhraseList (which it then empties): a
// preposition followed by a noun phrase becomes one "NPP" phrase.
void MergePrepositionPhrases(TranslationState& s);

}  // namespace quelvo
