#pragma once
// Spanish prepositions in Swedish: the ones Swedish leaves out, the ones
// whose rendering depends on their neighbours ("por", "para", "de", "a" ...),
// and the prepositional constructions before an infinitive.
#include "core/translation_state.h"

namespace quelvo {

// Emits the Swedish preposition for CurWord (or nothing, when Swedish leaves
// it out) and moves CurWord on; the counters are the caller's. The phrase
// renderers use it for the prepositions inside their phrases.
void EmitPreposition(TranslationState& s);

// True when "de" is none of the constructions that give it a Swedish word of
// its own ("från", "om", "att", nothing ...): the plain "av" of a possessor.
bool IsOrdinaryDe(WordNode& de);

// Render the phrases tagged "Prep" and "Prpx" (a preposition before an
// infinitive).
void TranslatePreposition(TranslationState& s);
void TranslatePrepInfinitive(TranslationState& s);

// A noun of a means or a chance, after which "para" + infinitive is the
// plain "att" ("tiempo para leer": tid att läsa), not "för att".
bool TakesPlainAtt(const WordNode* noun);

}  // namespace quelvo
