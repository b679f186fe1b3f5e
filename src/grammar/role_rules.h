#pragma once
// The role rules: given one clause (its first and last phrase number), each
// names subject, object and verb phrases for the clause's pattern key and
// marks the verbs as transitive or intransitive.
#include "core/translation_state.h"

namespace quelvo {

using RoleRule = void (*)(TranslationState& s, int first, int last);

// Clauses led by a noun phrase or an indefinite.
void RuleNPVPNP(TranslationState& s, int first, int last);
void RuleNPPVPNP(TranslationState& s, int first, int last);
void RuleNPPVP(TranslationState& s, int first, int last);
void RuleNPVP(TranslationState& s, int first, int last);
void RuleIndfPVPNP(TranslationState& s, int first, int last);
void RuleIndfVPNP(TranslationState& s, int first, int last);
void RuleNPPVPIndf(TranslationState& s, int first, int last);

// Clauses led by the verb.
void RuleVP(TranslationState& s, int first, int last);
void RulePVP(TranslationState& s, int first, int last);
void RulePVPNP(TranslationState& s, int first, int last);
void RuleVPNP(TranslationState& s, int first, int last);
void RuleVPNPNP(TranslationState& s, int first, int last);
void RuleVPIndf(TranslationState& s, int first, int last);
void RuleInfNP(TranslationState& s, int first, int last);
void RuleAroundVP(TranslationState& s, int first, int last);

// Relative clauses.
void RuleRelVPNP(TranslationState& s, int first, int last);
void RuleRelVP(TranslationState& s, int first, int last);
void RuleRelPVP(TranslationState& s, int first, int last);
void RuleRelNPPVP(TranslationState& s, int first, int last);

}  // namespace quelvo
