#include "swedish/word_output.h"

#include "core/emit.h"

namespace quelvo {

std::string_view SpWordOf(const WordNode* word) { return word != nullptr ? word->SpWord.view() : std::string_view(); }

void EmitCounted(TranslationState& s, std::string_view spWord, std::string_view word, std::string_view tag) {
    EmitOutWord(s, spWord, word, word, tag);
    s.OutTags.Set(s.OutCount, Str6(tag));
    if (s.KeepOutWords && s.OutCount >= 1 && s.OutCount <= kOutWordSlots) s.OutWords[s.OutCount] = word;
    ++s.OutCount;
}

void EmitAndRecord(TranslationState& s, std::string_view word, std::string_view tag, char mark, char gender) {
    EmitOutWord(s, SpWordOf(s.CurWord), word, word, tag);
    EmitWord(s, word, tag, tag, mark, gender);
}

void AdvanceWord(TranslationState& s) {
    if (s.CurWord != nullptr) s.CurWord = s.CurWord->Next;
}

void AdvancePhrase(TranslationState& s) {
    if (s.PhraseCursor != nullptr) s.PhraseCursor = s.PhraseCursor->Next;
}

}  // namespace quelvo
