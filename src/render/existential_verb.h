#pragma once
// Spanish "hay" (and "haber" without a participle): Swedish "det finns".
#include "core/translation_state.h"

namespace quelvo {

bool IsExistential(const WordNode& w);

// Emits the Swedish existential for CurWord: "finns", "fanns", "finnas" or
// "kommer att finnas", with the formal subject "det" before a finite form.
void EmitExistential(TranslationState& s);

}  // namespace quelvo
