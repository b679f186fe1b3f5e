#include "core/emit.h"

#include "core/capitalise.h"

namespace quelvo {
namespace {

void RecordTagAndWord(TranslationState& s, std::string_view tag, std::string_view word, bool keepWord) {
    s.OutTags.Set(s.OutCount, Str6(tag));
    if (keepWord && s.OutCount >= 1 && s.OutCount <= kOutWordSlots) s.OutWords[s.OutCount] = word;
    ++s.OutCount;
}

}  // namespace

void EmitOutWord(TranslationState& s, std::string_view /*spWord*/, std::string_view svText,
                 std::string_view /*svText2*/, std::string_view tag) {
    Str30 text(svText);
    const bool first = s.OutPosCounter == 1 || s.OutList.Tail == nullptr;
    if (first || s.OutList.Tail->SvText == ".") text = Capitalised(text);
    OutWordNode* node = s.OutList.Add(s.Arena, first);
    node->OutPos = s.OutPosCounter;
    node->SvText = text;
    node->OutTag = Str10(tag);
    ++s.OutPosCounter;
}

void EmitWord(TranslationState& s, std::string_view form, std::string_view /*tag1*/, std::string_view tag2,
              char defMark, char gender) {
    if (s.CurWord != nullptr) {
        s.CurWord->SvForm = form;
        s.CurWord->DefMark = defMark;
        s.CurWord->Gender = gender;
    }
    RecordTagAndWord(s, tag2, form, s.KeepOutWords);
    if (s.CurWord != nullptr) s.CurWord = s.CurWord->Next;
}

void RecordOutWord(TranslationState& s, std::string_view word, std::string_view tag) {
    RecordTagAndWord(s, tag, word, true);
}

}  // namespace quelvo
