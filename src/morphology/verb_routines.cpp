#include "morphology/verb_routines.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "core/emit.h"
#include "core/form_codes.h"
#include "core/word_classes.h"
#include "lexicon/dictionary_format.h"
#include "morphology/class_tests.h"
#include "morphology/staging.h"
#include "swedish/adjectives.h"
#include "swedish/verb_forms.h"
#include "swedish/word_output.h"

namespace quelvo {

namespace {

// The nouns of the weather after "hacer", said in Swedish by a predicative
// adjective ("hace frío": det är kallt), and the words that may stand
// between: "mucho frío", "sol y viento", "buen tiempo".
constexpr std::string_view kWeatherNouns[] = {"fr\xEDo", "calor", "sol", "viento", "fresco", "tiempo"};
constexpr std::string_view kWeatherLinks[] = {"mucho", "muy", "poco", "bastante", "buen", "mal", "y"};

template <std::size_t N>
bool IsListed(const WordNode* w, const std::string_view (&list)[N]) {
    return w != nullptr && std::ranges::find(list, w->SpWord.view()) != std::end(list);
}
bool IsWeatherNoun(const WordNode* w) { return IsListed(w, kWeatherNouns); }
bool IsWeatherLink(const WordNode* w) { return IsListed(w, kWeatherLinks); }

// The weather noun takes the further form the dictionary gives it: a noun
// ("tiempo": väder) keeps its noun phrase, an adjective ("calor": varm)
// stands in its neuter, as the predicative of the formal "det".
void TakeWeatherReading(TranslationState& s, WordNode& noun) {
    if (!LookupFormEntryFound(s, noun)) return;
    noun.SvWord = s.StagedWord.SvWord;
    noun.SvForm = s.StagedWord.SvWord;
    noun.SvCode1 = s.StagedWord.SvCode1;
    noun.SvCode2 = s.StagedWord.SvCode2;
    if (s.StagedWord.SvClass != wc::kAdjective) return;
    InflectAdjective(s, noun.SvForm, 't', fc::kSingular, noun.SvCode2, 'o');
    noun.SvWord = noun.SvForm;
    // The neuter is said as it stands: no adjective class inflects it again.
    noun.SvCode2 = static_cast<std::uint16_t>(noun.SvCode2 & ~(kAdjectiveMask << kAdjectiveShift));
}

// "vara" in the tense of "hacer"; a weather to come "blir".
std::string_view WeatherVerbForm(int formCode) {
    if (OneOf(formCode, {fc::kImperfect, fc::kPreterite, fc::kSpecialImperfect, fc::kSpecialPreterite})) return "var";
    if (OneOf(formCode, {fc::kFuture, fc::kSpecialFuture})) return "blir";
    if (OneOf(formCode, {fc::kConditional, fc::kSpecialConditional})) return "skulle vara";
    return "\xE4r";
}

}  // namespace

void WeatherVerb(TranslationState& s, bool& done) {
    done = false;
    const WordNode* w = s.CurWord;
    if (w == nullptr) return;
    const WordNode* first = w->Next;
    while (IsWeatherLink(first)) first = first->Next;
    if (!IsWeatherNoun(first)) return;
    const std::string_view form = WeatherVerbForm(w->FormCode);
    EmitOutWord(s, w->SpWord, form, form, "v");
    EmitWord(s, form, "v", "v", ' ', ' ');
    for (WordNode* n = w->Next; IsWeatherLink(n) || IsWeatherNoun(n); n = n->Next)
        if (IsWeatherNoun(n)) TakeWeatherReading(s, *n);
    done = true;
}

namespace {

bool IsFiniteVerb(const WordNode& w) {
    return (IsVerbClass(w.SpClass) || w.SpClass == wc::kAuxiliary) && Between(w.PersonNo, 1, 6) && w.FormCode != fc::kInfinitive;
}

const WordNode* FirstWord(const WordNode* w) {
    while (w != nullptr && w->SpClass == wc::kPunctuation) w = w->Next;
    return w;
}

// The imperfect, the conditional and the subjunctive say the first and the
// third person alike ("era").
bool IsThirdPersonForm(const WordNode& verb) {
    const bool shared = OneOf(verb.FormCode, {fc::kImperfect, fc::kConditional, fc::kPresentSubjunctive, fc::kSpecialImperfect, fc::kSpecialConditional});
    return verb.PersonNo == 3 || (verb.PersonNo == 1 && shared);
}

}  // namespace

bool HasInfinitiveSubject(const WordNode& verb) {
    if (!IsFiniteVerb(verb) || !IsThirdPersonForm(verb)) return false;
    const WordNode* w = verb.Prev;
    for (; w != nullptr && w->Prev != nullptr; w = w->Prev)
        if (IsFiniteVerb(*w) || w->SpClass == wc::kComma) return false;
    const WordNode* first = FirstWord(w);
    return first != nullptr && first != &verb && first->FormCode == fc::kInfinitive && first->PersonNo == 0;
}

bool OpensWithInfinitiveSubject(const WordNode* first) {
    for (const WordNode* w = first; w != nullptr; w = w->Next)
        if (IsFiniteVerb(*w)) return HasInfinitiveSubject(*w);
    return false;
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

// The gerund after "ir" is the second of two verbs joined by "och" and takes
// the tense of "ir" ("se va corriendo": går och springer); after a future or
// conditional "ir" it is the infinitive that shares the auxiliary.
void IrGerund(TranslationState& s, Str30& form, bool& done) {
    WordNode* w = s.CurWord;
    if (w == nullptr || SpWordOf(w->Prev) != "ir") return;
    const int tense = w->Prev->FormCode;
    w->FormCode = OneOf(tense, {fc::kFuture, fc::kConditional, fc::kSpecialFuture, fc::kSpecialConditional}) ? fc::kInfinitive : tense;
    form = w->SvWord;
    MakeSwedishVerbForm(s, form, w->SvCode3, w->FormCode);
    done = true;
    EmitAndRecord(s, form, "v");
}

}  // namespace quelvo
