#pragma once
// Determiners standing as phrases of their own.
#include "core/translation_state.h"

namespace quelvo {

void TranslateDetWord(TranslationState& s);   // phrases tagged "Det"
void TranslateIndfWord(TranslationState& s);  // phrases tagged "Indf"

}  // namespace quelvo
