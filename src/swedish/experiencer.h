#pragma once
// Verbs of liking ("gustar", "encantar") have the one who likes as their
// object pronoun in Spanish and as their subject in Swedish: "me gusta" is
// "jag tycker om".
#include <string_view>

#include "core/records.h"

namespace quelvo {

// The Swedish subject for the object pronoun `pronoun` when a verb of liking
// follows it; empty otherwise.
std::string_view ExperiencerSubject(const WordNode* pronoun);

}  // namespace quelvo
