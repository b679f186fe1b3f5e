#pragma once
// Orders: a verb that opens the sentence and is said to someone ("Cierra la
// puerta", "Ven", "Cuéntame") takes the Swedish imperative.
#include <string_view>

#include "core/translation_state.h"

namespace quelvo {

// Whether `stem` is an imperative that pronouns may be attached to: a listed
// one, or a verb form that reads as one (the third person of the present,
// "cuenta", or the present subjunctive, "diga"). Stages the verb when it is.
bool IsImperativeStem(TranslationState& s, std::string_view stem);

// Stages the word that opens the sentence as an order: a listed imperative,
// or, before an object pronoun ("Cuéntame" cut into "cuenta", "me"), a word
// the dictionary has as a noun or not at all that IsImperativeStem accepts.
// False for other words.
bool StageOpeningImperative(TranslationState& s, std::string_view word, std::string_view nextWord);

// me, te, se, lo, la, le, nos, os, los, las, les.
bool IsObjectPronounText(std::string_view text);

// The correction pass: the verb that opens a sentence becomes an imperative
// when the sentence is an order (see the .cpp for the cues).
void ResolveImperatives(TranslationState& s);

}  // namespace quelvo
