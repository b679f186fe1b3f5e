#include "render/verb_constructions.h"

#include "core/capitalise.h"
#include "core/form_codes.h"
#include "core/word_classes.h"
#include "morphology/verb_routines.h"
#include "render/age_question.h"
#include "render/emission.h"
#include "render/phrase_progress.h"
#include "render/tener_states.h"
#include "render/verb_word.h"
#include "render/verb_word_tests.h"
#include "swedish/clock_time.h"
#include "swedish/nouns.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

constexpr int kNumeralClass = 6;
constexpr std::uint16_t kBeGroup = 9;  // "vara" is of the irregular verb group

// "ir a" + infinitive: the Swedish auxiliary words by the tense of "ir";
// false for a tense the construction has no words for.
bool EmitGoingTo(TranslationState& s, int formCode) {
    if (formCode == fc::kSpecialPreterite) {
        EmitAdded(s, "gick f\xF6r att", "hjv");
        return true;
    }
    if (IsPastCode(formCode) || IsConditionalCode(formCode)) {
        EmitAdded(s, "skulle", "hjv");
        return true;
    }
    if (IsPresentCode(formCode) || IsFutureCode(formCode) || formCode == fc::kPresentOrPreterite ||
        formCode == fc::kPresentSubjunctive) {
        EmitAdded(s, "kommer", "hjv");
        EmitAdded(s, "att", "infm");
        return true;
    }
    return false;
}

// "desde hace": the "från" already out for "desde" is Swedish "sedan".
OutWordNode* SinceWord(const TranslationState& s) {
    OutWordNode* last = s.OutList.Tail;
    if (!IsSpanish(s.CurWord->Prev, "desde") || last == nullptr || last->SvText.empty()) return nullptr;
    Str30 text = last->SvText;
    text.front() = LowerOf(text.front());
    return text == "fr\xE5n" ? last : nullptr;
}

void SaySince(OutWordNode& word) {
    const bool capital = LowerOf(word.SvText.front()) != word.SvText.front();
    word.SvText = capital ? Str30("Sedan") : Str30("sedan");
}

// "hace dos años": "för två år sedan", the amount and its noun taken in
// when they make whole phrases of their own; "desde hace dos años" is
// "sedan två år tillbaka".
void EmitTimeAgo(TranslationState& s) {
    constexpr int kAmountWords = 2;
    const int phrases = s.PhraseCursor == nullptr ? 0 : PhrasesHolding(s.PhraseCursor, kAmountWords);
    if (phrases == 0) return EmitAndRecord(s, "f\xF6r sedan", "prep");
    OutWordNode* since = SinceWord(s);
    if (since != nullptr) {
        SaySince(*since);
        AdvanceWord(s);
    } else {
        EmitAndRecord(s, "f\xF6r", "prep");
    }
    const WordNode& noun = *s.CurWord->Next;
    Str30 amount = s.CurWord->SvWord;
    char gender = 'n';
    GenderOfCode(noun.SvCode2, gender);
    if (s.CurWord->SpClass != kNumeralClass) amount = gender == 't' ? "ett" : "en";
    EmitAndRecord(s, amount, "rord");
    Str30 form = noun.SvWord;
    ChkKatForm(s, form, noun.SvCode2, noun.FormCode, 'o');
    EmitAndRecord(s, form, "n");
    EmitCounted(s, noun.SpWord, since != nullptr ? "tillbaka" : "sedan", "post");
    for (int i = 0; i < phrases; ++i) TakeInNextPhrase(s);
}

}  // namespace

void VerbAcabar(TranslationState& s) {
    WordNode* w = s.CurWord;
    if (w == nullptr) return;
    const WordNode* next = w->Next;
    if (IsSpanish(next, "con")) {
        EmitAndRecord(s, w->SvWord, "v");
        return;
    }
    // Every tense of "acabar de" is the recent past: "har just", "hade just".
    if (IsSpanish(next, "de") && IsInfinitive(next->Next)) {
        EmitAdded(s, IsPastCode(w->FormCode) || w->FormCode == fc::kSpecialPreterite ? "hade just" : "har just", "v");
        AdvanceWord(s);
        AdvanceWord(s);
        s.CurWord->FormCode = fc::kParticiple;
        EmitConjugatedVerb(s);
        return;
    }
    if (HasFormCode(next, {fc::kGerund})) {
        EmitAndRecord(s, "till slut", "adv");
        s.CurWord->FormCode = fc::kPreterite;
        EmitConjugatedVerb(s);
        TakeInNextPhrase(s);
        return;
    }
    EmitConjugatedVerb(s);
}

