#pragma once
// "doler": what aches is the Spanish subject and the one it aches the object
// pronoun ("me duele la cabeza"); Swedish makes the one it aches the subject
// and says the body part after "ont i" ("jag har ont i huvudet").
#include "core/translation_state.h"

namespace quelvo {

// With CurWord on "doler": "ha ont i" after an object pronoun that becomes
// the subject ("ont någonstans" for "algo"), "göra ont" otherwise.
void VerbDoler(TranslationState& s);

}  // namespace quelvo
