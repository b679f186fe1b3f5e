#include "grammar/phrase_walk.h"

namespace quelvo {

PhraseAt SeekPhrase(TranslationState& s, int first) {
    PhraseAt at{s.MergedPhraseList.Head, 1, s.WordList.Head};
    for (int n = 1; n < first && at.phrase != nullptr; ++n) StepPhrase(at);
    return at;
}

void StepPhrase(PhraseAt& at) {
    if (at.phrase == nullptr) return;
    for (int i = 0; i < at.phrase->MemberCount && at.word != nullptr; ++i) at.word = at.word->Next;
    at.wordIndex += at.phrase->MemberCount;
    at.phrase = at.phrase->Next;
}

}  // namespace quelvo
