#pragma once
// An adjective standing as a phrase of its own.
#include "core/translation_state.h"

namespace quelvo {

// The adjective to come is the predicative of "det är" (or of an infinitive
// subject: "att läsa är viktigt"), after any degree words, and so neuter.
bool IsNeuterPredicative(const TranslationState& s);

// The neuter predicative (det är viktigt) is the adjective's neuter singular
// by its adjective class, which leaves "bra" and "gratis" as they are.
Str30 PredicativeNeuter(TranslationState& s, const WordNode& word);

// Renders the phrases tagged "Adj" and "XAdj".
void TranslateAdjective(TranslationState& s);

}  // namespace quelvo
