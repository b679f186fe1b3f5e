#pragma once
// The running counters every phrase renderer advances when it is done:
// CurPhraseNo by the phrases it finished, CurWordNo by the words it consumed.
#include "core/translation_state.h"

namespace quelvo {

// Where a renderer began.
struct PhraseStart {
    const WordNode* word;
    const PhraseNode* phrase;
};

PhraseStart BeginPhrase(const TranslationState& s);

// Adds what was consumed since `start` to the counters: one phrase, plus
// every phrase the renderer moved PhraseCursor over, and the words from the
// start word up to CurWord.
void FinishPhrase(TranslationState& s, const PhraseStart& start);

// The words from `from` up to `to` (null: the end of the list); 0 when `to`
// does not follow `from`.
int WordsBetween(const WordNode* from, const WordNode* to);

// The words a phrase stands for. A phrase that grouping formed from a word
// no rule matched counts no members but still holds that word.
int WordsOfPhrase(const PhraseNode* phrase);

// True when the current phrase and the next are one word each, so that a
// renderer may take the next word into its own construction and move
// PhraseCursor on without leaving the following phrases out of step.
bool NextPhraseIsOneWord(const TranslationState& s);

// The number of phrases after `current` that hold exactly the next `words`
// words; 0 when a phrase reaches beyond them.
int PhrasesHolding(const PhraseNode* current, int words);

// A construction takes in the next phrase. The last phrase of the list
// stays current, so the dispatch never steps from a missing phrase.
void TakeInNextPhrase(TranslationState& s);

// Runs `render` (a callable taking the state) when there is a word left, and
// counts what it consumed as one phrase.
template <typename Render>
void RenderCountedPhrase(TranslationState& s, Render render) {
    const PhraseStart start = BeginPhrase(s);
    if (s.CurWord != nullptr) render(s);
    FinishPhrase(s, start);
}

}  // namespace quelvo
