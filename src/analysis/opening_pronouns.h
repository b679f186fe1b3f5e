#pragma once
#include "core/translation_state.h"

namespace quelvo {

// An order or an infinitive that opens the segment with its object pronouns
// attached ("Cuéntame", "Dímelo", "Casarse") is cut into the verb and the
// pronouns, as the splitter does for infinitives and gerunds inside it. Runs
// on TokenList after the first word has been given a small letter; each token
// added counts in WordCount and SlotCount.
void SeparateOpeningPronouns(TranslationState& s);

}  // namespace quelvo
