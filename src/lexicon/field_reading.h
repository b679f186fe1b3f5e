#pragma once
// How the text dictionaries read a field: into a buffer of fixed capacity,
// terminator included, and as a number.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quelvo {

inline constexpr char kTab = '\t';
inline constexpr char kCr = '\r';
inline constexpr char kLf = '\n';

// A field read into a buffer of `capacity` characters whose last stored
// character is then dropped keeps at most capacity - 1 characters.
constexpr std::string_view FitField(std::string_view text, std::size_t capacity) {
    return text.substr(0, capacity - 1);
}

// A signed decimal number: leading blanks skipped, an optional sign, digits up
// to the first other character; 0 when there are none. Overlong numbers wrap,
// so the low bits are those of the written value. Inline: loading reads
// several per record.
inline std::int32_t ReadNumber(std::string_view field) {
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

// Whether a field holds a number as the files write it: blanks, an optional
// sign and at least one digit, nothing after the digits. ReadNumber reads
// other text too (as 0, or up to its first non-digit), so the readers
// refuse it rather than load a changed code.
inline bool IsNumber(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ') ++i;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) ++i;
    if (i == field.size()) return false;
    for (; i < field.size(); ++i) {
        if (field[i] < '0' || field[i] > '9') return false;
    }
    return true;
}

// A dictionary code: the low 16 bits of the number.
inline std::uint16_t ReadCode(std::string_view field) { return static_cast<std::uint16_t>(ReadNumber(field)); }

}  // namespace quelvo
