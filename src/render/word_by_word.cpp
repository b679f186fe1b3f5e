#include "render/word_by_word.h"

#include <array>
#include <string_view>

#include "core/word_classes.h"
#include "render/phrase_progress.h"
#include "render/verb_word.h"
#include "swedish/nouns.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

constexpr std::array<std::string_view, 5> VerbClassTags{"v", "hjv", "inf", "vpres", "vperf"};

bool IsVerb(const WordNode& word) {
    if (word.SpClass == wc::kVerb || word.SpClass == wc::kAuxiliary) return true;
    for (std::string_view tag : VerbClassTags)
        if (word.ClassTag == tag) return true;
    return false;
}

void RenderPlainWord(TranslationState& s) {
    const WordNode& word = *s.CurWord;
    Str30 form = word.SvWord;
    if (word.ClassTag == "n") ChkKatForm(s, form, word.SvCode2, word.FormCode, 'o');
    const Str6 tag = word.ClassTag.empty() ? Str6("x") : word.ClassTag;
    EmitAndRecord(s, form, tag, word.DefMark, word.Gender);
}

}  // namespace

void RenderWords(TranslationState& s, int count) {
    const WordNode* start = s.CurWord;
    while (s.CurWord != nullptr && WordsBetween(start, s.CurWord) < count) {
        const WordNode* before = s.CurWord;
        if (IsVerb(*s.CurWord)) TranslateVerbWord(s);
        // A verb routine that found nothing to say still must not stall the phrase.
        if (s.CurWord == before) RenderPlainWord(s);
        if (WordsBetween(start, s.CurWord) == 0 && s.CurWord != nullptr) break;
    }
}

void RenderWordByWord(TranslationState& s) {
    const PhraseStart start = BeginPhrase(s);
    RenderWords(s, WordsOfPhrase(s.PhraseCursor));
    FinishPhrase(s, start);
}

}  // namespace quelvo
