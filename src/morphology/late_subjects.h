#pragma once
// Spanish often puts the subject of an intransitive verb after it ("llega el
// tren", "que ha llegado el invierno"); Swedish puts it first, and verb
// second does the rest ("tåget kommer", "i morgon kommer tåget").
#include "core/translation_state.h"

namespace quelvo {

// Moves a noun phrase that follows the verb group of a listed intransitive
// verb, agrees with it in number and is the clause's only subject, before
// that verb group. Questions ("¿llega el tren?", "¿cuándo llega?") keep
// their order, and so does a verb with an object pronoun before it.
void FrontLateSubjects(TranslationState& s);

}  // namespace quelvo
