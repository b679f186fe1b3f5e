#pragma once
// Retagging of noun phrases by their neighbours once the clauses are known.
#include "core/translation_state.h"

namespace quelvo {

// A noun phrase after "y" or a conjunction inside a clause becomes "NPK".
void MarkCoordinatedNPs(TranslationState& s);

// A noun phrase between a comma and a comma or the sentence mark becomes "KTNP".
void MarkCommaNPs(TranslationState& s);

// A preposition with a prepositional pronoun becomes "NPP" 9234, except as
// the last phrase.
void MarkPrepPronouns(TranslationState& s);

// "el lunes", "los lunes", "hasta el lunes": a day as the time of the
// clause, no noun phrase with a role of its own, becomes "NPT".
void MarkDayPhrases(TranslationState& s);

}  // namespace quelvo
