#include "input/abbreviations.h"

#include <array>

namespace quelvo {
namespace {

bool IsAsciiAlnum(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsWordByte(char c) { return IsAsciiAlnum(c) || static_cast<unsigned char>(c) >= 0xC0; }
bool IsCapital(char c) { return c >= 'A' && c <= 'Z'; }
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWord(std::string_view text, std::size_t pos) { return pos == 0 || !IsWordByte(text[pos - 1]); }
bool EndsWord(std::string_view text, std::size_t end) { return end >= text.size() || !IsWordByte(text[end]); }

// The first letters of the abbreviations and the capitals of initials: a
// position that starts with another byte is passed over at once.
constexpr auto kAbbreviationStarts = [] {
    std::array<bool, 256> starts{};
    for (const Abbreviation& a : kAbbreviations) starts[static_cast<unsigned char>(a.written[0])] = true;
    for (char c = 'A'; c <= 'Z'; ++c) starts[static_cast<unsigned char>(c)] = true;
    return starts;
}();
bool MayStartAbbreviation(char c) { return kAbbreviationStarts[static_cast<unsigned char>(c)]; }

}  // namespace

AbbreviationSpan AbbreviationAt(std::string_view text, std::size_t pos) {
    if (pos >= text.size() || !MayStartAbbreviation(text[pos]) || !StartsWord(text, pos)) return {};
    const std::string_view rest = text.substr(pos);
    // The first letter is compared inline: this runs at every word of every input.
    for (const Abbreviation& a : kAbbreviations)
        if (rest[0] == a.written[0] && rest.starts_with(a.written) && EndsWord(text, pos + a.written.size()))
            return {a.written.size(), a.mayEndSentence};
    constexpr std::string_view kInitialShape = "A. A";  // a capital, a dot, a blank, a capital
    const bool initial = rest.size() >= kInitialShape.size() && IsCapital(rest[0]) && rest[1] == '.' &&
                         rest[2] == ' ' && IsCapital(rest[3]);
    return initial ? AbbreviationSpan{2, false} : AbbreviationSpan{};
}

const Abbreviation* FindAbbreviation(std::string_view token) {
    for (const Abbreviation& a : kAbbreviations) {
        // A first letter that differs rules the row out at once.
        if (token.empty() || AsciiLower(token[0]) != AsciiLower(a.written[0])) continue;
        std::size_t t = 0;
        bool same = true;
        for (const char c : a.written) {
            if (c == ' ') continue;
            same = same && t < token.size() && AsciiLower(token[t]) == AsciiLower(c);
            ++t;
        }
        if (same && t == token.size()) return &a;
    }
    return nullptr;
}

bool IsNumberDot(std::string_view text, std::size_t pos) {
    return pos > 0 && pos + 1 < text.size() && text[pos] == '.' && IsDigit(text[pos - 1]) && IsDigit(text[pos + 1]);
}

}  // namespace quelvo
