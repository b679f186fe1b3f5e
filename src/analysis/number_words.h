#pragma once
// The numbers clock times and dates read in Spanish and say in Swedish.
#include <optional>
#include <string_view>

#include "core/fixed_string.h"

namespace quelvo {

// The value of a Spanish number word or a number in digits: "quince" and
// "15" are 15, "primero" 1. None for any other word.
std::optional<int> SpanishNumberValue(std::string_view word);

// The Swedish number word from 1 to 59 ("ett", "tjugofem"); one is "ett",
// as on the clock.
Str30 SwedishCardinal(int value);

// The Swedish ordinal from 1 to 31 ("femtonde", "tjugoförsta").
Str30 SwedishOrdinal(int value);

// The month a Spanish month name names, 1 to 12; none for any other word.
std::optional<int> SpanishMonth(std::string_view word);

// The Swedish month name of a month 1 to 12 ("juni").
std::string_view SwedishMonth(int month);

}  // namespace quelvo
