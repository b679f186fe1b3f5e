#pragma once
// Verbs whose reflexive use Swedish says with a reflexive verb of its own
// ("afeitarse": "raka sig") or with another verb ("llamarse": "heta"), never
// as an s-passive. The dictionary marks them on the Spanish verb.
#include "core/records.h"
#include "core/translation_state.h"

namespace quelvo {

// The verb is reflexive in Swedish too: "se afeita" is "rakar sig".
bool IsSwedishReflexive(const WordNode* verb);
// The verb's reflexive use has its own Swedish verb, without a pronoun.
bool TakesOwnReflexiveVerb(const WordNode* verb);
// `pronoun` is the reflexive pronoun of `verb`'s person ("me llamo", "se va").
bool IsReflexivePronounOf(const WordNode* pronoun, const WordNode* verb);
// The pronoun before or after the verb that makes it reflexive, or null.
const WordNode* ReflexivePronounOf(const WordNode* verb);
// The pronoun after a verb with its own reflexive verb, which Swedish does
// not say ("levantarme": "stiga upp").
bool IsSilentReflexivePronoun(const WordNode& pronoun);

// Every verb of the sentence with its own reflexive verb, used with its
// reflexive pronoun, takes that verb's Swedish entry: the form entry of its
// infinitive with "se" ("llamarse" → "heta").
void ResolveOwnReflexiveVerbs(TranslationState& s);

}  // namespace quelvo
