#include "lexicon/field_reading.h"

#include <algorithm>

namespace quelvo {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::int32_t ReadNumber(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ') ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
    std::uint32_t value = 0;
    for (; i < field.size() && IsDigit(field[i]); ++i) {
        value = value * 10u + static_cast<std::uint32_t>(field[i] - '0');
    }
    return static_cast<std::int32_t>(negative ? 0u - value : value);
}

bool IsNumber(std::string_view field) {
    const std::size_t start = field.find_first_not_of(' ');
    if (start == std::string_view::npos) return false;
    std::string_view digits = field.substr(start);
    if (digits.front() == '+' || digits.front() == '-') digits.remove_prefix(1);
    return !digits.empty() && std::all_of(digits.begin(), digits.end(), IsDigit);
}

}  // namespace quelvo
