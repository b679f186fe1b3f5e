#pragma once
#include "core/translation_state.h"

namespace quelvo {

// "-amos" and "-imos" are the present and the preterite alike ("hablamos");
// a time word of the sentence decides between them: "ayer" makes the past,
// "hoy" or "siempre" the present; else another finite verb of the sentence
// in a plain present or past ("si tienes tiempo, leemos"). Without either
// the verb is the present ("hablamos mucho": talar).
void ResolvePresentOrPast(TranslationState& s);

}  // namespace quelvo
