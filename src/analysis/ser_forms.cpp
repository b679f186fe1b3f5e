#include "analysis/ser_forms.h"

#include <string_view>

#include "core/form_codes.h"
#include "lexicon/lookups.h"
#include "morphology/staging.h"

namespace quelvo {
namespace {

// The preterite of "ser" is the preterite of "ir" as well; before "a" it is
// "ir": "fue a comprar", "fuimos a la playa".
constexpr std::string_view kPreteritesOfIr[] = {"fui", "fuiste", "fue", "fuimos", "fuisteis", "fueron"};

bool IsPreteriteBeforeA(const WordNode& n) {
    if (n.SpWord != "ser" || n.Next == nullptr) return false;
    // "a" alone, or opening an expression such as "a casa".
    const std::string_view next = n.Next->SpWord.view();
    if (next != "a" && next.substr(0, 2) != "a ") return false;
    for (const std::string_view form : kPreteritesOfIr)
        if (n.SpText == form) return true;
    return false;
}

// Before an infinitive it is the auxiliary of "fue a comprar".
bool IsFueBeforeAInfinitive(const WordNode& n) {
    return n.SpText == "fue" && n.Next->Next != nullptr && n.Next->Next->FormCode == fc::kInfinitive;
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
        if (!IsPreteriteBeforeA(*n)) continue;
        s.LookupWord = "ir";
        s.StagedWord.PersonNo = n->PersonNo;
        bool found = false;
        LookupSpanishWord(s, found);
        if (!found) continue;
        s.WordTags.Set(pos, Str6(IsFueBeforeAInfinitive(*n) ? "hjv" : "v"));
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
