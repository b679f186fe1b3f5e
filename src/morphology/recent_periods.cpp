// "los últimos días", "las últimas dos semanas": the periods up to now are
// "de senaste dagarna", while "el último día" stays "den sista dagen".
#include "core/form_codes.h"
#include "core/word_classes.h"
#include "morphology/correction_passes.h"
#include "swedish/period_nouns.h"

namespace quelvo {
namespace {

bool IsPeriod(const WordNode* w) {
    if (w != nullptr && w->SpClass == wc::kNumeral) w = w->Next;
    return w != nullptr && w->SpClass == wc::kNoun && IsPeriodNoun(w->SvWord.view());
}

}  // namespace

void ResolveRecentPeriods(TranslationState& s) {
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next) {
        if (n->SpWord != "\xFAltimo" || n->FormCode != fc::kPlural || !IsPeriod(n->Next)) continue;
        n->SvWord = "senaste";
        n->SvForm = n->SvWord;
    }
}

}  // namespace quelvo
