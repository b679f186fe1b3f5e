#pragma once
// The gender that words after the verb agree with when the subject ends in
// a "de" complement.
#include "core/translation_state.h"

namespace quelvo {

// A noun after "de" (la puerta del garaje, la casa de mi abuela) completes
// the noun before it. Every word carries the gender of the last noun before
// it, so a predicative after the verb would agree with the complement
// ("dörren ... är stängt"); from the verb on, the words carry the head
// noun's gender instead, up to the next noun.
void CarryHeadNounGender(TranslationState& s);

}  // namespace quelvo
