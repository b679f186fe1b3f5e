#pragma once
// Tests of a word's neighbours that the correction passes share with the
// class resolvers. A test that names an absent neighbour does not apply.
#include "core/translation_state.h"

namespace quelvo {


// Whether the word stands in a verbal context; the first rule that applies
// decides, and without one `yes` is left as it was. A typed plural in "os"
// is no verb: the word becomes a noun.
void PerfectContext(WordNode& node, int position, bool& yes);

// How a participle is used: as a noun, an adjective or a verb.
void ParticipleUse(const WordNode& node, int position, bool& nounUse, bool& adjUse, bool& verbUse);

// A word after a verb read as a past participle ("vperf").
void FlaggedWordFix(TranslationState& s, WordNode& node, int position);

}  // namespace quelvo
