#include "morphology/verb_homographs.h"

#include "morphology/class_tests.h"
#include "morphology/staging.h"
#include "core/form_codes.h"
#include "core/word_classes.h"

namespace quelvo {
namespace {

constexpr int kThirdPerson = 3;

// Punctuation, the comma, conjunctions, "y", "que" and the relatives end a clause.
bool EndsClause(const WordNode* w) {
    return w == nullptr || OneOf(w->SpClass, {wc::kPunctuation, wc::kComma, wc::kConjunction, wc::kYConjunction, wc::kRkif,
                                          wc::kRelative, wc::kRelativeConjunction, wc::kRelativeAdverb});
}

// "desde hace un mes" says how long, and is no verb of the clause.
bool IsFiniteVerb(const WordNode& w) {
    if (w.SpWord == "hacer" && SpWordOf(w.Prev) == "desde") return false;
    return (IsVerbClass(w.SpClass) || w.SpClass == wc::kAuxiliary) && Between(w.PersonNo, 1, 6);
}

bool ClauseHasFiniteVerb(const WordNode& word) {
    for (const WordNode* w = word.Prev; !EndsClause(w); w = w->Prev)
        if (IsFiniteVerb(*w)) return true;
    for (const WordNode* w = word.Next; !EndsClause(w); w = w->Next)
        if (IsFiniteVerb(*w)) return true;
    return false;
}

bool OpensClause(const WordNode& w) { return w.Prev == nullptr || EndsClause(w.Prev); }

// The person a verb at `word` must have, 0 for any, -1 where no verb stands.
int VerbPlaceAt(const WordNode& word) {
    if (OpensClause(word)) return 0;
    const WordNode& prev = *word.Prev;
    if (prev.SpClass == wc::kAdverb && OpensClause(prev)) return 0;
    // An object pronoun stands before a verb only: "me cuenta", "te lo cuento".
    if (prev.SpClass == wc::kObjectPronoun) return 0;
    if (prev.SpClass == wc::kDeterminerPronoun && prev.Prev != nullptr && prev.Prev->SpClass == wc::kObjectPronoun) return 0;
    if (prev.SpClass == wc::kNoun || prev.SpClass == wc::kProperName) return kThirdPerson;
    if (prev.SpClass == wc::kSubjectPronoun) return prev.PersonNo;
    return -1;
}

}  // namespace

void ResolveVerbHomographs(TranslationState& s) {
    int pos = 1;
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next, ++pos) {
        if (!OneOf(n->SpClass, {wc::kNoun, wc::kAdjective, wc::kConjunction}) ||
            (n->SpClass == wc::kConjunction && EndsClause(n->Next)))
            continue;
        const int person = VerbPlaceAt(*n);
        if (person < 0 || ClauseHasFiniteVerb(*n)) continue;
        bool found = false;
        ReanalyseVerb(s, n->SpText, found);
        if (!found || !IsVerbClass(s.StagedWord.SpClass) || !Between(s.StagedWord.PersonNo, 1, 6)) continue;
        if (person != 0 && s.StagedWord.PersonNo != person) continue;
        TakeStagedVerb(s, *n);
        SetTag(s, pos, "v");
        SetClassText(s, pos, "v");
    }
}

}  // namespace quelvo
