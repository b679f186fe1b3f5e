#pragma once
// The Spanish names of the days of the week, as written in small letters.
#include <algorithm>
#include <array>
#include <string_view>

namespace quelvo {

inline constexpr std::array<std::string_view, 7> kSpanishWeekdays{
    "lunes", "martes", "mi\xE9rcoles", "jueves", "viernes", "s\xE1" "bado", "domingo"};

inline bool IsSpanishWeekday(std::string_view word) {
    return std::find(kSpanishWeekdays.begin(), kSpanishWeekdays.end(), word) != kSpanishWeekdays.end();
}

}  // namespace quelvo
