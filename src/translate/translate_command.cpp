#include "translate/translate_command.h"

#include "analysis/build_sentence.h"
#include "input/abbreviations.h"
#include "input/input_cleaning.h"
#include "input/punctuation.h"
#include "input/split_segment.h"
#include "translate/dispatch.h"
#include "translate/reorder_output.h"

namespace quelvo {
namespace {

bool IsTrailingBlank(char c) { return c == '\n' || c == '\r' || c == ' '; }

// A "." before the last two characters means a second sentence, unless it
// belongs to an abbreviation or a number.
bool HoldsSeveralSentences(std::string_view text) {
    constexpr std::size_t kFinalMarks = 2;
    for (std::size_t i = 0; i + kFinalMarks < text.size(); ++i) {
        const std::size_t abbreviation = AbbreviationAt(text, i).length;
        if (abbreviation > 0)
            i += abbreviation - 1;
        else if (text[i] == '.' && !IsNumberDot(text, i))
            return true;
    }
    return false;
}

// The dot of a closing abbreviation is part of the word, not the sentence's stop.
bool EndsWithAbbreviation(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (AbbreviationAt(text, i).length == text.size() - i) return true;
    return false;
}

void ResetSegmentCounters(TranslationState& s) {
    s.CurPhraseNo = 1;
    s.CurWordNo = 1;
    s.PhraseCounter = 1;
    // Per-word arrays are sized by this segment alone, so that work and
    // memory stay bounded by the segment however many came before it.
    s.SlotCount = 1;
    // A segment that puts out no word must not hand the previous segment's
    // words to the word-order pass a second time.
    s.OutList = {};
}

// Punctuation stands close to the word before it, as in written Swedish.
bool ClosesUp(std::string_view word) {
    return word == "," || word == "." || word == "?" || word == "!" || word == ":" || word == ";" || word == "%";
}

}  // namespace

Rejection PrepareInput(TranslationState& s, std::string_view rawText) {
    const std::string cleaned = CleanInputText(rawText);
    std::string_view text = cleaned;
    s.UnknownIndex = 1;
    s.ScanPos = 1;
    s.SlotCount = 1;
    // Trailing blanks and line breaks go first, so that a sentence followed
    // by a line break is still one sentence, and blank input is empty input.
    while (!text.empty() && IsTrailingBlank(text.back())) text.remove_suffix(1);
    if (text.empty()) return Rejection::EmptyText;
    if (text.size() > kMaxInputCharacters) return Rejection::TooLongText;
    if (HoldsSeveralSentences(text)) return Rejection::SeveralSentences;
    s.InputText = std::string(text);
    s.TextLen = static_cast<int>(text.size());
    const char last = text.back();
    if ((last != '!' && last != '.' && last != '?') || EndsWithAbbreviation(text)) {
        s.InputText += '.';
        ++s.TextLen;  // the added stop is part of the text to read
    }
    SpacePunctuation(s);
    return Rejection::None;
}

Rejection RunSegmentLoop(TranslationState& s, const SegmentWork& segmentWork) {
    while (s.ScanPos < s.TextLen) {
        s.OutPosCounter = 1;
        if (s.ScanPos > static_cast<int>(s.InputText.size())) break;
        ResetSegmentCounters(s);
        SplitSegment(s);
        if (s.WordCount > kMaxSegmentWords) return Rejection::TooManyWords;  // read no further than the 21st
        if (s.WordCount < 1) break;
        segmentWork(s);
    }
    return Rejection::None;
}

void TranslateSegment(TranslationState& s, const SegmentInspector& inspect) {
    BuildSentence(s);
    if (inspect.afterAnalysis) inspect.afterAnalysis(s);
    DispatchPhrases(s);
    ReorderOutput(s);
    if (inspect.afterOutput) inspect.afterOutput(s);
}

std::string OutputLine(const TranslationState& s) {
    std::string line;
    for (const OutWordNode* n = s.OutListCopy.Head; n != nullptr; n = n->Next) {
        if (!line.empty() && !ClosesUp(n->SvText.view())) line += ' ';
        line += n->SvText.view();
    }
    return line;
}

}  // namespace quelvo
