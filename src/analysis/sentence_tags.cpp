#include "analysis/sentence_tags.h"

#include "analysis/word_lists.h"
#include "core/word_classes.h"

namespace quelvo {

void TagWordClasses(TranslationState& s) {
    int pos = 1;
    for (WordNode* n = s.WordList.Head; n != nullptr && pos <= s.WordCount; n = n->Next, ++pos) {
        const WordClassRow* row = FindWordClass(s.WordClassNos.Get(pos));
        if (row == nullptr) continue;
        s.WordClassTexts.Set(pos, Str30(row->label));
        s.WordTags.Set(pos, Str6(row->wordTag));
        n->ClassTag = row->classTag;
    }
}

void MarkIntransitiveVerbs(TranslationState& s) {
    int pos = 1;
    for (const WordNode* n = s.WordList.Head; n != nullptr; n = n->Next, ++pos) {
        if (s.WordTags.Get(pos) == "vpres") continue;
        for (const auto verb : kIntransitiveVerbs) {
            if (n->SpWord == verb) s.WordTags.Set(pos, Str6("vi"));
        }
    }
}

}  // namespace quelvo
