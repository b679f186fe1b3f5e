#pragma once
// How a person is: "estar bien" of a person is "må bra", and "¿cómo estás?"
// asks "hur mår du?".
#include "core/translation_state.h"

namespace quelvo {

// A finite "estar" whose subject is a person, before "bien", "mal",
// "mejor" or "peor" (a degree word may stand between) or after a question's
// "cómo", takes the Swedish "må"; "mal" is then the adverb "dåligt".
void ResolveWellBeing(TranslationState& s);

}  // namespace quelvo
