#include "morphology/verb_routines.h"

#include "core/emit.h"
#include "core/form_codes.h"
#include "core/word_classes.h"
#include "morphology/class_tests.h"
#include "morphology/staging.h"
#include "swedish/verb_forms.h"

namespace quelvo {

namespace {

// "tiempo" is the time, and the weather in "hace buen tiempo": the noun takes
// the further form the dictionary gives it, when there is one.
void TakeWeatherReading(TranslationState& s, WordNode& noun) {
    if (!LookupFormEntryFound(s, noun)) return;
    noun.SvWord = s.StagedWord.SvWord;
    noun.SvForm = s.StagedWord.SvWord;
    noun.SvCode1 = s.StagedWord.SvCode1;
    noun.SvCode2 = s.StagedWord.SvCode2;
}

}  // namespace

void WeatherVerb(TranslationState& s, bool& done) {
    done = false;
    const WordNode* w = s.CurWord;
    if (w == nullptr || w->Next == nullptr || w->Next->Next == nullptr) return;
    if (!OneOf(w->Next->Next->SpWord.view(), {"tiempo", "calor"})) return;
    // Only the present and the past have a weather form; any other tense is
    // left to the ordinary verb rendering.
    const std::string_view form = OneOf(w->FormCode, {fc::kPresent, fc::kSpecialPresent}) ? "\xE4r" : w->FormCode == fc::kSpecialImperfect ? "var" : "";
    if (form.empty()) return;
    EmitOutWord(s, w->SpWord, form, form, "v");
    EmitWord(s, form, "v", "v", ' ', ' ');
    TakeWeatherReading(s, *w->Next->Next);
    done = true;
}

bool StartsTimeAgo(const WordNode* w) {
    if (w == nullptr || w->SpWord != "hacer" || w->Next == nullptr || w->Next->Next == nullptr) return false;
    const WordNode& amount = *w->Next;
    const bool counted = amount.SpClass == wc::kNumeral || amount.SpWord == "un" || amount.SpWord == "una";
    return counted && w->Next->Next->SpClass == wc::kNoun;
}

void SedanCheck(const TranslationState& s, bool& done, Str30& text) {
    if (!StartsTimeAgo(s.CurWord)) return;
    done = true;
    text = "sedan";
}

void IrGerund(TranslationState& s, Str30& form, bool& done) {
    WordNode* w = s.CurWord;
    if (w == nullptr || SpWordOf(w->Prev) != "ir") return;
    w->FormCode = fc::kGerund;
    form = w->SvWord;
    MakeSwedishVerbForm(s, form, w->SvCode3, w->FormCode);
    done = true;
    RecordOutWord(s, form, "v");
    s.CurWord = w->Next;
}

}  // namespace quelvo
