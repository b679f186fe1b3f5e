// The renderer of a lone adjective ("Adj", "XAdj"): predicative after
// "det är" it takes the neuter form, otherwise it agrees with the word's noun.
#include "render/adjective_word.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "morphology/verb_routines.h"
#include "render/emission.h"
#include "render/phrase_progress.h"
#include "swedish/adjectives.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

// Before three words are out there is no "det är" to look back at.
constexpr int kFirstPredicativeSlot = 3;

// The forms of "vara" and "bli" after which an adjective is predicative,
// and the auxiliaries that may stand before their infinitive.
constexpr std::string_view kCopulas[] = {"\xE4r", "var", "blir", "blev", "kommer att vara", "skulle vara"};
constexpr std::string_view kCopulaInfinitives[] = {"vara", "bli"};
constexpr std::string_view kFutureAuxiliaries[] = {"kommer att", "skulle", "ska"};

template <std::size_t N>
bool Listed(const std::string_view (&list)[N], const Str30& word) {
    return std::find(std::begin(list), std::end(list), word.view()) != std::end(list);
}

// The degree words that may stand between the copula and its adjective:
// "det är mycket viktigt", "det är mindre dyrt".
constexpr std::string_view kDegreeWords[] = {"mycket", "mer", "mindre", "s\xE5", "ganska", "v\xE4ldigt", "lite",
                                             "helt", "alltf\xF6r", "f\xF6r", "riktigt", "extremt"};

}  // namespace

bool IsNeuterPredicative(const TranslationState& s) {
    int verb = s.OutCount - 1;
    while (verb > 1 && Listed(kDegreeWords, OutWordAt(s, verb))) --verb;
    if (Listed(kCopulaInfinitives, OutWordAt(s, verb)) && Listed(kFutureAuxiliaries, OutWordAt(s, verb - 1))) --verb;
    else if (!Listed(kCopulas, OutWordAt(s, verb))) return false;
    return OutWordAt(s, verb - 1) == "det" || OpensWithInfinitiveSubject(s.WordList.Head);
}

Str30 PredicativeNeuter(TranslationState& s, const WordNode& word) {
    Str30 form = word.SvWord;
    if (form == "god") return "gott";
    InflectAdjective(s, form, 't', 1, word.SvCode2, 'o');
    return form;
}

namespace {

bool IsNounWord(const WordNode* w) { return w != nullptr && w->SpClass == wc::kNoun; }

// The first word before `noun` that is no article, determiner or adjective
// of its phrase.
const WordNode* BeforeNounPhrase(const WordNode& noun) {
    const WordNode* w = noun.Prev;
    while (w != nullptr && (w->SpClass == wc::kDeterminer || w->SpClass == wc::kDeterminerPronoun ||
                            w->SpClass == wc::kPossessive || w->SpClass == wc::kAdjective))
        w = w->Prev;
    return w;
}

// The head of the subject a predicative describes: the last noun before the
// verb, or before a "de" complement the noun it completes ("la puerta de la
// casa es verde": dörren är grön).
const WordNode* SubjectHead(const WordNode& adjective) {
    const WordNode* w = adjective.Prev;
    while (w != nullptr && w->SpClass == wc::kAdverb) w = w->Prev;
    // "es viejo pero bonito": the second adjective describes the same subject.
    while (w != nullptr && (w->SpClass == wc::kConjunction || w->SpClass == wc::kYConjunction) && w->Prev != nullptr &&
           w->Prev->SpClass == wc::kAdjective) {
        w = w->Prev->Prev;
        while (w != nullptr && w->SpClass == wc::kAdverb) w = w->Prev;
    }
    if (w == nullptr || !(w->SpClass == wc::kAuxiliary || w->SpClass == wc::kVerb)) return nullptr;
    for (w = w->Prev; w != nullptr && w->SpClass == wc::kAdverb;) w = w->Prev;
    if (!IsNounWord(w)) return nullptr;
    for (const WordNode* de = BeforeNounPhrase(*w); de != nullptr && de->SpWord == "de" && IsNounWord(de->Prev);
         de = BeforeNounPhrase(*w))
        w = de->Prev;
    return w;
}

// The gender of the subject's head, else the one the word carries from the
// last noun; before any noun (Juan es alto) the common gender, so that a
// singular stays singular.
char GenderToAgree(const WordNode& word) {
    const WordNode* head = SubjectHead(word);
    const char g = head != nullptr ? head->Gender : word.Gender;
    return g == 'm' || g == 'f' || g == 'n' || g == 't' ? g : 'n';
}

void RenderAdjective(TranslationState& s) {
    WordNode& word = *s.CurWord;
    Str30 form = word.SvWord;
    if (s.OutCount >= kFirstPredicativeSlot) {
        if (IsNeuterPredicative(s)) form = PredicativeNeuter(s, word);
        else InflectAdjective(s, form, GenderToAgree(word), word.FormCode, word.SvCode2, 'o');
    }
    EmitAndRecord(s, form, "adj");
}

}  // namespace

void TranslateAdjective(TranslationState& s) { RenderCountedPhrase(s, RenderAdjective); }

}  // namespace quelvo
