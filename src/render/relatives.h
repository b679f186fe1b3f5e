#pragma once
// Relative pronouns.
#include "core/translation_state.h"

namespace quelvo {

void TranslateRelative(TranslationState& s);  // phrases tagged "NPS_R" and "Rel"
void TranslateRelx(TranslationState& s);      // phrases tagged "Relx"

}  // namespace quelvo
