#include "source_fields.h"

#include <cctype>
#include <charconv>

#include "core/text_codec.h"

namespace quelvo::lexc {

std::string Quoted(std::string_view text) { return std::string(1, '"').append(text).append(1, '"'); }

std::optional<std::string> FieldText(const RowContext& at, std::string_view column, std::string_view utf8,
                                     std::size_t maxChars, std::string_view reserved) {
    const Cp1252Text text = ToCp1252(utf8);
    if (text.replaced) {
        at.Error(Quoted(utf8) + " in column " + Quoted(column) + " has a character that code page 1252 cannot hold");
        return std::nullopt;
    }
    if (text.bytes.size() > maxChars) {
        at.Error(Quoted(utf8) + " in column " + Quoted(column) + " is " + std::to_string(text.bytes.size()) +
                 " characters long; the field holds " + std::to_string(maxChars));
        return std::nullopt;
    }
    if (const std::size_t bad = text.bytes.find_first_of(reserved); bad != std::string::npos) {
        at.Error(Quoted(utf8) + " in column " + Quoted(column) + " contains " + Quoted(text.bytes.substr(bad, 1)) +
                 ", which the file format reserves");
        return std::nullopt;
    }
    return text.bytes;
}

std::optional<int> FieldNumber(const RowContext& at, std::string_view column, std::string_view text, int min, int max) {
    if (text.empty()) return 0;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < min || value > max ||
        !std::isdigit(static_cast<unsigned char>(text.front()))) {
        at.Error(Quoted(text) + " in column " + Quoted(column) + " is not a number from " + std::to_string(min) +
                 " to " + std::to_string(max));
        return std::nullopt;
    }
    return value;
}

}  // namespace quelvo::lexc
