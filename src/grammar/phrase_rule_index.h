#pragma once
// The phrase grammar indexed for grouping: word tags as small numbers, and
// the rules of each first tag in rule order, so that a position is tried
// only against the rules that can start there and the first match still wins.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "grammar/phrase_grammar_rules.h"

namespace quelvo {

using TagId = std::uint8_t;
inline constexpr TagId kUnknownTag = 0;  // a tag that no rule names

TagId TagIdOf(std::string_view tag);

// The first rule by number whose tags are those at `from` onwards; nullptr
// when none matches.
const GrammarRule* FirstMatchingRule(std::span<const TagId> tags, std::size_t from);

}  // namespace quelvo
