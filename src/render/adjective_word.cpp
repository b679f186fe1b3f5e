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

// "det är viktigt", "det kommer att vara viktigt", and after an infinitive
// subject "att läsa är viktigt".
bool FollowsDetAr(const TranslationState& s) {
    int verb = s.OutCount - 1;
    if (Listed(kCopulaInfinitives, OutWordAt(s, verb)) && Listed(kFutureAuxiliaries, OutWordAt(s, verb - 1))) --verb;
    else if (!Listed(kCopulas, OutWordAt(s, verb))) return false;
    return OutWordAt(s, verb - 1) == "det" || OpensWithInfinitiveSubject(s.WordList.Head);
}

// The neuter predicative (det är viktigt) is the adjective's neuter singular
// by its adjective class, which leaves "bra" and "gratis" as they are.
Str30 PredicativeNeuter(TranslationState& s, const WordNode& word) {
    Str30 form = word.SvWord;
    if (form == "god") return "gott";
    InflectAdjective(s, form, 't', 1, word.SvCode2, 'o');
    return form;
}

// The gender the word carries from the last noun; before any noun (Juan es
// alto) the common gender, so that a singular stays singular.
char GenderToAgree(const WordNode& word) {
    const char g = word.Gender;
    return g == 'm' || g == 'f' || g == 'n' || g == 't' ? g : 'n';
}

void RenderAdjective(TranslationState& s) {
    WordNode& word = *s.CurWord;
    Str30 form = word.SvWord;
    if (s.OutCount >= kFirstPredicativeSlot) {
        if (FollowsDetAr(s)) form = PredicativeNeuter(s, word);
        else InflectAdjective(s, form, GenderToAgree(word), word.FormCode, word.SvCode2, 'o');
    }
    EmitAndRecord(s, form, "adj");
}

}  // namespace

void TranslateAdjective(TranslationState& s) { RenderCountedPhrase(s, RenderAdjective); }

}  // namespace quelvo
