// "los últimos días", "las últimas dos semanas": the periods up to now are
// "de senaste dagarna", while "el último día" stays "den sista dagen". After
// a preposition ("del último año", "durante la última semana") the single
// period is the recent one too, unless it is the last of something ("el
// último año de la guerra"). The coming periods are "de kommande dagarna".
#include "core/form_codes.h"
#include "core/word_classes.h"
#include "morphology/class_tests.h"
#include "morphology/correction_passes.h"
#include "swedish/period_nouns.h"

namespace quelvo {
namespace {

const WordNode* PeriodAfter(const WordNode* w) {
    if (w != nullptr && w->SpClass == wc::kNumeral) w = w->Next;
    return w != nullptr && w->SpClass == wc::kNoun && IsPeriodNoun(w->SvWord.view()) ? w : nullptr;
}

bool FollowsPreposition(const WordNode& ultimo) {
    const WordNode* article = ultimo.Prev;
    return article != nullptr && OneOf(article->SpWord.view(), {"el", "la"}) &&
           OneOf(SpWordOf(article->Prev), {"de", "en", "durante"});
}

bool IsRecentPeriod(const WordNode& ultimo) {
    const WordNode* period = PeriodAfter(ultimo.Next);
    if (period == nullptr || OneOf(SpWordOf(period->Next), {"de", "del"})) return false;
    return ultimo.FormCode == fc::kPlural || FollowsPreposition(ultimo);
}

}  // namespace

void ResolveRecentPeriods(TranslationState& s) {
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next) {
        const bool coming = n->SpWord == "pr\xF3ximo" && n->FormCode == fc::kPlural && PeriodAfter(n->Next) != nullptr;
        if (coming) n->SvWord = "kommande";
        else if (n->SpWord == "\xFAltimo" && IsRecentPeriod(*n)) n->SvWord = "senaste";
        else continue;
        n->SvForm = n->SvWord;
    }
}

}  // namespace quelvo
