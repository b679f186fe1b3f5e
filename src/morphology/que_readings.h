#pragma once
// Verbs that Swedish says with another verb before a "que" clause
// ("espero que": "hoppas att", while "espero el tren" is "väntar på").
#include "core/translation_state.h"

namespace quelvo {

// Every verb right before "que" whose infinitive + " que" has a form entry
// takes that entry's Swedish verb.
void ResolveVerbsBeforeQue(TranslationState& s);

}  // namespace quelvo
