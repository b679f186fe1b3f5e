#pragma once
// Word tags set over the whole sentence.
#include "core/translation_state.h"

namespace quelvo {

// WordClassTexts, WordTags and ClassTag of every word from its class number.
void TagWordClasses(TranslationState& s);

// The verbs that take no object are tagged "vi", unless read as a gerund.
void MarkIntransitiveVerbs(TranslationState& s);

}  // namespace quelvo
