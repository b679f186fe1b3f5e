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

// "gammal", "liten", "hög" to their superlatives; number 3 adds "a".
void SuperlativeOf3(Str30& form, int number);

// The adjective + "aste", for the adjective classes 0, 1, 7 and 11 of
// `code`; the other classes emit nothing.
void EmitSuperlativeAste(TranslationState& s, const Str30& adjective, std::uint16_t code);

// The adjective as it is.
void EmitAdjectivePlain(TranslationState& s, const Str30& adjective);

// "mest " + CurWord's SvWord + "a".
void EmitMestForm(TranslationState& s);

// Whether the irregular tables hold the adjective.
bool HasDefiniteSuperlative(const Str30& adjective);
bool HasIrregularComparative(const Str30& adjective);

// The definite superlative (högsta, minsta ...); other adjectives as they are.
void EmitDefiniteSuperlative(TranslationState& s, const Str30& adjective);

// The comparative of an adjective in "en", "er", "el" (mognare, vackrare,
// enklare); any other adjective takes "mer" before it.
void FyllIAdjSup_4(TranslationState& s, const Str30& adjective);

// The comparative in "are" ("mare" after a final "m": frommare).
void EmitComparativeAre(TranslationState& s, const Str30& adjective);

// "mest" (tag "mer") for Spanish "mucho"; otherwise the contracted form of an
// adjective in "en", "er", "el" (mogna, vackra, enkla), and "mest" before any
// other adjective.
void EmitMuchoOrShortened(TranslationState& s, const Str30& adjective);

// The comparative of CurWord's SvWord when it is one of the irregular ones
// (högre, mindre, sämre ...), else the word as it is; recorded with `mark`
// and `gender`.
void EmitIrregularComparative(TranslationState& s, char mark, char gender);

}  // namespace quelvo
