#pragma once
// When a verb phrase followed by a noun phrase is used without an object:
// the noun phrase is then its subject.
#include "grammar/phrase_walk.h"

namespace quelvo {

// Runs the intransitivity tests on the verb phrase at `at` in order; the
// first that holds retags the phrase "VPI", marks its verb and returns true.
bool MarkIntransitiveUse(TranslationState& s, const PhraseAt& at);

}  // namespace quelvo
