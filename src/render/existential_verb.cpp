#include "render/existential_verb.h"

#include "core/capitalise.h"
#include "core/form_codes.h"
#include "render/emission.h"
#include "render/phrase_progress.h"
#include "render/verb_word.h"
#include "render/verb_word_tests.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

std::string_view PreviousOutWord(const TranslationState& s) {
    const int previous = s.OutCount - 1;
    return previous >= 1 && previous <= kOutWordSlots ? s.OutWords[previous].view() : std::string_view();
}

// The finite existential needs a formal subject: "det", or "man" for a duty.
// After the relative "som" there is a subject already; a subject pronoun put
// in for the verb just before ("han" for "había") is that subject and
// becomes the formal one; otherwise the formal subject is added.
void EmitFormalSubject(TranslationState& s, std::string_view subject) {
    if (PreviousOutWord(s) == "som") return;
    OutWordNode* last = s.OutList.Tail;
    const int previous = s.OutCount - 1;
    if (last != nullptr && last->OutTag == "ppsu" && s.OutTags.Get(previous) == "ppsu") {
        const bool capital = !last->SvText.empty() && LowerOf(last->SvText.view().front()) != last->SvText.view().front();
        last->SvText = capital ? Capitalised(Str30(subject)) : Str30(subject);
        if (previous >= 1 && previous <= kOutWordSlots && !s.OutWords[previous].empty()) s.OutWords[previous] = subject;
        return;
    }
    EmitAdded(s, subject, "ppsu");
}

// "hay que" + an infinitive is what anyone must do: "man måste arbeta".
bool EmitDuty(TranslationState& s) {
    const WordNode* w = s.CurWord;
    if (!IsSpanish(w->Next, "que") || !IsInfinitive(w->Next->Next)) return false;
    EmitFormalSubject(s, "man");
    EmitAdded(s, MustText(*w), "hjv");
    AdvanceWord(s);
    AdvanceWord(s);
    s.CurWord->FormCode = fc::kInfinitive;
    EmitConjugatedVerb(s);
    return true;
}

}  // namespace

bool IsExistential(const WordNode& w) {
    if (w.SpWord == "hay" || w.SpWord == "Hay") return true;
    return w.SpWord == "haber" && !HasFormCode(w.Next, {fc::kParticiple, fc::kSpecialParticiple});
}

// Every finite tense takes the formal subject: "det finns", "det fanns",
// "det kommer att finnas", "det skulle finnas".
void EmitExistential(TranslationState& s) {
    const WordNode* w = s.CurWord;
    if (w == nullptr) return;
    if (w->FormCode == fc::kInfinitive) return EmitAndRecord(s, "finnas", "v");
    if (EmitDuty(s)) return;
    EmitFormalSubject(s, "det");
    if (IsFutureCode(w->FormCode)) return EmitAndRecord(s, "kommer att finnas", "v");
    if (IsConditionalCode(w->FormCode)) return EmitAndRecord(s, "skulle finnas", "v");
    const bool present = w->SpWord.back() == 'y' || IsPresentCode(w->FormCode) || w->FormCode == fc::kPresentSubjunctive;
    EmitAndRecord(s, present ? "finns" : "fanns", "v");
}

}  // namespace quelvo
