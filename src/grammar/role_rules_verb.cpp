// Role rules for clauses led by the verb.
#include "grammar/agreement.h"
#include "grammar/intransitive_use.h"
#include "grammar/role_marks.h"
#include "grammar/role_rules.h"

namespace quelvo {
namespace {

// The marks of a lone verb phrase's members, first matching row per member:
// intransitive, or transitive for an infinitive before an object pronoun.
struct LoneVerbMark {
    std::string_view member;
    std::string_view before;  // the next member must be this, when set
    bool needsNextPhrase;
    std::string_view to;
    std::string_view wordTag;
};

constexpr LoneVerbMark kLoneVerbMarks[] = {
    {"inf", "e_ppob", false, "inf_t", "inf_t"}, {"v", "", false, "vi", "vi"},
    {"inf", "", false, "inf_i", "inf_i"},       {"vpres", "", false, "vpres_i", "vi"},
    {"vadj", "", false, "vadj", "vi"},          {"vperf", "", true, "vperf_i", "vperf"},
};

void MarkLoneVerbMember(TranslationState& s, const PhraseAt& at, int m) {
    PhraseNode& p = *at.phrase;
    Str8& member = p.Members[static_cast<std::size_t>(m)];
    const Str8& next = p.Members[static_cast<std::size_t>(m) + 1];
    for (const LoneVerbMark& mark : kLoneVerbMarks) {
        if (member != mark.member || (!mark.before.empty() && next != mark.before)) continue;
        if (mark.needsNextPhrase && p.Next == nullptr) continue;
        member = mark.to;
        s.WordTags.Set(at.wordIndex + m - 1, Str6(mark.wordTag));
        return;
    }
}

std::string_view LoneVerbTag(const PhraseNode& p) {
    std::string_view tag = "NPS/VPI";
    if (p.Members[2] == "e_ppob" || p.Members[3] == "e_ppob") tag = "NPS/VPT";
    if (p.Members[2] == "refl" || p.Members[2] == "vadj") tag = "NPS/VPI";
    return tag;
}

bool IsVerbOfState(const WordNode* w) {
    static constexpr std::string_view kVerbs[] = {"estar", "ir",     "vivir",   "llegar",   "crecer",
                                                  "acudir", "salir", "existir", "aparecer", "yacer"};
    if (w == nullptr) return false;
    for (std::string_view v : kVerbs)
        if (w->SpWord == v) return true;
    return false;
}

}  // namespace

void RuleVP(TranslationState& s, int first, int last) {
    ForEachPhraseIn(s, first, last, [&](const PhraseAt& at) {
        PhraseNode& p = *at.phrase;
        if (!TagIn(p.Tag, {"VP", "OPers", "Inf"})) return;
        p.Tag = LoneVerbTag(p);
        for (int m = 1; m <= kMarkedMembers; ++m) MarkLoneVerbMember(s, at, m);
    });
}

void RulePVP(TranslationState& s, int first, int last) { RetagEvery(s, first, last, {{{"PVP"}, "NPS/PVPT", true}}); }

void RulePVPNP(TranslationState& s, int first, int last) {
    ComputeAgreement(s, first, last);  // computed, though no step reads it here
    ForEachPhraseIn(s, first, last, [&](const PhraseAt& at) {
        PhraseNode& p = *at.phrase;
        if (p.Tag == "PVP") {
            const bool gustar = at.word != nullptr && at.word->Next != nullptr && at.word->Next->SpWord == "gustar";
            p.Tag = gustar ? "PVPT" : "NPS/PVPT";
            MarkTransitive(s, at);
        } else if (p.Tag == "NP") {
            p.Tag = "NPO";
        }
    });
}

void RuleVPNP(TranslationState& s, int first, int last) {
    bool intransitive = false;
    ForEachPhraseIn(s, first, last, [&](const PhraseAt& at) {
        PhraseNode& p = *at.phrase;
        if (p.Tag == "NP") {
            p.Tag = intransitive ? "NPS" : "NPO";
        } else if (TagIn(p.Tag, {"VP", "PVP"})) {
            if (!intransitive) intransitive = MarkIntransitiveUse(s, at);
            if (!intransitive || !IsThirdPerson(FirstWordPerson(at))) {
                p.Tag = "NPS/VPT";
                MarkMembers(s, at, "v", "vt", "vt");
                MarkMembers(s, at, "vperf", "vt", "vt");
            }
        }
    });
}

void RuleVPNPNP(TranslationState& s, int first, int last) { NameSubjectAndObjects(s, first, last, "VP", "VPT", true); }

void RuleVPIndf(TranslationState& s, int first, int last) {
    bool intransitive = false;
    ForEachPhraseIn(s, first, last, [&](const PhraseAt& at) {
        PhraseNode& p = *at.phrase;
        if (p.Tag == "Indf") {
            p.Tag = intransitive ? "NPS" : "NPO";
        } else if (p.Tag == "VP" && IsVerbOfState(at.word)) {
            p.Tag = "NPS/VPI";
            if (MarkMembers(s, at, "v", "vi", "vi") > 0) intransitive = true;
        } else if (p.Tag == "VP") {
            p.Tag = "NPS/VPT";
            MarkTransitive(s, at);
        }
    });
}

void RuleInfNP(TranslationState& s, int first, int last) {
    RetagEvery(s, first, last, {{{"Inf"}, "NPS/VPT", true}, {{"NP"}, "NPO"}});
}

void RuleAroundVP(TranslationState& s, int first, int last) {
    ForEachPhraseIn(s, first, last, [&](const PhraseAt& at) {
        PhraseNode& p = *at.phrase;
        if (p.Tag != "VP") return;
        if (p.Prev != nullptr) p.Prev->Tag = "NPS";
        if (p.Next != nullptr) p.Next->Tag = "NPO";
        p.Tag = "VPT";
        MarkTransitive(s, at);
        MarkTransitiveInfinitive(s, at);
    });
}

}  // namespace quelvo
