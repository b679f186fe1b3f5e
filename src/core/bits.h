#pragma once
// Reading the 16-bit dictionary codes.
#include <cstdint>

#include "core/fixed_string.h"

namespace quelvo {

// The 16 binary digits of the low 16 bits, most significant first:
// character 1 is bit 15, character 16 is bit 0.
Str16 BitsOf(std::uint32_t value);

// True when bit `bit` (0 = value 1) of the low 16 bits is set.
constexpr bool BitSet(std::uint32_t value, int bit) { return ((value >> bit) & 1U) != 0; }

// The value with its highest n of 16 bits cleared.
constexpr std::uint32_t MaskHigh(std::uint32_t value, int n) { return value & (0xFFFFU >> n); }

// The low six bits: the word-class number of SpCode1 and SvCode1.
constexpr std::uint32_t ClassOf(std::uint32_t value) { return MaskHigh(value, 10); }

// The value shifted right by `shift`, then passed through MaskHigh with n.
// `shifted` receives the value after the shift alone.
constexpr std::uint32_t ShiftMask(std::uint32_t value, int shift, int n, std::uint32_t& shifted) {
    shifted = value >> shift;
    return MaskHigh(shifted, n);
}

}  // namespace quelvo
