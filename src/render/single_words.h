#pragma once
// The phrases of one word the dispatch hands on by their tag. Each starts at
// CurWord, records its Swedish word, moves CurWord on and advances
// CurPhraseNo and CurWordNo.
#include <string_view>

#include "core/translation_state.h"

namespace quelvo {

void TranslateSentenceMark(TranslationState& s);
void TranslateInfWord(TranslationState& s);   // phrases tagged "Inf"
void TranslateInfMarker(TranslationState& s);
void TranslateIntrWord(TranslationState& s);  // phrases tagged "Intr"
void TranslateNegation(TranslationState& s);
void TranslateSubxWord(TranslationState& s);  // phrases tagged "Subx"
void TranslateAdvxWord(TranslationState& s);  // phrases tagged "Advx"

// The word with its own Swedish word, recorded under `tag`.
void TranslateSingleWord(TranslationState& s, std::string_view tag);

}  // namespace quelvo
