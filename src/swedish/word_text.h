#pragma once
// Cutting the ending off a Swedish word before another one is added.
#include <cstddef>
#include <string_view>

#include "core/fixed_string.h"

namespace quelvo {

// `text` without its last `count` characters; empty when it is not longer.
inline Str30 WithoutLast(std::string_view text, std::size_t count) {
    return text.substr(0, text.size() > count ? text.size() - count : 0);
}

}  // namespace quelvo
