#pragma once
// Code page 1252: bytes below 0x80 are ASCII and bytes from 0xA0 are
// Latin-1, both equal to their code points; only 0x80-0x9F differ.
#include <array>
#include <cstdint>

namespace quelvo {

inline constexpr unsigned char kCp1252SpecialFirst = 0x80;
inline constexpr unsigned char kCp1252SpecialEnd = 0xA0;

// The code points of bytes 0x80-0x9F; 0 where the code page leaves the byte undefined.
inline constexpr std::array<char32_t, kCp1252SpecialEnd - kCp1252SpecialFirst> kCp1252Specials = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 0x88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 0x98
};

// Every defined special stands for a character outside ASCII and Latin-1,
// so that each character has one byte at most.
static_assert([] {
    for (const char32_t c : kCp1252Specials)
        if (c != 0 && c < 0x100) return false;
    return true;
}());

}  // namespace quelvo
