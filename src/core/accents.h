#pragma once
// Spanish accented vowels in code page 1252 and their plain letters.
#include <string>
#include <string_view>

namespace quelvo {

// The vowels á, é, í, ó, ú in code page 1252, in the order of "aeiou".
inline constexpr std::string_view kAccentedVowels = "\xE1\xE9\xED\xF3\xFA";
inline constexpr std::string_view kPlainVowels = "aeiou";

// `text` with á, é, í made plain, and ó, ú as well when `alsoOU` is set.
inline std::string WithoutAccents(std::string_view text, bool alsoOU = true) {
    std::string out(text);
    const std::size_t vowels = alsoOU ? kAccentedVowels.size() : 3;
    for (char& c : out) {
        const std::size_t at = kAccentedVowels.substr(0, vowels).find(c);
        if (at != std::string_view::npos) c = kPlainVowels[at];
    }
    return out;
}

inline bool HasAccent(std::string_view text) { return text.find_first_of(kAccentedVowels) != std::string_view::npos; }

}  // namespace quelvo
