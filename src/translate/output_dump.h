#pragma once
// The segment's output words for explaining a translation.
#include <nlohmann/json.hpp>

#include "core/translation_state.h"

namespace quelvo {

// "SvText", "OutTag" and "OutPos" of each word of OutList in the order the
// word-order pass gives them.
nlohmann::json DumpOutput(const TranslationState& s);

}  // namespace quelvo
