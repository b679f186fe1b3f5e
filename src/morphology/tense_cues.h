#pragma once
#include "core/translation_state.h"

namespace quelvo {

// "-amos" and "-imos" are the present and the preterite alike ("hablamos");
// a time word of the sentence decides between them: "ayer" makes the past,
// "hoy" or "siempre" the present. Without one the verb keeps both
// ("talar/talade").
void ResolvePresentOrPast(TranslationState& s);

}  // namespace quelvo
