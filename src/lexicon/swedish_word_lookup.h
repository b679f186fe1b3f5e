#pragma once
// Finding a Swedish dictionary entry by its Swedish word, for the rules that
// name the Swedish verb they want rather than an entry number.
#include <cstdint>
#include <string_view>

#include "core/translation_state.h"

namespace quelvo {

// The first "SvFile.txt" entry whose word is `svWord`: its word, four codes
// and class go into s.StagedWord and `found` is set. Without one nothing changes.
void LookupSwedishWord(TranslationState& s, std::string_view svWord, bool& found);

// The third code of the first entry whose word is `svWord` when that entry is
// an adverb (the flags of its kind); 0 otherwise.
std::uint16_t SwedishAdverbCode(const TranslationState& s, std::string_view svWord);

}  // namespace quelvo
