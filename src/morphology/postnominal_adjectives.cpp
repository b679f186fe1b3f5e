#include "core/word_classes.h"
#include "lexicon/dictionary_format.h"
#include "morphology/class_tests.h"
#include "morphology/correction_passes.h"
#include "morphology/staging.h"
#include "swedish/compound_form.h"

namespace quelvo {

void ResolvePostnominalAdjectives(TranslationState& s) {
    int pos = 1;
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next, ++pos) {
        if (n->Prev == nullptr || (n->SvCode4 & kCompoundRuleMask) == 0) continue;
        if (!OneOf(n->SpClass, {wc::kAdjective, wc::kNull}) || n->Prev->SpClass != wc::kNoun) continue;
        n->ClassTag = "xadj";
        SetTag(s, pos, "xadj");
        s.OutTags.Set(pos, Str6("xadj"));
        CompoundFormOf(n->SvWord, n->SvCode4);
    }
}

}  // namespace quelvo
