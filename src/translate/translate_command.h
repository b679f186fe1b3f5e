#pragma once
// The Translate command without its window: the entry checks, the segment
// loop and the output line.
#include <functional>
#include <string>
#include <string_view>

#include "core/translation_state.h"
#include "quelvo/translator.h"

namespace quelvo {

// Checks and prepares the code page 1252 text: refuses an empty text and
// more than one sentence, trims the end, closes the sentence with "." and
// spaces the punctuation.
Rejection PrepareInput(TranslationState& s, std::string_view text);

// Runs `segmentWork` once for each sentence segment after splitting it;
// refuses a segment of more than 20 tokens.
using SegmentWork = std::function<void(TranslationState&)>;
Rejection RunSegmentLoop(TranslationState& s, const SegmentWork& segmentWork);

// The work of one segment: the analysed sentence, then its Swedish words in
// Swedish order. `inspect`, when given, sees the sentence as the analysis left it.
void TranslateSegment(TranslationState& s, const SegmentWork& inspect = {});

// Every word of OutListCopy followed by a blank, without the last blank.
std::string OutputLine(const TranslationState& s);

}  // namespace quelvo
