#pragma once
// Steps the resolvers and correction passes share: reading the per-word
// arrays within the sentence, taking a looked-up entry into a word, and
// reading a word again as a verb form.
#include <string_view>

#include "core/translation_state.h"

namespace quelvo {

// The entries at a word position; empty outside the sentence's words.
Str30 ClassTextAt(const TranslationState& s, int position);
Str6 TagAt(const TranslationState& s, int position);
void SetTag(TranslationState& s, int position, std::string_view tag);
void SetClassText(TranslationState& s, int position, std::string_view text);

// The word at `position` and the one after it change places, with their
// entries in the per-word arrays.
void SwapWithNext(TranslationState& s, WordNode& word, int position);

// The four Swedish codes.
void CopySvCodes(const WordFields& from, WordFields& to);

// The node takes StagedWord's dictionary data: SpWord, SvWord, the codes,
// the classes, SvKey, FormCode and PersonNo (not SvForm, SpText, ClassTag).
void CopyStagedToNode(const TranslationState& s, WordNode& node);

// CopyStagedToNode, and SvForm becomes the Swedish word.
void TakeStagedVerb(const TranslationState& s, WordNode& node);

// `form` as a verb form: by its ending (three letters, two, one), else as a
// listed irregular form of its infinitive. The entry is left in StagedWord.
void ReanalyseVerb(TranslationState& s, const Str30& form, bool& found);

// The "SbAdj.txt" entry of node.SpWord into StagedWord; true when both it
// and its Swedish entry exist.
bool LookupFormEntryFound(TranslationState& s, const WordNode& node);

// The node takes the Swedish entry of the form entry named `spanish` (a
// verb's further reading, "llamarse", "esperar que"); false when none.
bool TakeFormEntryUnder(TranslationState& s, WordNode& node, std::string_view spanish);

}  // namespace quelvo
