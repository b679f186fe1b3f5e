#pragma once
// The fallback for phrases no renderer has rules for: every word of the
// phrase is put out on its own, so no word is lost and the next phrase starts
// on its own first word.
#include "core/translation_state.h"

namespace quelvo {

// Renders the words of PhraseCursor one by one and advances the counters.
void RenderWordByWord(TranslationState& s);

// Renders `count` words from CurWord one by one, without touching the
// counters: verbs through the verb-word routine, nouns in their indefinite
// form, every other word as its Swedish dictionary form with its class tag.
void RenderWords(TranslationState& s, int count);

}  // namespace quelvo
