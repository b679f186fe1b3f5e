#include "grammar/phrase_marks.h"

#include <algorithm>

#include "grammar/phrase_walk.h"

namespace quelvo {

void MarkCoordinatedNPs(TranslationState& s) {
    const int clauses = std::min(s.ClauseCount, TranslationState::kMaxClauses);
    int clause = 1;
    int n = 1;
    for (PhraseNode* p = s.MergedPhraseList.Head; p != nullptr && clause <= clauses; p = p->Next, ++n) {
        const bool opensClause = n == s.ClauseBounds[static_cast<std::size_t>(clause)];
        if (TagIn(p->Tag, {"YKon", "Konj"}) && TagOf(p->Next) == "NP" && !opensClause) p->Next->Tag = "NPK";
        if (n + 1 == s.ClauseBounds[static_cast<std::size_t>(clause) + 1]) ++clause;
    }
}

void MarkCommaNPs(TranslationState& s) {
    for (PhraseNode* p = s.MergedPhraseList.Head; p != nullptr; p = p->Next) {
        if (p->Tag != "KT" || p->Next == nullptr || p->Next->Next == nullptr) continue;
        if (p->Next->Tag == "NP" && TagIn(p->Next->Next->Tag, {"KT", "ST"})) p->Next->Tag = "KTNP";
    }
}

void MarkPrepPronouns(TranslationState& s) {
    for (PhraseNode* p = s.MergedPhraseList.Head; p != nullptr && p->Next != nullptr; p = p->Next) {
        if (p->Members[1] == "prep" && p->Members[2] == "ppfm") {
            p->Tag = "NPP";
            p->RuleNo = 9234;
        }
    }
}

}  // namespace quelvo
