#include "lexicon/field_reading.h"

namespace quelvo {

std::int32_t ReadNumber(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ') ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
    std::uint32_t value = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
        value = value * 10u + static_cast<std::uint32_t>(field[i] - '0');
    }
    return static_cast<std::int32_t>(negative ? 0u - value : value);
}

}  // namespace quelvo
