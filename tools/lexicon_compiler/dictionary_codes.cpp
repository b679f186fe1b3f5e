#include "dictionary_codes.h"

#include <algorithm>

namespace quelvo::lexc {

const FlagName* FindFlag(std::string_view name) {
    for (const FlagName& flag : kDictionaryFlags)
        if (flag.name == name) return &flag;
    return nullptr;
}

std::optional<int> FindNamedValue(std::span<const NamedValue> table, std::string_view name) {
    for (const NamedValue& row : table)
        if (row.name == name) return row.value;
    return std::nullopt;
}

bool IsPhraseClassWord(std::string_view word) {
    return std::ranges::find(kPhraseClassWords, word) != std::end(kPhraseClassWords);
}

std::optional<int> GenderCode(std::string_view letter) {
    if (letter.size() != 1) return std::nullopt;
    const std::size_t at = kGenderLetters.find(letter.front());
    if (at == std::string_view::npos) return std::nullopt;
    return static_cast<int>(at);
}

}  // namespace quelvo::lexc
