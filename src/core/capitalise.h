#pragma once
#include <string_view>

#include "core/fixed_string.h"

namespace quelvo {

// Upper-cases only the first character: a-z and the code page 1252 letters
// å, ä, ö; every other character stays as it is.
char CapitalOf(char c);
char LowerOf(char c);

template <std::size_t N>
FixedString<N> Capitalised(FixedString<N> text) {
    if (!text.empty()) text.front() = CapitalOf(text.front());
    return text;
}

}  // namespace quelvo
