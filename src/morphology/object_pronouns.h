#pragma once
// Which Swedish pronoun "lo" and "la" stand for: the noun they refer back to
// decides between "honom"/"henne" (a person) and "den"/"det" (a thing).
#include <string_view>

#include "core/records.h"

namespace quelvo {

// The Swedish object pronoun for the singular "lo" or "la" at `pronoun`,
// whose verb is `verb`: by the nearest earlier singular noun of the same
// gender, else by whether the verb takes a person, else "det" and "den".
std::string_view ChooseObjectPronoun(const WordNode& pronoun, const WordNode* verb);

}  // namespace quelvo
