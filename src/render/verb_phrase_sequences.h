#pragma once
// The verb-phrase recipes for verbs in a row: auxiliaries with their verbs,
// participles, infinitives and the words between them. Each starts with
// CurWord on the first word of its pattern (after a held object pronoun) and
// renders the words of the pattern it finds there; the phrase renderer
// finishes whatever is left.
#include "core/translation_state.h"
#include "render/verb_phrase_walk.h"

namespace quelvo {

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
