#include "grammar/phrase_marks.h"

#include <algorithm>
#include <limits>
#include <string_view>

#include "core/weekdays.h"
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

namespace {

// The article and the day, after a preposition of their own when the phrase
// is "NPP" ("hasta el lunes").
bool IsDayPhrase(const PhraseAt& at) {
    const PhraseNode& p = *at.phrase;
    const int first = p.Tag == "NPP" && p.Members[1] == "prep" ? 2 : 1;
    if ((p.Tag != "NP" && first == 1) || p.MemberCount != first + 1) return false;
    if (p.Members[first] != "det" || p.Members[first + 1] != "n") return false;
    const WordNode* article = first == 1 ? at.word : at.word->Next;
    if (article == nullptr || article->Next == nullptr) return false;
    if (article->SpWord != "el" && article->SpWord != "los") return false;
    const WordNode* day = article->Next;
    const bool isDay = IsSpanishWeekday(day->SpWord.view());
    // "El lunes es mi día favorito": the day is the subject.
    return isDay && (day->Next == nullptr || day->Next->SpWord != "ser");
}

}  // namespace

void MarkDayPhrases(TranslationState& s) {
    ForEachPhraseIn(s, 1, std::numeric_limits<int>::max(), [](PhraseAt& at) {
        if (IsDayPhrase(at)) at.phrase->Tag = "NPT";
    });
}

}  // namespace quelvo
