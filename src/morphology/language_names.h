#pragma once
// Nationality words that name a language ("hablo español": "talar spanska").
#include "core/translation_state.h"

namespace quelvo {

// A nationality word (a noun that is also an adjective) with no article,
// after a verb other than "ser"/"estar" or after "en", names the language:
// the Swedish adjective in "-sk" + "a", a noun that takes no article.
void ResolveLanguageNames(TranslationState& s);

}  // namespace quelvo
