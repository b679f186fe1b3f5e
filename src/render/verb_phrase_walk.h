#pragma once
// Walking the words of one verb phrase. The recipes ask where CurWord stands
// in the phrase rather than assume it, because the verb routines they call may
// take in more words than one (a construction such as "tener que" + infinitive)
// or fewer (a word they leave alone).
#include <string_view>

#include "core/translation_state.h"

namespace quelvo {

// The member tag at position `index` (from 1), empty outside the members.
std::string_view MemberTagAt(const PhraseNode& phrase, int index);

class PhraseWalk {
public:
    PhraseWalk(TranslationState& s, const PhraseNode& phrase, WordNode* first, int count, int memberOffset = 0);

    // The position of CurWord in the phrase, 1 for its first word; one past
    // the last word once CurWord has left the phrase or the list has ended.
    int Index() const;
    bool At(int index) const { return index <= count_ && s_.CurWord != nullptr && Index() == index; }
    // The words of the phrase from CurWord on.
    int Remaining() const { return s_.CurWord != nullptr ? count_ - Index() + 1 : 0; }
    std::string_view MemberTag(int index) const { return MemberTagAt(phrase_, memberOffset_ + index); }
    // The rest of the phrase from CurWord on, as a phrase of its own.
    PhraseWalk Rest() const;

private:
    TranslationState& s_;
    const PhraseNode& phrase_;
    WordNode* first_;
    int count_;
    int memberOffset_;
};

// Renders every word left in the walk, one by one.
void RenderRestWordByWord(TranslationState& s, const PhraseWalk& walk);

// Ends a verb phrase begun at `first`: words of the phrase that the recipe
// left are rendered one by one; phrases whose words the recipe took in are
// passed over (a phrase taken in part is finished word by word), so that the
// next phrase starts on its own first word. PhraseCursor is left on the last
// phrase taken in, and CurPhraseNo and CurWordNo count what was consumed.
void FinishVerbPhrase(TranslationState& s, PhraseNode& phrase, WordNode* first, int phraseNo, int wordNo);

}  // namespace quelvo
