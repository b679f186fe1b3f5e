#include "input/input_cleaning.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <algorithm>

namespace quelvo {
namespace {

constexpr char kEscape = '\x1B';
constexpr char kBell = '\x07';
constexpr char kDelete = '\x7F';
constexpr char kNoBreakSpace = '\xA0';

bool IsSeparator(char c) { return c == '\0' || c == '\t' || c == '\v' || c == '\f' || c == kNoBreakSpace; }
bool IsControl(char c) { return (c >= '\0' && c < ' ' && c != '\n' && c != '\r') || c == kDelete; }

// The position after the escape sequence starting at `pos` (an ESC): a
// control sequence ends at its final byte, an operating-system command at
// BEL or ESC "\", anything else after one character.
std::size_t SkipEscape(std::string_view text, std::size_t pos) {
    const std::size_t kind = pos + 1;
    if (kind >= text.size()) return text.size();
    if (text[kind] == '[') {
        std::size_t i = kind + 1;
        while (i < text.size() && (text[i] < '@' || text[i] > '~')) ++i;
        return std::min(i + 1, text.size());
    }
    if (text[kind] == ']') {
        for (std::size_t i = kind + 1; i < text.size(); ++i) {
            if (text[i] == kBell) return i + 1;
            if (text[i] == kEscape && i + 1 < text.size() && text[i + 1] == '\\') return i + 2;
        }
        return text.size();
    }
    return kind + 1;
}

}  // namespace

std::string CleanInputText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == kEscape) {
            i = SkipEscape(text, i);
            continue;
        }
        if (IsSeparator(c)) out += ' ';
        else if (!IsControl(c)) out += c;
        ++i;
    }
    return out;
}

std::string ComposeAccents(std::string_view utf8) {
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return std::string(utf8);
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    if (U_FAILURE(status) || nfc->isNormalized(text, status) || U_FAILURE(status)) return std::string(utf8);
    const icu::UnicodeString composed = nfc->normalize(text, status);
    if (U_FAILURE(status)) return std::string(utf8);
    std::string out;
    composed.toUTF8String(out);
    return out;
}

}  // namespace quelvo
