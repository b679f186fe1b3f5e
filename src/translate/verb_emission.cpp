#include "translate/verb_emission.h"

#include "core/emit.h"

namespace quelvo {

std::string_view CurrentSpanish(const TranslationState& s) {
    return s.CurWord != nullptr ? s.CurWord->SpWord.view() : std::string_view();
}

void EmitForWord(TranslationState& s, std::string_view text, std::string_view tag) {
    EmitForWordTagged(s, text, tag, tag);
}

void EmitOwnWord(TranslationState& s, std::string_view tag) {
    if (s.CurWord != nullptr) EmitForWord(s, s.CurWord->SvWord, tag);
}

void EmitForWordKeepingMarks(TranslationState& s, std::string_view text, std::string_view tag) {
    const char mark = s.CurWord != nullptr ? s.CurWord->DefMark : ' ';
    const char gender = s.CurWord != nullptr ? s.CurWord->Gender : ' ';
    EmitOutWord(s, CurrentSpanish(s), text, text, tag);
    EmitWord(s, text, tag, tag, mark, gender);
}

void EmitForWordTagged(TranslationState& s, std::string_view text, std::string_view outTag,
                       std::string_view recordTag) {
    EmitOutWord(s, CurrentSpanish(s), text, text, outTag);
    EmitWord(s, text, recordTag, recordTag, ' ', ' ');
}

void EmitAddedWord(TranslationState& s, std::string_view text, std::string_view tag) {
    EmitOutWord(s, CurrentSpanish(s), text, text, tag);
    s.OutTags.Set(s.OutCount, Str6(tag));
    if (s.KeepOutWords && s.OutCount >= 1 && s.OutCount <= kOutWordSlots) s.OutWords[s.OutCount] = text;
    ++s.OutCount;
}

void SkipWord(TranslationState& s) {
    if (s.CurWord != nullptr) s.CurWord = s.CurWord->Next;
}

}  // namespace quelvo
