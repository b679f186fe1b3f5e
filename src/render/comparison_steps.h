#pragma once
// The comparison steps of the noun-phrase recipes: "más" with an adjective
// or an adverb, said with "mer"/"mest" or the comparative forms.
#include "render/noun_phrase_steps.h"

namespace quelvo {

void RunCompare(TranslationState& s, NounPhrase& np);
void RunMeraCompare(TranslationState& s, NounPhrase& np);
void RunMerOrMest(TranslationState& s, const NounPhrase& np);
void RunMoreAdverb(TranslationState& s);

}  // namespace quelvo
