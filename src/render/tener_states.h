#pragma once
// "tener" + a bare noun that names a state of the subject ("tengo hambre",
// "tienes razón"): Swedish says most of them with "vara" and an adjective
// ("är hungrig"), a few with a verb of their own ("fryser") or with "ha" and
// another noun ("har rätt").
#include "core/translation_state.h"

namespace quelvo {

// With CurWord on "tener" followed by a state noun (after "mucho"/"mucha" or
// not) that makes whole phrases of its own: emits the Swedish construction,
// takes the noun in and returns true; false, emitting nothing, otherwise.
bool EmitTenerState(TranslationState& s);

}  // namespace quelvo
