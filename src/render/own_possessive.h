#pragma once
// "su", "sus" that point back to the subject of their clause: the Swedish
// reflexive possessive "sin", "sitt", "sina" ("Pablo compró medicinas para
// su madre" is "Pablo köpte mediciner åt sin mamma").
#include "core/translation_state.h"

namespace quelvo {

// CurWord is "su" or "sus" in an object or prepositional phrase whose clause
// has a finite verb of the third person before it; the copula's complement
// and "hay" have no subject to point back to.
bool PointsToSubject(const TranslationState& s);

// The same for `word` of `phrase`.
bool PointsToSubject(const PhraseNode* phrase, const WordNode* word);

}  // namespace quelvo
