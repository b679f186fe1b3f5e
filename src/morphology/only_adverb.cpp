#include "morphology/only_adverb.h"

#include "core/word_classes.h"
#include "lexicon/lookups.h"
#include "morphology/class_tests.h"
#include "morphology/staging.h"

namespace quelvo {
namespace {

constexpr std::string_view kOnlyAdverb = "s\xF3lo";

bool LimitsNext(const WordNode* next) {
    if (next == nullptr) return false;
    const bool finiteVerb = IsAnyVerbClass(next->SpClass) && Between(next->PersonNo, 1, 6);
    return finiteVerb || OneOf(next->SpClass, {wc::kObjectPronoun, wc::kNumeral});
}

}  // namespace

void ResolveOnlyAdverb(TranslationState& s) {
    int position = 1;
    for (WordNode* w = s.WordList.Head; w != nullptr; w = w->Next, ++position) {
        if (w->SpText != "solo" || !LimitsNext(w->Next)) continue;
        s.LookupWord = kOnlyAdverb;
        bool found = false;
        LookupSpanishWord(s, found);
        if (!found) continue;
        CopyStagedToNode(s, *w);
        w->SvForm = w->SvWord;
        s.WordClassNos.Set(position, w->SpClass);
    }
}

}  // namespace quelvo
