#pragma once
// Verbs that Swedish says with another verb by what follows them: "espero
// que" is "hoppas att" while "espero el tren" is "väntar på"; "ir a Madrid"
// is "åka till Madrid" while "ir a la tienda" is "gå till affären"; "jugar" without a
// game is "leka"; "llamar" a person is "ringa" unless a name follows ("lo
// llaman Pepe": kallar). The Swedish verb is a form entry of the dictionary.
#include "core/translation_state.h"

namespace quelvo {

// Every verb of the sentence whose complement asks for another Swedish verb
// takes that form entry: its infinitive + " que" before "que", its
// infinitive + " a " + the noun after "a" ("llamar a puerta": knacka på),
// or the entry of its kind of complement.
void ResolveComplementVerbs(TranslationState& s);

}  // namespace quelvo
