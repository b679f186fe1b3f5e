#pragma once
// How the text dictionaries read a field: into a buffer of fixed capacity,
// terminator included, and as a number.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

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
// so the low bits are those of the written value.
std::int32_t ReadNumber(std::string_view field);

// Whether a field holds a number as the files write it: blanks, an optional
// sign and at least one digit, nothing after the digits. ReadNumber reads
// other text too (as 0, or up to its first non-digit), so the readers
// refuse it rather than load a changed code.
bool IsNumber(std::string_view field);

// A dictionary code: the low 16 bits of the number.
inline std::uint16_t ReadCode(std::string_view field) { return static_cast<std::uint16_t>(ReadNumber(field)); }

// Hash maps keyed by exact text, searched with any string view.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};
template <typename T>
using TextMap = std::unordered_map<std::string, T, TextHash, std::equal_to<>>;

template <typename T>
const T* FindIn(const TextMap<T>& map, std::string_view key) {
    const auto it = map.find(key);
    return it == map.end() ? nullptr : &it->second;
}

}  // namespace quelvo
