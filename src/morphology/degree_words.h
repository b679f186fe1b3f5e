#pragma once
// Degree words that Swedish says otherwise before an adjective or adverb than
// alone: "demasiado caro" is "för dyrt", "habla demasiado" "för mycket".
#include "core/translation_state.h"

namespace quelvo {

// Gives a degree word before an adjective or an adverb its Swedish word
// for that place, and before a plural noun the word that counts.
void ResolveDegreeWords(TranslationState& s);

}  // namespace quelvo
