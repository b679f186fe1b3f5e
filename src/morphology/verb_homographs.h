#pragma once
// Words that are a noun or a conjunction in the dictionary and also a form
// of a verb ("cocina", "trabajo", "como", "canto", "paseo").
#include "core/translation_state.h"

namespace quelvo {

// A clause without a finite verb takes the verb reading of such a word
// where a verb belongs: first in the clause, after an opening adverb, or
// right after its subject ("mi padre cocina", "canto en un coro").
void ResolveVerbHomographs(TranslationState& s);

}  // namespace quelvo
