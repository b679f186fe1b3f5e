#pragma once
// Noun phrases by their phrase rule, and a preposition with its noun phrase.
// Each starts at CurWord, records every Swedish word with EmitOutWord and
// EmitWord, leaves CurWord on the first word it did not consume and advances
// CurPhraseNo and CurWordNo.
#include "core/translation_state.h"

namespace quelvo {

void RenderPhraseByRule(TranslationState& s);
void RenderPrepPhrase(TranslationState& s);

}  // namespace quelvo
