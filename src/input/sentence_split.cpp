// The sentence splitter of whole texts (UTF-8).
#include <algorithm>

#include "input/abbreviations.h"
#include "input/sentence_marks.h"
#include "quelvo/text.h"

namespace quelvo {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

template <std::size_t N>
std::size_t SkipMarks(std::string_view text, std::size_t pos, const std::array<std::string_view, N>& marks) {
    while (const std::size_t length = MarkAt(text, pos, marks)) pos += length;
    return pos;
}

// A word in lower case (ASCII or a Latin-1 letter "á", "ñ" ...) goes on the sentence.
bool LowerCaseFollows(std::string_view text, std::size_t pos) {
    while (pos < text.size() && text[pos] == ' ') ++pos;
    if (pos >= text.size()) return false;
    const auto c = static_cast<unsigned char>(text[pos]);
    constexpr unsigned char kLatin1Lead = 0xC3, kLowerFrom = 0xA0;
    if (c == kLatin1Lead && pos + 1 < text.size()) return static_cast<unsigned char>(text[pos + 1]) >= kLowerFrom;
    return c >= 'a' && c <= 'z';
}

// Where the sentence that starts at `pos` ends, its closing marks included.
std::size_t SentenceEnd(std::string_view text, std::size_t pos) {
    while (pos < text.size() && text[pos] != '\n') {
        const AbbreviationSpan abbreviation = AbbreviationAt(text, pos);
        const std::size_t stop = MarkAt(text, pos, kSentenceStops);
        if (abbreviation.length == 0 && stop == 0) {
            ++pos;
            continue;
        }
        const bool dot = abbreviation.length > 0 || (text[pos] != '?' && text[pos] != '!');
        const bool mayEnd = abbreviation.length == 0 || abbreviation.mayEndSentence;
        const std::size_t end = SkipMarks(text, SkipMarks(text, pos + std::max(abbreviation.length, stop), kSentenceStops), kSentenceClosers);
        if (mayEnd && (end == text.size() || (IsBlank(text[end]) && !(dot && LowerCaseFollows(text, end)))))
            return end;
        pos = end;
    }
    while (pos > 0 && IsBlank(text[pos - 1])) --pos;
    return pos;
}

}  // namespace

std::vector<TextPart> SplitText(std::string_view utf8Text) {
    std::vector<TextPart> parts;
    std::size_t pos = 0;
    while (pos < utf8Text.size()) {
        std::size_t next = pos;
        while (next < utf8Text.size() && IsBlank(utf8Text[next])) ++next;
        if (next == pos) next = SentenceEnd(utf8Text, pos);
        parts.push_back({utf8Text.substr(pos, next - pos), !IsBlank(utf8Text[pos])});
        pos = next;
    }
    return parts;
}

}  // namespace quelvo
