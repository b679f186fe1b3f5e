#include "render/age_question.h"

#include "core/word_classes.h"
#include "render/phrase_progress.h"
#include "render/verb_word_tests.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

constexpr int kFirstPluralPerson = 4;

}  // namespace

bool IsYears(const WordNode* w) { return IsSpanish(w, "a\xF1o") || IsSpanish(w, "a\xF1os"); }

bool StatesAge(const WordNode* tener) {
    const WordNode* w = NextOf(tener);
    if (!HasSpanishClass(w, {wc::kNumeral})) return false;
    // "treinta y dos años"
    while (HasSpanishClass(w, {wc::kNumeral}) || (IsSpanish(w, "y") && HasSpanishClass(w->Next, {wc::kNumeral})))
        w = w->Next;
    return IsYears(w);
}

bool AsksAge(const WordNode* tener) {
    const WordNode* years = PrevOf(tener);
    return IsSpanish(tener, "tener") && IsYears(years) && IsSpanish(years->Prev, "cu\xE1ntos");
}

bool EmitAgeQuestion(TranslationState& s) {
    const WordNode* how = s.CurWord;
    const WordNode* tener = NextOf(NextOf(how));
    if (how == nullptr || !AsksAge(tener) || tener->Prev->Prev != how || !NextPhraseIsOneWord(s)) return false;
    EmitAndRecord(s, tener->PersonNo >= kFirstPluralPerson ? "hur gamla" : "hur gammal", "intr");
    AdvanceWord(s);
    TakeInNextPhrase(s);
    return true;
}

}  // namespace quelvo
