#pragma once
// The Spanish verbs whose Swedish rendering is a construction that takes in
// the words after the verb. Each handler starts with CurWord on the
// verb, emits what the construction needs and leaves CurWord after the
// Spanish words it took in; a construction that does not match falls back to
// the ordinary conjugation.
#include "core/translation_state.h"

namespace quelvo {

void VerbAcabar(TranslationState& s);
void VerbIr(TranslationState& s);
void VerbSer(TranslationState& s);
void VerbHacer(TranslationState& s);
void VerbTener(TranslationState& s);
void VerbParecer(TranslationState& s);

}  // namespace quelvo
