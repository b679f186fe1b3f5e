#pragma once
// Verbs of liking ("gustar", "encantar") and "doler" have the one who likes
// or aches as their object pronoun in Spanish and as their subject in
// Swedish: "me gusta" is "jag tycker om", "me duele" "jag har ont".
#include <string_view>

#include "core/records.h"

namespace quelvo {

// The Swedish subject for the object pronoun `pronoun` when one of those
// verbs follows it; empty otherwise.
std::string_view ExperiencerSubject(const WordNode* pronoun);

// "a Juan le duele", "a mi madre le gusta": the one named after "a" doubles
// the pronoun and is the Swedish subject, said without "a" and in place of
// the pronoun. True for such an "a" (NamesExperiencer) and for the pronoun
// after it (ExperiencerNamedBefore).
bool NamesExperiencer(const WordNode* a);

// The Swedish subject for a stressed pronoun ("mí": "jag", "ella": "hon");
// empty for other words.
std::string_view StressedSubject(const WordNode* w);
bool ExperiencerNamedBefore(const WordNode* pronoun);

}  // namespace quelvo
