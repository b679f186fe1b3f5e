#include "core/capitalise.h"

namespace quelvo {

char CapitalOf(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
    switch (u) {
        case 229: return static_cast<char>(197);  // å
        case 228: return static_cast<char>(196);  // ä
        case 246: return static_cast<char>(214);  // ö
        default: return c;
    }
}

// The reverse step of the word-order pass: a plain +32 on an upper-case letter.
char LowerOf(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 192 && u <= 222 && u != 215)) return static_cast<char>(u + 32);
    return c;
}

}  // namespace quelvo
