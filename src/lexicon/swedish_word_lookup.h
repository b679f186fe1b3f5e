#pragma once
// Finding a Swedish dictionary entry by its Swedish word, for the rules that
// name the Swedish verb they want rather than an entry number.
#include <string_view>

#include "core/translation_state.h"

namespace quelvo {

// The first "SvFile.txt" entry whose word is `svWord`: its word, four codes
// and class go into s.StagedWord and `found` is set. Without one nothing changes.
void LookupSwedishWord(TranslationState& s, std::string_view svWord, bool& found);

}  // namespace quelvo
