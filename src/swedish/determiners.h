#pragma once
// Swedish demonstratives and quantifiers.
#include <cstdint>

#include "core/translation_state.h"

namespace quelvo {

// CurWord "todo" by its successor: "hel"/"helt" before "un"/"una" (number 1),
// "hela" before "el"/"la", "alla" otherwise; no successor leaves `form`.
void TranslateAllWhole(const TranslationState& s, Str30& form, char gender, int number);

// Emits the Swedish determiner or quantifier for CurWord, moves on, and gives
// the definiteness ('o', 'b') that the following noun takes. `gender` is that
// noun's; the demonstratives agree with it.
void TranslateDeterminer(TranslationState& s, char& definiteness, char gender);

}  // namespace quelvo
