#pragma once
// Adverbs that Swedish says by the verb they modify: "bien" is "bra" ("canta
// bien": sjunger bra) but "väl" with a verb of knowing someone or something
// ("los conocemos bien": vi känner dem väl).
#include "core/translation_state.h"

namespace quelvo {

// Every such adverb takes the Swedish word its verb asks for.
void ResolveVerbAdverbs(TranslationState& s);

}  // namespace quelvo
