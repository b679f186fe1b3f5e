#include "render/verb_phrase_walk.h"

#include "render/phrase_progress.h"
#include "render/word_by_word.h"

namespace quelvo {

std::string_view MemberTagAt(const PhraseNode& phrase, int index) {
    return index >= 1 && index <= kMaxMembers ? phrase.Members[index].view() : std::string_view();
}

PhraseWalk::PhraseWalk(TranslationState& s, const PhraseNode& phrase, WordNode* first, int count, int memberOffset)
    : s_(s), phrase_(phrase), first_(first), count_(count), memberOffset_(memberOffset) {}

int PhraseWalk::Index() const {
    int index = 1;
    for (const WordNode* w = first_; w != nullptr && index <= count_; w = w->Next, ++index)
        if (w == s_.CurWord) return index;
    return count_ + 1;
}

PhraseWalk PhraseWalk::Rest() const {
    const int done = Index() - 1;
    return PhraseWalk(s_, phrase_, s_.CurWord, count_ - done, memberOffset_ + done);
}

void RenderRestWordByWord(TranslationState& s, const PhraseWalk& walk) { RenderWords(s, walk.Remaining()); }

void FinishVerbPhrase(TranslationState& s, PhraseNode& phrase, WordNode* first, int phraseNo, int wordNo) {
    PhraseNode* last = &phrase;
    int covered = WordsOfPhrase(last);
    int phrases = 1;
    for (;;) {
        const int consumed = WordsBetween(first, s.CurWord);
        if (consumed < covered && s.CurWord != nullptr) {
            RenderWords(s, 1);
        } else if (consumed > covered && last->Next != nullptr) {
            last = last->Next;
            covered += WordsOfPhrase(last);
            ++phrases;
        } else {
            break;
        }
    }
    s.PhraseCursor = last;
    s.CurPhraseNo = phraseNo + phrases;
    s.CurWordNo = wordNo + WordsBetween(first, s.CurWord);
}

}  // namespace quelvo
