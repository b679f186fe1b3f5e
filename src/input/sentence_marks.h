#pragma once
// The marks that close a sentence in a UTF-8 text.
#include <array>
#include <string_view>

namespace quelvo {

inline constexpr std::array<std::string_view, 4> kSentenceStops = {".", "?", "!", "\xE2\x80\xA6"};  // … too
// Closing quotes and brackets stay with the sentence they close: " ' ) ] » ” ’
inline constexpr std::array<std::string_view, 7> kSentenceClosers = {"\"", "'", ")", "]", "\xC2\xBB", "\xE2\x80\x9D",
                                                                     "\xE2\x80\x99"};

// The length of the mark of `marks` at `pos`, 0 when there is none.
template <std::size_t N>
std::size_t MarkAt(std::string_view text, std::size_t pos, const std::array<std::string_view, N>& marks) {
    for (const auto mark : marks)
        if (text.substr(pos).starts_with(mark)) return mark.size();
    return 0;
}

// Whether the text ends with a stop, before any closing marks.
inline bool EndsWithStop(std::string_view text) {
    bool closed = true;
    while (closed) {
        closed = false;
        for (const auto mark : kSentenceClosers)
            if (text.ends_with(mark)) {
                text.remove_suffix(mark.size());
                closed = true;
            }
    }
    for (const auto mark : kSentenceStops)
        if (text.ends_with(mark)) return true;
    return false;
}

}  // namespace quelvo
