#pragma once
// The Spanish verbs that Swedish says with another verb than the dictionary
// gives, chosen by the words around them. Each handler starts with CurWord on
// the verb and conjugates it as an ordinary verb once the Swedish verb is
// chosen.
#include "core/translation_state.h"

namespace quelvo {

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
// dictionary entry of the verb meant; emits nothing.
void VerbOthers(TranslationState& s);

}  // namespace quelvo
