#pragma once
// The Swedish nouns of a stretch of time, which some determiners treat apart
// ("de senaste dagarna", "den natten"), and the days of the week.
#include <algorithm>
#include <array>
#include <string_view>

namespace quelvo {

inline constexpr std::array<std::string_view, 14> PeriodNouns{
    "dag",    "vecka",  "m\xE5nad", "\xE5r",    "timme", "minut",  "sekund",
    "decennium", "sekel", "s\xE4song", "kvartal", "halv\xE5r", "helg", "natt"};

inline constexpr std::array<std::string_view, 7> DayNouns{"m\xE5ndag", "tisdag", "onsdag", "torsdag",
                                                          "fredag",    "l\xF6rdag", "s\xF6ndag"};

inline bool IsPeriodNoun(std::string_view svWord) {
    return std::find(PeriodNouns.begin(), PeriodNouns.end(), svWord) != PeriodNouns.end();
}

inline bool IsDayNoun(std::string_view svWord) {
    return std::find(DayNouns.begin(), DayNouns.end(), svWord) != DayNouns.end();
}

// A noun that names a time rather than a thing: a period or a day.
inline bool IsTimeNoun(std::string_view svWord) { return IsPeriodNoun(svWord) || IsDayNoun(svWord); }

}  // namespace quelvo
