#pragma once
// The Swedish s-passive of a verb form ("görs", "gjordes", "har gjorts").
#include "core/translation_state.h"

namespace quelvo {

// Turns the Swedish form made for CurWord into its s-passive, by CurWord's
// FormCode and verb group.
void MakeSPassive(const TranslationState& s, Str30& form);

}  // namespace quelvo
