#pragma once
// Each clause is reduced to a key of its main phrase tags; the key chooses
// the role rule that names subject, object and verb phrases.
#include <array>
#include <string_view>

#include "grammar/role_rules.h"

namespace quelvo {

struct PatternKey {
    int number;
    std::string_view key;
    RoleRule rule;  // null: the key is known and changes nothing
    std::string_view ruleName;
};

inline constexpr std::array<PatternKey, 37> PatternKeys = {{
    {1, "NPVPNP", RuleNPVPNP, "RuleNPVPNP"},
    {2, "NPPVPNP", RuleNPPVPNP, "RuleNPPVPNP"},
    {3, "NPPVP", RuleNPPVP, "RuleNPPVP"},
    {4, "PVPNP", RulePVPNP, "RulePVPNP"},
    {5, "NPKVP", RuleNPVP, "RuleNPVP"},
    {6, "NPVP", RuleNPVP, "RuleNPVP"},
    {7, "VPNPK", RuleVPNP, "RuleVPNP"},
    {8, "VPNP", RuleVPNP, "RuleVPNP"},
    {9, "VPNPI", RuleVPNP, "RuleVPNP"},
    {10, "PVP", RulePVP, "RulePVP"},
    {11, "VP", RuleVP, "RuleVP"},
    {12, "NP", nullptr, ""},
    {13, "RelVP", RuleRelVP, "RuleRelVP"},
    {14, "RelxVP", RuleRelVP, "RuleRelVP"},
    {15, "RelPVP", RuleRelPVP, "RuleRelPVP"},
    {16, "RelVPNP", RuleRelVPNP, "RuleRelVPNP"},
    {17, "RelNPPVP", RuleRelNPPVP, "RuleRelNPPVP"},
    {18, "VPrsNP", nullptr, ""},
    {19, "VPrs", nullptr, ""},
    {20, "VPPT", nullptr, ""},
    {21, "PrpVNP", nullptr, ""},
    {22, "EgnxVPEgnx", RuleNPVPNP, "RuleNPVPNP"},
    {23, "RelxVPNP", RuleNPVPNP, "RuleNPVPNP"},
    {24, "IndfPVPNP", RuleIndfPVPNP, "RuleIndfPVPNP"},
    {25, "PVPIndf", RulePVPNP, "RulePVPNP"},
    {26, "SubxVPNP", RuleNPVPNP, "RuleNPVPNP"},
    {27, "SubxVP", RuleNPVP, "RuleNPVP"},
    {28, "Inf", RuleVP, "RuleVP"},
    {29, "VPIndf", RuleVPIndf, "RuleVPIndf"},
    {30, "NPVPEgnx", RuleNPVPNP, "RuleNPVPNP"},
    {31, "IndfVP", RuleNPVP, "RuleNPVP"},
    {32, "VPNPNP", RuleVPNPNP, "RuleVPNPNP"},
    {33, "IndfVPNP", RuleIndfVPNP, "RuleIndfVPNP"},
    {34, "InfNP", RuleInfNP, "RuleInfNP"},
    {35, "NPPVPIndf", RuleNPPVPIndf, "RuleNPPVPIndf"},
    {36, "VPInfNP", nullptr, ""},
    {37, "VPSubx", RuleVPNP, "RuleVPNP"},
}};

// Keys are numbered 1, 2, ... in order, and each key names one row.
constexpr bool PatternKeysAreNumberedAndDistinct() {
    for (std::size_t i = 0; i < PatternKeys.size(); ++i) {
        if (PatternKeys[i].number != static_cast<int>(i) + 1) return false;
        for (std::size_t j = 0; j < i; ++j)
            if (PatternKeys[j].key == PatternKeys[i].key) return false;
    }
    return true;
}
static_assert(PatternKeysAreNumberedAndDistinct(), "pattern keys numbered in order, each once");

// The entry for `key` (exact, first hit), or null.
const PatternKey* FindPatternKey(std::string_view key);

// Builds each clause's key and runs its role rule; records both in ClauseRecords.
void ApplyClausePatterns(TranslationState& s);

}  // namespace quelvo
