#pragma once
// Swedish puts a possessor before its noun in the genitive, where Spanish
// puts it after with "de": "el perro de mi hermano" is "min brors hund",
// "la capital de Noruega" "Norges huvudstad". The possessed noun then loses
// its article and definite ending; its adjectives keep the definite form
// ("min brors svarta hund").
#include "core/translation_state.h"

namespace quelvo {

// True when the phrase at PhraseCursor is a definite noun phrase (or a
// preposition before one) and the next phrase is "de" with a possessor: a
// possessive and its noun, a proper name, or a definite noun phrase.
bool StartsGenitive(TranslationState& s);

// Renders the possessed phrase and the possessor with `renderPhrase` (which
// renders the phrase at PhraseCursor), then puts the possessor, in the
// genitive, before the possessed noun. Leaves PhraseCursor on the possessor.
void RenderGenitive(TranslationState& s, void (*renderPhrase)(TranslationState&));

}  // namespace quelvo
