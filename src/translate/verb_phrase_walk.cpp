#include "translate/verb_phrase_walk.h"

#include <array>

#include "swedish/word_output.h"
#include "translate/verb_emission.h"
#include "translate/verb_word.h"

namespace quelvo {
namespace {

constexpr std::array<std::string_view, 12> kVerbTags{
    "v", "vt", "vi", "hjv", "inf", "inf_t", "inf_i", "vperf", "vperf_i", "vperf_t", "vpres", "vpres_i",
};

bool IsVerbTag(std::string_view tag) {
    for (std::string_view t : kVerbTags)
        if (t == tag) return true;
    return false;
}

int WordsBetween(const WordNode* from, const WordNode* to) {
    int n = 0;
    for (const WordNode* w = from; w != nullptr && w != to; w = w->Next) ++n;
    return n;
}

}  // namespace

int WordsOf(const PhraseNode& phrase) { return phrase.MemberCount > 0 ? phrase.MemberCount : 1; }

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

void RenderLoneWord(TranslationState& s, std::string_view tag) {
    WordNode* w = s.CurWord;
    if (w == nullptr) return;
    const std::string_view wordTag = tag.empty() ? w->ClassTag.view() : tag;
    if (IsVerbTag(wordTag)) TranslateVerbWord(s);
    // A verb routine that left the word alone must not stall the walk.
    if (s.CurWord == w) EmitAndRecord(s, w->SvWord, wordTag);
}

void RenderRestWordByWord(TranslationState& s, const PhraseWalk& walk) {
    while (walk.Inside()) RenderLoneWord(s, walk.MemberTag(walk.Index()));
}

void FinishVerbPhrase(TranslationState& s, PhraseNode& phrase, WordNode* first, int phraseNo, int wordNo) {
    PhraseNode* last = &phrase;
    int covered = WordsOf(phrase);
    int phrases = 1;
    for (;;) {
        const int consumed = WordsBetween(first, s.CurWord);
        if (consumed < covered && s.CurWord != nullptr) {
            const int indexInLast = consumed - (covered - WordsOf(*last)) + 1;
            RenderLoneWord(s, MemberTagAt(*last, indexInLast));
        } else if (consumed > covered && last->Next != nullptr) {
            last = last->Next;
            covered += WordsOf(*last);
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