void VerbTener(TranslationState& s) {
    WordNode* w = s.CurWord;
    if (w == nullptr) return;
    const WordNode* next = w->Next;
    // An age is "vara" + the years in every tense: "tenía veinte años", "var tjugo år".
    if (StatesAge(w) || AsksAge(w)) return EmitConjugatedAs(s, "vara", kBeGroup);
    if (EmitTenerState(s)) return;
    if (IsSpanish(next, "que") && IsInfinitive(next->Next)) {
        EmitAdded(s, MustText(*w), "hjv");
        AdvanceWord(s);
        AdvanceWord(s);
        s.CurWord->FormCode = fc::kInfinitive;
    }
    EmitConjugatedVerb(s);
}

void VerbIr(TranslationState& s) {
    WordNode* w = s.CurWord;
    if (w == nullptr) return;
    const WordNode* next = w->Next;
    if (IsSpanish(next, "a") && IsInfinitive(next->Next) && EmitGoingTo(s, w->FormCode)) {
        AdvanceWord(s);
        AdvanceWord(s);
        // "vamos a tener hambre": "kommer att vara hungriga".
        if (IsSpanish(s.CurWord, "tener") && EmitTenerState(s)) return;
        EmitConjugatedVerb(s);
        return;
    }
    if (HasFormCode(next, {fc::kGerund})) {
        AdvanceWord(s);
        TakeInNextPhrase(s);
        s.CurWord->FormCode = w->FormCode;
        EmitConjugatedVerb(s);
        return;
    }
    if (HasFormCode(next, {fc::kParticiple, fc::kSParticiple, fc::kParticiplePlural})) {
        if (IsPresentCode(w->FormCode)) return EmitAndRecord(s, "\xE4r", "v");
        if (IsPastCode(w->FormCode) || w->FormCode == fc::kImperfectSubjunctive) return EmitAndRecord(s, "var", "v");
    }
    if (w->FormCode == fc::kSpecialPreterite && HasSpanishClass(next, {wc::kNoun, wc::kConjunction, wc::kProperName, wc::kNounAdjective, wc::kNounAdverb, wc::kNounAdjectiveVerb, wc::kNounAdjectiveParticiple, wc::kNounPossessive}))
        return EmitAndRecord(s, "var", "hjv");
    EmitConjugatedVerb(s);
}

void VerbSer(TranslationState& s) {
    if (s.CurWord == nullptr) return;
    bool handled = false;
    DetectClockTime(s, handled);
    if (handled) return;
    if (s.CurWord->FormCode == fc::kImperfectSubjunctive) return EmitAndRecord(s, "skulle vara", "hjv");
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
    if (done) return EmitTimeAgo(s);
    const WordNode* next = w->Next;
    if (HasSpanishClass(next, {wc::kAdjective}) && IsInfinitive(next->Next)) {
        EmitAndRecord(s, IsPresentCode(w->FormCode) ? "g\xF6r" : "gjorde", "v");
        EmitAdded(s, "det", "ppsu");
        return;
    }
    if (IsInfinitive(next)) {
        if (IsPresentCode(w->FormCode)) return EmitAndRecord(s, "kommer att", "v");
        return EmitAndRecord(s, w->FormCode == fc::kSpecialConditional ? "skulle komma att" : "kom att", "v");
    }
    EmitConjugatedVerb(s);
}

// The Spanish tense is not reflected: "parecer" is always "verkar".
void VerbParecer(TranslationState& s) {
    if (s.CurWord == nullptr) return;
    EmitAdded(s, "verkar", "v");
    AdvanceWord(s);
}

}  // namespace quelvo
