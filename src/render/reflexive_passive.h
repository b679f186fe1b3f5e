#pragma once
// Spanish verb phrases with a reflexive pronoun ("se dice", "se ha hecho",
// "se puede hacer", "se va a hacer") in Swedish: the s-passive, or "man"
// with an active verb.
#include "core/translation_state.h"

namespace quelvo {

// Construction numbers besides the phrase-rule numbers of the reflexive
// patterns: rule 165 (refl v qinf inf) split by its verb.
inline constexpr int kReflexiveGoingTo = 165;      // "ir a" + infinitive
inline constexpr int kReflexiveHaveTo = 1650;      // "tener que"
inline constexpr int kReflexiveJustDone = 1651;    // "acabar de": no recipe
inline constexpr int kReflexiveOtherVerb = 1155;   // any other verb + infinitive
inline constexpr int kReflexivePassiveVerb = 203;  // a verb made s-passive

// Renders the phrase starting at CurWord by the recipe of `construction`;
// a number without a recipe does nothing.
void TranslateReflexive(TranslationState& s, int construction);

}  // namespace quelvo
