#pragma once
// The form a Swedish adjective or noun takes as the first member of a compound.
#include <cstdint>

#include "core/fixed_string.h"

namespace quelvo {

// Shapes `form` by `joint`, the word's compound code (its SvCode4): 1 as it
// is, 2 + "s", 3 last letter to "e", 4 to "o", 5 to "s", 6 last letter
// dropped, 7 + "e", 8 a few words of their own; anything else as it is.
void CompoundFormOf(Str30& form, std::uint32_t joint);

}  // namespace quelvo
