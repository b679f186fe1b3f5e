#pragma once
// Swedish past participles agreeing with their noun (målad, målat, målade).
#include "core/translation_state.h"

namespace quelvo {

// Gives the participle of CurWord (the verb in `form`, of conjugation
// `group`) the ending that agrees with its noun: `gender` 't' neuter, anything
// else common; `definiteness` 'o', 'b' or ' '. CurWord's FormCode says which
// participle is wanted (10, 13, 33 agreeing singular; 3, 14, 34 plural or
// definite); `callerFormCode` 3 asks the listed irregular ones for the plural.
void AgreeParticiple(const TranslationState& s, Str30& form, int group, int callerFormCode, char gender,
                     char definiteness);

// The participles of "descolgar", "sacar", "excavar", "avanzar" (CurWord's
// SpWord) used as adjectives: plural/definite for selector 34, else singular.
void LookupParticipleAdjective(const TranslationState& s, Str30& form, int selector);

}  // namespace quelvo
