// "los últimos días", "las últimas dos semanas": the periods up to now are
// "de senaste dagarna", while "el último día" stays "den sista dagen".
#include <array>
#include <string_view>

#include "core/form_codes.h"
#include "core/word_classes.h"
#include "morphology/correction_passes.h"

namespace quelvo {
namespace {

// The Swedish nouns of a stretch of time.
constexpr std::array<std::string_view, 8> PeriodNouns{"dag", "vecka", "m\xE5nad", "\xE5r", "timme", "minut", "decennium", "natt"};

bool IsPeriod(const WordNode* w) {
    if (w != nullptr && w->SpClass == wc::kNumeral) w = w->Next;
    if (w == nullptr || w->SpClass != wc::kNoun) return false;
    for (std::string_view noun : PeriodNouns)
        if (w->SvWord == noun) return true;
    return false;
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
