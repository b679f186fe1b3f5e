#pragma once
// Multi-word expressions of the phrase file become single words.
#include "core/translation_state.h"

namespace quelvo {

// At every word the dictionary marks as a possible phrase start, a phrase
// of the phrase file that matches the following words turns the first word
// into the whole expression and removes the others. WordClassNos and
// WordPersonNos follow the words; WordCount becomes the words left.
void ReplacePhrases(TranslationState& s);

// Unlinks one word from WordList, keeping its head and tail right.
void DeleteNode(TranslationState& s, WordNode* node);

// "vivir de" is rendered with "leva".
void VivirDePass(TranslationState& s);

}  // namespace quelvo
