#pragma once
// The Spanish verbs whose Swedish rendering is a construction or another
// verb than the dictionary gives. Each handler starts with CurWord on the
// verb, emits what the construction needs and leaves CurWord after the
// Spanish words it took in; a construction that does not match falls back to
// the ordinary conjugation.
#include "core/translation_state.h"

namespace quelvo {

// Constructions that take in the words after the verb.
void VerbAcabar(TranslationState& s);
void VerbIr(TranslationState& s);
void VerbSer(TranslationState& s);
void VerbHacer(TranslationState& s);
void VerbTener(TranslationState& s);
void VerbParecer(TranslationState& s);

// Verbs that take another Swedish verb by their neighbours.
void VerbTratar(TranslationState& s);
void VerbConseguir(TranslationState& s);
void VerbSaber(TranslationState& s);
void VerbResultar(TranslationState& s);
void VerbDejar(TranslationState& s);
void VerbSeguir(TranslationState& s);
void VerbMandar(TranslationState& s);
void VerbServir(TranslationState& s);
void VerbCaber(TranslationState& s);
void VerbQuedar(TranslationState& s);

// Run before the ordinary case of every other verb: "recordar a",
// "tender a" and "intentar" + infinitive take their Swedish verb from the
// dictionary entry of the verb meant.
void VerbOthers(TranslationState& s);

}  // namespace quelvo
