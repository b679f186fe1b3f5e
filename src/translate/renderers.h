#pragma once
// The renderers the dispatch hands phrases to. Each starts at CurWord,
// records every Swedish word with EmitOutWord and EmitWord, leaves CurWord
// on the first word it did not consume and advances CurPhraseNo and
// CurWordNo; one that consumes several phrases moves PhraseCursor itself.
#include <string_view>

#include "core/translation_state.h"

namespace quelvo {

// Noun phrases by their rule, and a preposition with its noun phrase.
void RenderPhraseByRule(TranslationState& s);
void RenderPrepPhrase(TranslationState& s);

// The subject pronoun a verb phrase without a subject needs; consumes no word.
void InsertSubjectPronoun(TranslationState& s);
void TranslateVerbPhrase(TranslationState& s);

// Single words and fixed constructions.
void TranslateRelative(TranslationState& s);
void TranslateAdjective(TranslationState& s);
void TranslateAdverb(TranslationState& s);
void TranslateSentenceMark(TranslationState& s);
void TranslatePreposition(TranslationState& s);
void TranslateInfWord(TranslationState& s);   // phrases tagged "Inf"
void TranslateInfMarker(TranslationState& s);
void TranslateDetWord(TranslationState& s);   // phrases tagged "Det"
void TranslateIndfWord(TranslationState& s);  // phrases tagged "Indf"
void TranslateIntrWord(TranslationState& s);  // phrases tagged "Intr"
void TranslateNegation(TranslationState& s);
void TranslateSubxWord(TranslationState& s);  // phrases tagged "Subx"
void TranslatePrepInfinitive(TranslationState& s);
void TranslateAdvxWord(TranslationState& s);  // phrases tagged "Advx"
void TranslateRelx(TranslationState& s);
void TranslateSingleWord(TranslationState& s, std::string_view tag);

}  // namespace quelvo
