#pragma once
// The dictionary lookups. Each gives exactly what a scan of its file from the
// first record would give: the first matching record, the same truncations,
// the same not-found placeholders. Results go into the translation state.
#include "core/translation_state.h"

namespace quelvo {

// "SpOrd.txt" then "SvFile.txt" for s.LookupWord; fills s.StagedWord or the
// not-found placeholders. `found` is set true or false.
void LookupSpanishWord(TranslationState& s, bool& found);
// "SvFile.txt" for the entry number in s.StagedWord.SvKey; only ever sets `found` true.
void LookupSwedishEntry(TranslationState& s, bool& found);
// "SbAdj.txt" for node.SpWord, then its Swedish entry; the effect is seen in s.StagedWord only.
void LookupFormEntry(TranslationState& s, const WordNode& node);
// LookupSpanishWord that only ever sets the caller's `found` true.
void TryLookup(TranslationState& s, bool& found);
// The built-in acronyms for s.LookupWord; on a match sets StagedWord.SvWord and `found`.
void LookupAcronym(TranslationState& s, bool& found);
// "Spvb.dat": on the first line holding `word` among its forms, `word` becomes
// the infinitive, `formCode` the line's form code, StagedWord.PersonNo the
// form's position (0 for form code 10), and `found` true.
void LookupVerbForm(TranslationState& s, Str30& word, bool& found, int& formCode);
// "OregSubs.pek": irregular Swedish noun forms by definiteness ('o', 'b') and number.
void LookupIrregularNoun(const TranslationState& s, Str30& form, char definiteness, int number);
// "SvVerb1.pek": the irregular Swedish verb form of `form` for `formCode`.
void LookupIrregularVerb(const TranslationState& s, Str30& form, int formCode);
// "FrasText.txt": the phrase starting at `node` in the section keyed `word`;
// on a match sets s.PhraseSv, PhraseSp, PhraseClassWord, PhraseNumber and `found`.
// s.PhraseWordCount is the word count of the record last compared.
void FindPhrase(TranslationState& s, const Str30& word, const WordNode* node, bool& found);

}  // namespace quelvo
