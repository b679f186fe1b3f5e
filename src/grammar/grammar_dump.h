#pragma once
// The phrase grammar's results for explaining a translation.
#include <nlohmann/json.hpp>

#include "core/translation_state.h"

namespace quelvo {

// The merged phrases as the dispatch found them: "Pos", "Tag", "RuleNo",
// "Members" (the filled ones) and "MemberCount" of each.
nlohmann::json DumpPhrases(const TranslationState& s);

// "ClauseCount", "ClauseBounds" (all eight entries), "VerbPhrasePos" and,
// for each clause, its "Key" and "RoleRule" (empty when none ran).
nlohmann::json DumpClauses(const TranslationState& s);

}  // namespace quelvo
