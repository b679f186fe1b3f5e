#pragma once
// The recipes of the verb-phrase rules. Each starts with CurWord on the first
// word of its pattern (after a held object pronoun) and renders the words of
// the pattern it finds there; the phrase renderer finishes whatever is left.
#include "core/translation_state.h"
#include "translate/verb_phrase_walk.h"

namespace quelvo {

using VerbRecipe = void (*)(TranslationState& s, const PhraseWalk& walk, int rule);

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

// Verbs in a row, auxiliaries and participles.
void SingleVerb(TranslationState& s, const PhraseWalk& walk, int rule);
void VerbThenVerb(TranslationState& s, const PhraseWalk& walk, int rule);
void VerbThenObject(TranslationState& s, const PhraseWalk& walk, int rule);
void InfinitiveToInfinitive(TranslationState& s, const PhraseWalk& walk, int rule);
void PerfectThenVerb(TranslationState& s, const PhraseWalk& walk, int rule);
void AuxiliaryPerfectThenVerb(TranslationState& s, const PhraseWalk& walk, int rule);
void AuxiliaryAndVerb(TranslationState& s, const PhraseWalk& walk, int rule);
void VerbAfterAuxiliary(TranslationState& s, const PhraseWalk& walk, int rule);
void AuxiliaryParticiple(TranslationState& s, const PhraseWalk& walk, int rule);
void PerfectVerbalAdjective(TranslationState& s, const PhraseWalk& walk, int rule);
void AuxiliaryVerbalAdjective(TranslationState& s, const PhraseWalk& walk, int rule);
void VerbalAdjective(TranslationState& s, const PhraseWalk& walk, int rule);
void VerbAdverbAdjective(TranslationState& s, const PhraseWalk& walk, int rule);
void PrepositionInfinitiveObject(TranslationState& s, const PhraseWalk& walk, int rule);
void Unchanged(TranslationState& s, const PhraseWalk& walk, int rule);

}  // namespace quelvo
