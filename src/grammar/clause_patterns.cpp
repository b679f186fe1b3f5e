#include "grammar/clause_patterns.h"

#include <limits>

#include "core/form_codes.h"
#include "grammar/phrase_walk.h"
#include "grammar/role_marks.h"

namespace quelvo {
namespace {

bool CountsInKey(std::string_view tag) {
    return TagIn(tag, {"NP", "Subx", "Egnx", "VP", "Inf", "PVP", "VPP", "Rel", "Relx", "Indf"});
}

Str15 ClauseKey(TranslationState& s, int first, int last) {
    Str15 key;
    ForEachPhraseIn(s, first, last, [&](const PhraseAt& at) {
        if (CountsInKey(at.phrase->Tag)) key += at.phrase->Tag.view();
    });
    return key;
}

// A verb phrase between two noun phrases settles the roles by position. A
// clause without a "VP" keeps what the previous clause left.
void UpdateAroundVP(TranslationState& s, int first, int last, bool& aroundVP) {
    ForEachPhraseIn(s, first, last, [&](const PhraseAt& at) {
        const PhraseNode& p = *at.phrase;
        if (p.Tag != "VP") return;
        aroundVP = TagOf(p.Prev) == "NP" && TagOf(p.Next) == "NP";
    });
}

Str15 Reduced(const Str15& key) {
    if (key == "NPVPNPNP") return "NPVPNP";
    if (key == "VPNPNPNP") return "VPNPNP";
    return key;
}

std::string_view RunRoleRule(TranslationState& s, int first, int last, const Str15& key, bool aroundVP) {
    if (aroundVP) {
        RuleAroundVP(s, first, last);
        return "RuleAroundVP";
    }
    const PatternKey* entry = FindPatternKey(Reduced(key));
    if (entry == nullptr || entry->rule == nullptr) return "";
    entry->rule(s, first, last);
    return entry->ruleName;
}

// A noun phrase or an indefinite right before the verb phrase is its subject.
bool FollowsASubject(const PhraseNode& phrase) {
    return TagIn(TagOf(phrase.Prev), {"NP", "NPS", "NPK", "KTNP", "Egnx", "Indf", "Indx"});
}

// A clause that opens with a finite verb and follows no noun phrase has its
// subject only in the verb's ending ("voy a preparar la cena", "es fácil
// hacerlo"). When no role
// rule took the clause, the verb phrase still carries that subject, so that
// Swedish gets its pronoun.
std::string_view GiveOpeningVerbItsSubject(TranslationState& s, int first, int last) {
    PhraseAt at = SeekPhrase(s, first);
    if (at.phrase == nullptr || FollowsASubject(*at.phrase)) return "";
    // A negation or an adverb may stand before the verb ("no es fácil ...").
    for (int n = first; n < last && at.phrase != nullptr && TagIn(at.phrase->Tag, {"Neg", "Adv"}); ++n)
        StepPhrase(at);
    if (at.phrase == nullptr || at.word == nullptr || !TagIn(at.phrase->Tag, {"VP", "OPers"})) return "";
    const WordNode& verb = *at.word;
    if (verb.PersonNo < 1 || verb.PersonNo > 6 || verb.FormCode == fc::kInfinitive) return "";
    at.phrase->Tag = "NPS/VPI";
    return "OpeningVerbSubject";
}

// "es fácil hacerlo" inside a sentence ("dice que es fácil hacerlo") is no
// clause of its own, yet its "ser" has its subject only in the ending: the
// Swedish needs "det".
void GiveImpersonalPhrasesTheirSubject(TranslationState& s) {
    for (PhraseNode* p = s.MergedPhraseList.Head; p != nullptr; p = p->Next)
        if (p->Tag == "OPers" && !FollowsASubject(*p))
            p->Tag = "NPS/VPI";
}

// "el libro que compré": a relative clause whose verb is in the first or
// second person has "que" for its object, and Swedish needs the subject the
// ending holds ("boken som jag köpte"). After a pronoun ("nosotros, que
// vivimos aquí") "que" is the subject itself.
void GiveRelativeClausesTheirSubject(TranslationState& s) {
    ForEachPhraseIn(s, 1, std::numeric_limits<int>::max(), [&](const PhraseAt& at) {
        PhraseNode& p = *at.phrase;
        if (!TagIn(p.Tag, {"VP", "VPT", "VPI", "PVP", "PVPT"}) || !TagIn(TagOf(p.Prev), {"Rel", "Relx", "NPS_R"}))
            return;
        const WordNode* verb = at.word;
        while (verb != nullptr && verb->SpClass == wc::kObjectPronoun) verb = verb->Next;
        if (verb == nullptr || verb->PersonNo < 1 || verb->PersonNo > 6 || IsThirdPerson(verb->PersonNo) ||
            verb->FormCode == fc::kInfinitive)
            return;
        const PhraseNode* antecedent = TagOf(p.Prev->Prev) == "KT" ? p.Prev->Prev->Prev : p.Prev->Prev;
        if (antecedent != nullptr && antecedent->Members[1] == "ppsu") return;
        p.Tag = TagIn(p.Tag, {"PVP", "PVPT"}) ? "NPS/PVPT" : p.Tag == "VPT" ? "NPS/VPT" : "NPS/VPI";
    });
}

}  // namespace

const PatternKey* FindPatternKey(std::string_view key) {
    for (const PatternKey& entry : PatternKeys)
        if (entry.key == key) return &entry;
    return nullptr;
}

void ApplyClausePatterns(TranslationState& s) {
    s.ClauseRecords.fill({});
    bool aroundVP = false;
    int first = 1;
    for (int c = 1; c <= s.ClauseCount && c <= TranslationState::kMaxClauses; ++c) {
        const int last = s.ClauseBounds[static_cast<std::size_t>(c) + 1] - 1;
        const Str15 key = ClauseKey(s, first, last);
        UpdateAroundVP(s, first, last, aroundVP);
        std::string_view rule = RunRoleRule(s, first, last, key, aroundVP);
        if (rule.empty() && first <= last) rule = GiveOpeningVerbItsSubject(s, first, last);
        s.ClauseRecords[static_cast<std::size_t>(c)] = {key, rule};
        first = last + 1;
    }
    GiveImpersonalPhrasesTheirSubject(s);
    GiveRelativeClausesTheirSubject(s);
}

}  // namespace quelvo
