#include "analysis/ser_forms.h"

#include "lexicon/lookups.h"
#include "morphology/staging.h"

namespace quelvo {
namespace {

bool IsFueBeforeAInfinitive(const WordNode& n) {
    return n.SpWord == "ser" && n.SpText == "fue" && n.Next != nullptr && n.Next->Next != nullptr &&
           n.Next->SpWord == "a" && n.Next->Next->FormCode == 19;
}

// The word becomes the "ir" entry in StagedWord, keeping its own form and key.
void TakeIrEntry(const TranslationState& s, WordNode& n) {
    const int formCode = n.FormCode;
    const Str6 key = n.SvKey;
    CopyStagedToNode(s, n);
    n.FormCode = formCode;
    n.SvKey = key;
}

void ReadFueAsIr(TranslationState& s) {
    int pos = 1;
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next, ++pos) {
        if (!IsFueBeforeAInfinitive(*n)) continue;
        s.LookupWord = "ir";
        s.StagedWord.PersonNo = n->PersonNo;
        bool found = false;
        LookupSpanishWord(s, found);
        if (!found) continue;
        s.WordTags.Set(pos, Str6("hjv"));
        TakeIrEntry(s, *n);
    }
}

// Stops at the first word after "la": "la era" is the noun.
void ReadEraAsAuxiliary(TranslationState& s) {
    int pos = 1;
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next, ++pos) {
        if (n->Prev != nullptr && n->Prev->SpWord == "la") return;
        if (n->SpWord != "era") continue;
        s.WordTags.Set(pos, Str6("hjv"));
        n->SpWord = "ser";
        n->SvWord = "var";
    }
}

}  // namespace

void PrepareSerForms(TranslationState& s) {
    ReadFueAsIr(s);
    ReadEraAsAuxiliary(s);
}

}  // namespace quelvo
