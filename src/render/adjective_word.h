#pragma once
// An adjective standing as a phrase of its own.
#include "core/translation_state.h"

namespace quelvo {

// Renders the phrases tagged "Adj" and "XAdj".
void TranslateAdjective(TranslationState& s);

}  // namespace quelvo
