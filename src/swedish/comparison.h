#pragma once
// Comparatives and superlatives of Swedish adjectives. The emitters write the
// form to the output and record it for CurWord (tag "adj" unless stated); the
// phrase renderers choose which one by the adjective's comparison group.
#include <cstdint>

#include "core/translation_state.h"

namespace quelvo {

// The comparison group in bits 7 to 9 of a code; a code without one (0) is
// group 3.
std::uint32_t ComparisonGroupOf(std::uint16_t code);

// Whether the irregular table holds the adjective's definite superlative,
// or its unstressed ending gives it (vacker: vackraste).
bool HasDefiniteSuperlative(const Str30& adjective);
// Whether the irregular table holds the adjective's comparative.
bool HasIrregularComparative(const Str30& adjective);

// The definite superlative (högsta, minsta, vackraste ...); other adjectives as they are.
void EmitDefiniteSuperlative(TranslationState& s, const Str30& adjective);

// The comparative of an adjective in "en", "er", "el" (mognare, vackrare,
// enklare); any other adjective takes "mer" before it.
void FyllIAdjSup_4(TranslationState& s, const Str30& adjective);

// The stem the endings "are" and "aste" join: a final "m" after a vowel is
// doubled (tommare, ensammaste), after a consonant it is not (varmare).
Str30 SuffixStem(const Str30& adjective);

// The comparative in "are" on the stem above.
void EmitComparativeAre(TranslationState& s, const Str30& adjective);

// The comparative of CurWord's SvWord when it is one of the irregular ones
// (högre, mindre, sämre ...), else the word as it is; recorded with `mark`
// and `gender`.
void EmitIrregularComparative(TranslationState& s, char mark, char gender);

}  // namespace quelvo
