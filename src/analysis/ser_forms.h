#pragma once
#include "core/translation_state.h"

namespace quelvo {

// Two forms of "ser" that also serve other verbs: "fue" before "a" and an
// infinitive is a form of "ir" (an auxiliary), and "era" is the auxiliary
// "var" unless an article makes it the noun.
void PrepareSerForms(TranslationState& s);

}  // namespace quelvo
