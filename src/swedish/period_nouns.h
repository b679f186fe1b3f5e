#pragma once
// The Swedish nouns of a stretch of time, which some determiners treat apart
// ("de senaste dagarna", "den natten").
#include <algorithm>
#include <array>
#include <string_view>

namespace quelvo {

inline constexpr std::array<std::string_view, 8> PeriodNouns{"dag",   "vecka", "m\xE5nad",    "\xE5r",
                                                             "timme", "minut", "decennium", "natt"};

inline bool IsPeriodNoun(std::string_view svWord) {
    return std::find(PeriodNouns.begin(), PeriodNouns.end(), svWord) != PeriodNouns.end();
}

}  // namespace quelvo
