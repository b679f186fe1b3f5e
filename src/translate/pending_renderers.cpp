// Renderers not yet written. Until each has its own rules, it puts the
// phrase's words out as they are: every word's Swedish form with its class
// tag, exactly as many words as the phrase covers, so no word is lost and
// the dispatch always moves on.
#include "core/emit.h"
#include "translate/renderers.h"

namespace quelvo {
namespace {

void RenderWordByWord(TranslationState& s) {
    const int count = s.PhraseCursor != nullptr ? s.PhraseCursor->MemberCount : 0;
    int consumed = 0;
    for (; consumed < count && s.CurWord != nullptr; ++consumed) {
        const WordNode& w = *s.CurWord;
        const Str30 form = w.SvForm;
        const Str6 tag = w.ClassTag;
        EmitOutWord(s, w.SpWord, form, form, tag);
        EmitWord(s, form, tag, tag, w.DefMark, w.Gender);
    }
    ++s.CurPhraseNo;
    s.CurWordNo += consumed;
}

}  // namespace

void RenderPhraseByRule(TranslationState& s) { RenderWordByWord(s); }
void RenderPrepPhrase(TranslationState& s) { RenderWordByWord(s); }
// Without the pronoun rules no pronoun is added; the verb phrase's own
// renderer puts out its words.
void InsertSubjectPronoun(TranslationState&) {}
void TranslateVerbPhrase(TranslationState& s) { RenderWordByWord(s); }
void TranslateRelative(TranslationState& s) { RenderWordByWord(s); }
void TranslateAdjective(TranslationState& s) { RenderWordByWord(s); }
void TranslateAdverb(TranslationState& s) { RenderWordByWord(s); }
void TranslateSentenceMark(TranslationState& s) { RenderWordByWord(s); }
void TranslatePreposition(TranslationState& s) { RenderWordByWord(s); }
void TranslateInfWord(TranslationState& s) { RenderWordByWord(s); }
void TranslateInfMarker(TranslationState& s) { RenderWordByWord(s); }
void TranslateDetWord(TranslationState& s) { RenderWordByWord(s); }
void TranslateIndfWord(TranslationState& s) { RenderWordByWord(s); }
void TranslateIntrWord(TranslationState& s) { RenderWordByWord(s); }
void TranslateNegation(TranslationState& s) { RenderWordByWord(s); }
void TranslateSubxWord(TranslationState& s) { RenderWordByWord(s); }
void TranslatePrepInfinitive(TranslationState& s) { RenderWordByWord(s); }
void TranslateAdvxWord(TranslationState& s) { RenderWordByWord(s); }
void TranslateRelx(TranslationState& s) { RenderWordByWord(s); }
void TranslateSingleWord(TranslationState& s, std::string_view) { RenderWordByWord(s); }

}  // namespace quelvo
