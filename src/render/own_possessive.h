#pragma once
// "su", "sus" that point back to the subject of their clause: the Swedish
// reflexive possessive "sin", "sitt", "sina" ("Pablo compró medicinas para
// su madre" is "Pablo köpte mediciner åt sin mamma").
#include <string_view>

#include "core/translation_state.h"

namespace quelvo {

// CurWord is "su" or "sus" in an object or prepositional phrase whose clause
// has a finite verb of the third person before it; the copula's complement
// and "hay" have no subject to point back to.
bool PointsToSubject(const TranslationState& s);

// The same for `word` of `phrase`.
bool PointsToSubject(const PhraseNode* phrase, const WordNode* word);

// "su", "sus" in a clause whose subject is "usted", "ustedes": "er", "ert", "era".
bool BelongsToUsted(const WordNode* word);

// For "su", "sus" that do not point to the subject: "hans", "hennes" or
// "deras" by the nearest person named before (a name, a person noun, a
// subject pronoun); empty when none is, or for another word.
std::string_view OwnerBefore(const WordNode* word);

}  // namespace quelvo
