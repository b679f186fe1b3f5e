#pragma once
// The ending analysis: a word not in the dictionary as it stands is taken
// apart by its ending, and candidate base forms are looked up until one is
// found. The found entry is left in StagedWord with the codes of its ending.
#include "core/translation_state.h"

namespace quelvo {

// The seven analysers in order, each while `found` is still false.
void AnalyseEnding(TranslationState& s, const Str30& word, bool& found);

// One analyser each: last letter, last two letters, ... last seven letters.
void AnalyseEnding1(TranslationState& s, const Str30& word, bool& found);
void AnalyseEnding2(TranslationState& s, const Str30& word, bool& found);
void AnalyseEnding3(TranslationState& s, const Str30& word, bool& found);
void AnalyseEnding4(TranslationState& s, const Str30& word, bool& found);
void AnalyseEnding5(TranslationState& s, const Str30& word, bool& found);
void AnalyseEnding6(TranslationState& s, const Str30& word, bool& found);
void AnalyseEnding7(TranslationState& s, const Str30& word, bool& found);

// The first "ue" of LookupWord becomes "o"; the first "ie" becomes "e".
void RestoreStemO(TranslationState& s);
void RestoreStemE(TranslationState& s);

}  // namespace quelvo
