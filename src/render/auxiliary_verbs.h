#pragma once
// An auxiliary with the verb it governs.
#include "core/translation_state.h"

namespace quelvo {

// CurWord on the auxiliary: the auxiliary conjugated (tag "hjv"), then the
// verb after it by TranslateVerbWord.
void EmitAuxiliaryAndVerb(TranslationState& s);

// CurWord on the word before a verb (an auxiliary such as "estar"): that word
// gives its tense to the verb after it and is not itself rendered ("está
// comiendo" is the present of the verb, "estaba comiendo" its past, a
// conditional auxiliary gives "skulle" and the verb's dictionary form).
void EmitVerbAfterAuxiliary(TranslationState& s);

}  // namespace quelvo
