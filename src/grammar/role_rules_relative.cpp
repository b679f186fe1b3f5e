// Role rules for relative clauses.
#include "grammar/role_marks.h"
#include "grammar/role_rules.h"

namespace quelvo {

void RuleRelVPNP(TranslationState& s, int first, int last) {
    bool relativeSeen = false;
    ForEachPhraseIn(s, first, last, [&](const PhraseAt& at) {
        PhraseNode& p = *at.phrase;
        if (p.Tag == "Rel" && !relativeSeen) {
            p.Tag = "NPS_R";
            relativeSeen = true;
        } else if (p.Tag == "VP") {
            p.Tag = "VPT";
            MarkTransitive(s, at);
        } else if (p.Tag == "NP" && relativeSeen) {
            p.Tag = "NPO";
        }
    });
}

void RuleRelVP(TranslationState& s, int first, int last) {
    ForEachPhraseIn(s, first, last, [&](const PhraseAt& at) {
        PhraseNode& p = *at.phrase;
        if (TagIn(p.Tag, {"Rel", "Relx"})) {
            p.Tag = "NPS_R";
        } else if (p.Tag == "VP") {
            p.Tag = IsThirdPerson(FirstWordPerson(at)) ? "VPI" : "NPS/VPI";
            MarkMembers(s, at, "v", "vi", "vi");
        }
    });
}

void RuleRelPVP(TranslationState& s, int first, int last) { RetagEvery(s, first, last, {{{"PVP"}, "PVPT", true}}); }

void RuleRelNPPVP(TranslationState& s, int first, int last) {
    RetagEvery(s, first, last, {{{"VP", "PVP"}, "PVPT", true}, {{"NP"}, "NPS"}});
}

}  // namespace quelvo
