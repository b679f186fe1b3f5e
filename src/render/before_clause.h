#pragma once
// "antes de" + infinitive: Swedish says a clause, "innan" with the subject
// and the tense of the main clause ("antes de dormir, leo": innan jag sover
// läser jag).
#include <string_view>

#include "core/translation_state.h"

namespace quelvo {

// Emits "innan" (tagged `tag`) and the subject pronoun for CurWord, which is
// "antes de", and gives the infinitive after it the form code of the main
// clause's tense; the caller emits the verb.
void EmitBeforeClause(TranslationState& s, std::string_view tag);

}  // namespace quelvo
