#include "translate/special_verbs.h"

#include "analysis/time_expressions.h"
#include "swedish/clock_time.h"
#include "translate/verb_emission.h"
#include "translate/verb_word.h"
#include "translate/verb_word_tests.h"

namespace quelvo {
namespace {

// "ir a" + infinitive: the Swedish auxiliary words by the tense of "ir";
// false for a tense the construction has no words for.
bool EmitGoingTo(TranslationState& s, int formCode) {
    switch (formCode) {
        case 8:
        case 450:
            EmitAddedWord(s, "kommer", "hjv");
            EmitAddedWord(s, "att", "infm");
            return true;
        case 9:
        case 460: EmitAddedWord(s, "skulle", "hjv"); return true;
        case 470: EmitAddedWord(s, "gick f\xF6r att", "hjv"); return true;
        default: return false;
    }
}

std::string_view MustText(const WordNode& w) {
    if (IsSpanish(w.Prev, "no"))
        return w.FormCode == 10 || IsPresentCode(w.FormCode) ? "beh\xF6ver" : "beh\xF6vde";
    return w.FormCode == 10 ? "m\xE5st" : "m\xE5ste";
}

bool IsYears(const WordNode* w) { return IsSpanish(w, "a\xF1o") || IsSpanish(w, "a\xF1os"); }

}  // namespace

void VerbAcabar(TranslationState& s) {
    WordNode* w = s.CurWord;
    if (w == nullptr) return;
    const WordNode* next = w->Next;
    if (IsSpanish(next, "con")) {
        EmitForWord(s, w->SvWord, "v");
        return;
    }
    if (IsSpanish(next, "de") && IsInfinitive(next->Next) && (IsPresentCode(w->FormCode) || IsPastCode(w->FormCode))) {
        EmitAddedWord(s, IsPresentCode(w->FormCode) ? "har just" : "hade just", "v");
        SkipWord(s);
        SkipWord(s);
        s.CurWord->FormCode = 10;
        EmitConjugatedVerb(s);
        return;
    }
    if (HasFormCode(next, {11})) {
        EmitForWord(s, "till slut", "adv");
        s.CurWord->FormCode = 6;
        EmitConjugatedVerb(s);
        AdvancePhrase(s);
        return;
    }
    EmitConjugatedVerb(s);
}

void VerbTener(TranslationState& s) {
    WordNode* w = s.CurWord;
    if (w == nullptr) return;
    const WordNode* next = w->Next;
    if (HasSpanishClass(next, {6}) && IsYears(next->Next)) {
        if (IsPresentCode(w->FormCode)) return EmitForWord(s, "\xE4r", "v");
        if (IsPastCode(w->FormCode)) return EmitForWord(s, "var", "v");
    }
    if (IsSpanish(next, "que") && IsInfinitive(next->Next)) {
        EmitAddedWord(s, MustText(*w), "hjv");
        SkipWord(s);
        SkipWord(s);
        s.CurWord->FormCode = 19;
    }
    EmitConjugatedVerb(s);
}

void VerbIr(TranslationState& s) {
    WordNode* w = s.CurWord;
    if (w == nullptr) return;
    const WordNode* next = w->Next;
    if (IsSpanish(next, "a") && IsInfinitive(next->Next) && EmitGoingTo(s, w->FormCode)) {
        SkipWord(s);
        SkipWord(s);
        EmitConjugatedVerb(s);
        return;
    }
    if (HasFormCode(next, {11})) {
        SkipWord(s);
        AdvancePhrase(s);
        s.CurWord->FormCode = w->FormCode;
        EmitConjugatedVerb(s);
        return;
    }
    if (HasFormCode(next, {10, 12, 14})) {
        if (IsPresentCode(w->FormCode)) return EmitForWord(s, "\xE4r", "v");
        if (IsPastCode(w->FormCode) || w->FormCode == 21) return EmitForWord(s, "var", "v");
    }
    if (w->FormCode == 470 && HasSpanishClass(next, {1, 8, 16, 20, 21, 22, 23, 24}))
        return EmitForWord(s, "var", "hjv");
    EmitConjugatedVerb(s);
}

void VerbSer(TranslationState& s) {
    if (s.CurWord == nullptr) return;
    bool handled = false;
    DetectClockTime(s, handled);
    if (handled) return;
    if (s.CurWord->FormCode == 21) return EmitForWord(s, "skulle vara", "hjv");
    EmitConjugatedVerb(s);
}

void VerbHacer(TranslationState& s) {
    WordNode* w = s.CurWord;
    if (w == nullptr) return;
    bool done = false;
    WeatherVerb(s, done);
    if (done) return;
    Str30 sinceText;
    SedanCheck(s, done, sinceText);
    if (done) return EmitForWord(s, "f\xF6r sedan", "prep");
    const WordNode* next = w->Next;
    if (HasSpanishClass(next, {2}) && IsInfinitive(next->Next)) {
        EmitForWord(s, IsPresentCode(w->FormCode) ? "g\xF6r" : "gjorde", "v");
        EmitAddedWord(s, "det", "ppsu");
        return;
    }
    if (IsInfinitive(next)) {
        if (IsPresentCode(w->FormCode)) return EmitForWord(s, "kommer att", "v");
        return EmitForWord(s, w->FormCode == 476 ? "skulle komma att" : "kom att", "v");
    }
    EmitConjugatedVerb(s);
}

// The Spanish tense is not reflected: "parecer" is always "verkar".
void VerbParecer(TranslationState& s) {
    if (s.CurWord == nullptr) return;
    EmitAddedWord(s, "verkar", "v");
    SkipWord(s);
}

}  // namespace quelvo
