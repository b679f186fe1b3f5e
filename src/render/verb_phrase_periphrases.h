#pragma once
// The verb-phrase recipes for the Spanish periphrases that Swedish says with
// a construction of its own, and the reflexive patterns. Each starts with
// CurWord on the first word of its pattern (after a held object pronoun); the
// phrase renderer finishes whatever is left.
#include "core/translation_state.h"
#include "render/verb_phrase_walk.h"

namespace quelvo {

// Periphrases with their own Swedish construction.
void EasyToDo(TranslationState& s, const PhraseWalk& walk, int rule);
void HaveToProgressive(TranslationState& s, const PhraseWalk& walk, int rule);
void PronounGoingTo(TranslationState& s, const PhraseWalk& walk, int rule);
void SerDegreeAdjective(TranslationState& s, const PhraseWalk& walk, int rule);
void VerbToInfinitive(TranslationState& s, const PhraseWalk& walk, int rule);
void PerfectToInfinitive(TranslationState& s, const PhraseWalk& walk, int rule);
void WhenInfinitive(TranslationState& s, const PhraseWalk& walk, int rule);
void PrepositionInfinitive(TranslationState& s, const PhraseWalk& walk, int rule);
void PrepositionalInfinitive(TranslationState& s, const PhraseWalk& walk, int rule);
void AfterHavingDone(TranslationState& s, const PhraseWalk& walk, int rule);
void Gerund(TranslationState& s, const PhraseWalk& walk, int rule);

// Reflexive patterns, handed to the reflexive constructions.
void Reflexive(TranslationState& s, const PhraseWalk& walk, int rule);
void PrepositionPassive(TranslationState& s, const PhraseWalk& walk, int rule);
void AfterPassive(TranslationState& s, const PhraseWalk& walk, int rule);

}  // namespace quelvo
