#pragma once
// Swedish nouns: number and definiteness by declension class, the Swedish
// article of a Spanish article, and the gender letter of a code.
#include <cstdint>

#include "core/translation_state.h"

namespace quelvo {

// Inflects the noun in `form` (its Swedish dictionary form, CurWord's
// translation) for `number` (1, 2, 30 singular; 3 plural; 51 diminutive
// singular) and `definiteness` ('o' indefinite, 'b' definite) by the
// declension class in the low six bits of `code`. The diminutive emits
// "liten/litet/lilla" before the noun.
void ChkKatForm(TranslationState& s, Str30& form, std::uint16_t code, int number, char definiteness);

// The Swedish article for CurWord's Spanish article ("un", "el", "los" ...)
// agreeing with `gender`; also becomes CurWord's SvWord with class tag "det".
void TranslateArticle(TranslationState& s, char gender, int number, char& definiteness, Str30& form);

// The gender letter in bits 11 to 13 of `code`: 'm', 'f', 'n' (common) or 't'
// (neuter); other values leave `gender` as it was.
void GenderOfCode(std::uint16_t code, char& gender);

// True for the common-gender letters 'm', 'f' and 'n'.
constexpr bool IsCommonGender(char gender) { return gender == 'm' || gender == 'f' || gender == 'n'; }

}  // namespace quelvo
