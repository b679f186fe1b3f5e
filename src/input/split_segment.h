#pragma once
#include <string_view>

#include "core/translation_state.h"

namespace quelvo {

// Marks that may stand before the first word of a segment: quotes, "¡", "¿".
inline constexpr std::string_view kOpeningMarks[] = {"\"", "\xAB", "\x93", "\xA1", "\xBF"};

// Reads the tokens of one sentence segment from ScanPos into a new
// TokenList, separating enclitic pronouns and the contractions "al" and
// "del"; sets WordCount to the number of tokens.
void SplitSegment(TranslationState& s);

}  // namespace quelvo
