#include "translate/verb_emission.h"

#include "swedish/word_output.h"

namespace quelvo {

void EmitOwnWord(TranslationState& s, std::string_view tag) {
    if (s.CurWord != nullptr) EmitAndRecord(s, s.CurWord->SvWord, tag);
}

void EmitWithWordMarks(TranslationState& s, std::string_view text, std::string_view tag) {
    if (s.CurWord == nullptr) return EmitAndRecord(s, text, tag);
    EmitAndRecord(s, text, tag, s.CurWord->DefMark, s.CurWord->Gender);
}

void EmitAdded(TranslationState& s, std::string_view text, std::string_view tag) {
    EmitCounted(s, SpWordOf(s.CurWord), text, tag);
}

}  // namespace quelvo
