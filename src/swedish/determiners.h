#pragma once
// Swedish demonstratives and quantifiers.
#include <cstdint>

#include "core/translation_state.h"

namespace quelvo {

// The demonstrative "this" (den/det + "här") by the gender in `code`; a code
// without a gender leaves `form` as it was.
void DemonstrativeHere(std::uint16_t code, Str30& form);
// The demonstrative "that": de + "där" for number 3, otherwise den/det + "där"
// by the gender in `code`.
void DemonstrativeThere(std::uint16_t code, Str30& form, int number);

// CurWord "todo" by its successor: "hel"/"helt" before "un"/"una" (number 1),
// "hela" before "el"/"la", "alla" otherwise; no successor leaves `form`.
void TranslateAllWhole(const TranslationState& s, Str30& form, char gender, int number);

// Emits the Swedish determiner or quantifier for CurWord, moves on, and gives
// the definiteness ('o', 'b') that the following noun takes. `gender` is that
// noun's; the demonstratives agree with it.
void TranslateDeterminer(TranslationState& s, char& definiteness, char gender);

}  // namespace quelvo
