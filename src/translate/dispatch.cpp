#include "translate/dispatch.h"

#include "morphology/verb_routines.h"
#include "render/emission.h"
#include "render/genitive.h"
#include "render/single_words.h"
#include "render/word_by_word.h"

namespace quelvo {
namespace {

void PrepareDispatch(TranslationState& s) {
    s.CurWord = s.WordList.Head;
    s.OutCount = 1;
    s.OutWords.fill(Str30());
    s.PhraseCursor = s.MergedPhraseList.Head;
    s.KeepOutWords = true;
}

void KeepPhrasesForExplaining(TranslationState& s) {
    s.PhrasesAtDispatch.clear();
    for (const PhraseNode* p = s.MergedPhraseList.Head; p != nullptr; p = p->Next) {
        PhraseNode copy = *p;
        copy.Next = copy.Prev = nullptr;
        s.PhrasesAtDispatch.push_back(copy);
    }
}

void Run(TranslationState& s, const DispatchRow& row) {
    for (Renderer routine : row.routines)
        if (routine != nullptr) routine(s);
    if (!row.singleWordTag.empty()) TranslateSingleWord(s, row.singleWordTag);
}

// A tag without a row is put out word by word, so that none of its words is
// lost and the next phrase starts on its own first word.
void RenderPhrase(TranslationState& s) {
    if (const DispatchRow* row = FindDispatchRow(s.PhraseCursor->Tag))
        Run(s, *row);
    else
        RenderWordByWord(s);
}

}  // namespace

const DispatchRow* FindDispatchRow(std::string_view tag) {
    if (tag.empty()) return nullptr;
    for (const DispatchRow& row : DispatchTable)
        for (std::string_view t : row.tags)
            if (t == tag) return &row;
    return nullptr;
}

void DispatchPhrases(TranslationState& s) {
    PrepareDispatch(s);
    KeepPhrasesForExplaining(s);
    // "casarse es fácil": an infinitive as the subject is said with "att".
    if (OpensWithInfinitiveSubject(s.WordList.Head)) EmitAdded(s, "att", "infm");
    // The last phrase, normally the sentence mark, is never rendered.
    while (s.PhraseCursor != nullptr && s.PhraseCursor->Next != nullptr) {
        if (StartsGenitive(s))
            RenderGenitive(s, RenderPhrase);
        else
            RenderPhrase(s);
        if (s.PhraseCursor == nullptr) break;
        s.PhraseCursor = s.PhraseCursor->Next;
    }
}

}  // namespace quelvo
