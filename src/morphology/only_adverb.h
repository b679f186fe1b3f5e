#pragma once
// "solo", written without its accent as the spelling now allows, is the
// adverb "sólo" before what it limits: "solo quiero dormir" is "jag vill
// bara sova", while "vive solo" stays "bor ensam".
#include "core/translation_state.h"

namespace quelvo {

// Gives "solo" the entry of "sólo" before a finite verb, an object pronoun
// or a numeral.
void ResolveOnlyAdverb(TranslationState& s);

}  // namespace quelvo
