#include "render/existential_verb.h"

#include "core/capitalise.h"
#include "core/form_codes.h"
#include "render/emission.h"
#include "render/verb_word_tests.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

std::string_view PreviousOutWord(const TranslationState& s) {
    const int previous = s.OutCount - 1;
    return previous >= 1 && previous <= kOutWordSlots ? s.OutWords[previous].view() : std::string_view();
}

// The finite existential needs the formal subject "det". After the relative
// "som" there is a subject already; a subject pronoun put in for the verb
// just before ("han" for "había") is that subject and becomes "det";
// otherwise "det" is added.
void EmitFormalSubject(TranslationState& s) {
    if (PreviousOutWord(s) == "som") return;
    OutWordNode* last = s.OutList.Tail;
    const int previous = s.OutCount - 1;
    if (last != nullptr && last->OutTag == "ppsu" && s.OutTags.Get(previous) == "ppsu") {
        const bool capital = !last->SvText.empty() && LowerOf(last->SvText.view().front()) != last->SvText.view().front();
        last->SvText = capital ? Capitalised(Str30("det")) : Str30("det");
        if (previous >= 1 && previous <= kOutWordSlots && !s.OutWords[previous].empty()) s.OutWords[previous] = "det";
        return;
    }
    EmitAdded(s, "det", "ppsu");
}

}  // namespace

bool IsExistential(const WordNode& w) {
    if (w.SpWord == "hay" || w.SpWord == "Hay") return true;
    return w.SpWord == "haber" && !HasFormCode(w.Next, {fc::kParticiple, fc::kSpecialParticiple});
}

void EmitExistential(TranslationState& s) {
    const WordNode* w = s.CurWord;
    if (w == nullptr) return;
    switch (w->FormCode) {
        case fc::kInfinitive: EmitAndRecord(s, "finnas", "v"); return;
        case fc::kSpecialFuture: EmitAndRecord(s, "kommer att finnas", "v"); return;
        default:
            EmitFormalSubject(s);
            EmitAndRecord(s, w->SpWord.back() == 'y' ? "finns" : "fanns", "v");
            return;
    }
}

}  // namespace quelvo
