#pragma once
#include "core/translation_state.h"

namespace quelvo {

// Puts blanks around punctuation in InputText so that every mark becomes a
// token of its own, and adjusts TextLen to match.
void SpacePunctuation(TranslationState& s);

}  // namespace quelvo
