#include "core/text_codec.h"

#include <optional>

#include "core/cp1252_table.h"

namespace quelvo {
namespace {

constexpr char32_t kLatin1End = 0x100;
constexpr char32_t kLastCodePoint = 0x10FFFF;
constexpr char32_t kSurrogateFirst = 0xD800;
constexpr char32_t kSurrogateLast = 0xDFFF;
// Tag characters mark up the character before them (the flags of regions)
// and show nothing of their own, so they are left out rather than replaced.
constexpr char32_t kTagFirst = 0xE0000;
constexpr char32_t kTagLast = 0xE007F;
constexpr unsigned char kContinuationMask = 0xC0;
constexpr unsigned char kContinuationBits = 0x80;
constexpr unsigned char kPayloadMask = 0x3F;  // the six bits a continuation byte carries
constexpr int kContinuationShift = 6;

unsigned char Byte(char c) { return static_cast<unsigned char>(c); }
bool IsContinuation(char c) { return (Byte(c) & kContinuationMask) == kContinuationBits; }

// The length its lead byte gives a UTF-8 sequence, cut short at the first
// byte that does not continue it: what a faulty sequence spans.
std::size_t SequenceLength(std::string_view in) {
    const unsigned char lead = Byte(in[0]);
    std::size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (n > in.size()) n = in.size();
    for (std::size_t i = 1; i < n; ++i)
        if (!IsContinuation(in[i])) return i;
    return n;
}

// The code point of a whole sequence, or nothing when it is malformed:
// a stray or cut-short sequence, an overlong form, a surrogate or beyond Unicode.
std::optional<char32_t> Decode(std::string_view sequence) {
    struct Shape {
        unsigned char leadFirst, leadLast;
        char32_t leadMask, smallest;
    };
    constexpr Shape kShapes[] = {
        {0x00, 0x7F, 0x7F, 0x0}, {0xC0, 0xDF, 0x1F, 0x80}, {0xE0, 0xEF, 0x0F, 0x800}, {0xF0, 0xF7, 0x07, 0x10000}};
    const Shape& shape = kShapes[sequence.size() - 1];
    const unsigned char lead = Byte(sequence[0]);
    if (lead < shape.leadFirst || lead > shape.leadLast) return std::nullopt;
    char32_t c = lead & shape.leadMask;
    for (const char byte : sequence.substr(1)) c = (c << kContinuationShift) | (Byte(byte) & kPayloadMask);
    if (c < shape.smallest || c > kLastCodePoint || (c >= kSurrogateFirst && c <= kSurrogateLast)) return std::nullopt;
    return c;
}

// The byte of a code point, or nothing when code page 1252 has none.
std::optional<char> Cp1252Byte(char32_t c) {
    if (c < kCp1252SpecialFirst || (c >= kCp1252SpecialEnd && c < kLatin1End)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kCp1252Specials.size(); ++i)
        if (kCp1252Specials[i] != 0 && kCp1252Specials[i] == c) return static_cast<char>(kCp1252SpecialFirst + i);
    return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    const int continuations = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    constexpr unsigned char kLeadBits[] = {0, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(kLeadBits[continuations] | (c >> (kContinuationShift * continuations)));
    for (int k = continuations - 1; k >= 0; --k)
        out += static_cast<char>(kContinuationBits | ((c >> (kContinuationShift * k)) & kPayloadMask));
}

}  // namespace

Cp1252Text ToCp1252(std::string_view utf8) {
    Cp1252Text result;
    result.bytes.reserve(utf8.size());
    while (!utf8.empty()) {
        // Plain ASCII, most of any Spanish text, is the same byte in both.
        if (Byte(utf8[0]) < kCp1252SpecialFirst) {
            result.bytes += utf8[0];
            utf8.remove_prefix(1);
            continue;
        }
        const std::size_t length = SequenceLength(utf8);
        const auto code = Decode(utf8.substr(0, length));
        utf8.remove_prefix(length);
        if (code && *code >= kTagFirst && *code <= kTagLast) continue;
        const auto byte = code ? Cp1252Byte(*code) : std::nullopt;
        // "_" rather than "?": a "?" would end the segment and be read as a question.
        result.bytes += byte ? *byte : '_';
        result.replaced = result.replaced || !byte;
    }
    return result;
}

std::string ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size());
    for (const char c : cp1252) {
        const unsigned char b = Byte(c);
        const bool special = b >= kCp1252SpecialFirst && b < kCp1252SpecialEnd;
        const char32_t code = special ? kCp1252Specials[b - kCp1252SpecialFirst] : b;
        if (code == 0 && special) out += '?';  // a byte the code page leaves undefined
        else AppendUtf8(out, code);
    }
    return out;
}

}  // namespace quelvo
