#pragma once
// A day as the time of a clause: "el lunes" is "på måndag", or "i måndags"
// in a clause in the past; "los lunes" (every Monday) "på måndagar".
#include "core/translation_state.h"

namespace quelvo {

// Renders the phrase "NPT" (article and day, or a preposition, article and
// day): "på" or "i" or the preposition, and the day in its indefinite form.
void TranslateDayPhrase(TranslationState& s);

}  // namespace quelvo
