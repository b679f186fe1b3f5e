#pragma once
// Swedish verbs that carry their reflexive in the dictionary ("aprender":
// "lära sig", "imaginar": "föreställa sig") say it in the subject's person.
#include <string_view>

#include "core/translation_state.h"

namespace quelvo {

// The reflexive pronouns that agree with a subject.
bool IsSwedishReflexivePronoun(std::string_view word);

// Every Swedish verb text ending in "sig" takes the reflexive of its
// subject's person: a finite verb's own, an infinitive's from the finite
// verb before it in the sentence ("quiero aprender": "vill lära mig").
void AgreeSwedishReflexives(TranslationState& s);

}  // namespace quelvo
