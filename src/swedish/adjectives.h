#pragma once
// Swedish adjective agreement: common or neuter, indefinite or definite,
// singular or plural (stor, stort, stora).
#include <cstdint>

#include "core/translation_state.h"
#include "lexicon/dictionary_format.h"

namespace quelvo {

// Gives the adjective in `form` (CurWord's translation) the ending that agrees
// with a noun of `gender` ('m', 'f', 'n' common, 't' neuter), `number` (the
// noun's form code: 1, 2, 10, 13, 30, 32 singular, 3 plural) and
// `definiteness` ('o', 'b').
void InflectAdjective(TranslationState& s, Str30& form, char gender, int number, std::uint16_t code, char definiteness);

// The Spanish words with Swedish equivalents of their own: "mismo" after a
// noun is "själv", "mayor" after an article "största", "otro"/"otra" after a
// negation "annan". Sets `handled` when one applied.
void SpecialAdjective(const TranslationState& s, Str30& form, std::uint16_t& code, bool& handled);

// The adjectives of class 12, whose forms are listed whole.
void LookupIrregularAdjective(const TranslationState& s, Str30& form, char definiteness, int number, char gender);

}  // namespace quelvo
