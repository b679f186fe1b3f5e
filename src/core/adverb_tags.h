#pragma once
// The output tags of adverbs. The renderers tag an adverb by its kind and the
// word-order pass reads the tag: a clause adverb ("alltid", "verkligen")
// goes after the finite verb, a manner adverb right after its verb
// ("perfekt", "bra") goes after the verb's object; a plain adverb ("i dag",
// "här") stays where Spanish has it. A focus adverb before the subject
// ("bara Juan", "nästan alla") is part of the subject and no adverb of the
// clause.
#include <string_view>

namespace quelvo {

inline constexpr std::string_view kPlainAdverbTag = "adv";
inline constexpr std::string_view kClauseAdverbTag = "sadv";
inline constexpr std::string_view kMannerAdverbTag = "madv";
inline constexpr std::string_view kFocusAdverbTag = "fadv";

constexpr bool IsAdverbTag(std::string_view tag) {
    return tag == kPlainAdverbTag || tag == kClauseAdverbTag || tag == kMannerAdverbTag;
}

}  // namespace quelvo
