// Role rules for clauses led by a noun phrase or an indefinite.
#include "grammar/agreement.h"
#include "grammar/role_marks.h"
#include "grammar/role_rules.h"

namespace quelvo {

void RuleNPVPNP(TranslationState& s, int first, int last) {
    ComputeAgreement(s, first, last);  // every mode proceeds alike
    NameSubjectAndObjects(s, first, last, "VP", "VPT", true);
}

void RuleNPPVPNP(TranslationState& s, int first, int last) {
    ComputeAgreement(s, first, last);
    if (s.AgreementMode != 3) NameSubjectAndObjects(s, first, last, "PVP", "PVPT", false);
}

void RuleNPPVP(TranslationState& s, int first, int last) {
    RetagEvery(s, first, last, {{{"NP"}, "NPS"}, {{"VP", "PVP"}, "VPT", true}});
}

void RuleNPVP(TranslationState& s, int first, int last) {
    ForEachPhraseIn(s, first, last, [&](const PhraseAt& at) {
        PhraseNode& p = *at.phrase;
        if (TagIn(p.Tag, {"NP", "Subx", "Indf"})) {
            p.Tag = "NPS";
        } else if (p.Tag == "VP") {
            p.Tag = "VPI";
            MarkMembers(s, at, "v", "vi", "vi");
            MarkMembers(s, at, "inf", "vi", "vi");
            if (p.Next != nullptr) MarkMembers(s, at, "vperf", "vperf_i", "vi");
        }
    });
}

void RuleIndfPVPNP(TranslationState& s, int first, int last) {
    ComputeAgreement(s, first, last);
    if (s.AgreementMode == 3) return;
    bool subjectSeen = false;
    ForEachPhraseIn(s, first, last, [&](const PhraseAt& at) {
        PhraseNode& p = *at.phrase;
        if (p.Tag == "Indf" && !subjectSeen) {
            p.Tag = "NPS";
            subjectSeen = true;
        } else if (p.Tag == "PVP") {
            p.Tag = "PVPT";
            MarkTransitive(s, at);
        } else if (p.Tag == "NP" && subjectSeen) {
            p.Tag = "NPO";
        }
    });
}

void RuleIndfVPNP(TranslationState& s, int first, int last) {
    RetagEvery(s, first, last, {{{"Indf"}, "NPS"}, {{"VP"}, "VPT", true}, {{"NP"}, "NPO"}});
}

void RuleNPPVPIndf(TranslationState& s, int first, int last) {
    RetagEvery(s, first, last, {{{"NP"}, "NPS"}, {{"PVP"}, "PVPT", true}, {{"Indf"}, "NPO"}});
}

}  // namespace quelvo
