#pragma once
// Verbs whose person object Swedish says with a preposition ("cuéntame":
// berätta för mig, "dímelo": säg det till mig); the dictionary marks them.
#include "core/translation_state.h"

namespace quelvo {

// Every person pronoun ("me", "te", "nos", "os", "le", "les") that is the
// object of a verb flagged "dative-for" or "dative-till" takes the
// preposition before its Swedish word.
void ResolveDativePronouns(TranslationState& s);

}  // namespace quelvo
