#include "render/phrase_progress.h"

#include <algorithm>

namespace quelvo {
namespace {

template <typename Node>
int StepsBetween(const Node* from, const Node* to) {
    int steps = 0;
    const Node* node = from;
    for (; node != nullptr && node != to; node = node->Next) ++steps;
    return node == to ? steps : 0;
}

}  // namespace

PhraseStart BeginPhrase(const TranslationState& s) { return {s.CurWord, s.PhraseCursor}; }

void FinishPhrase(TranslationState& s, const PhraseStart& start) {
    s.CurPhraseNo += 1 + StepsBetween(start.phrase, static_cast<const PhraseNode*>(s.PhraseCursor));
    s.CurWordNo += WordsBetween(start.word, s.CurWord);
}

int WordsBetween(const WordNode* from, const WordNode* to) { return StepsBetween(from, to); }

int WordsOfPhrase(const PhraseNode* phrase) { return phrase != nullptr ? std::max(phrase->MemberCount, 1) : 1; }

bool NextPhraseIsOneWord(const TranslationState& s) {
    const PhraseNode* phrase = s.PhraseCursor;
    return phrase != nullptr && phrase->Next != nullptr && WordsOfPhrase(phrase) == 1 &&
           WordsOfPhrase(phrase->Next) == 1;
}

int PhrasesHolding(const PhraseNode* current, int words) {
    int phrases = 0;
    for (const PhraseNode* p = current->Next; p != nullptr && words > 0; p = p->Next, ++phrases)
        words -= WordsOfPhrase(p);
    return words == 0 ? phrases : 0;
}

void TakeInNextPhrase(TranslationState& s) {
    if (s.PhraseCursor != nullptr && s.PhraseCursor->Next != nullptr) s.PhraseCursor = s.PhraseCursor->Next;
}

}  // namespace quelvo
