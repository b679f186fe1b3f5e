#include "core/bits.h"

namespace quelvo {

Str16 BitsOf(std::uint32_t value) {
    Str16 digits;
    for (int bit = 15; bit >= 0; --bit) digits += BitSet(value, bit) ? '1' : '0';
    return digits;
}

}  // namespace quelvo
