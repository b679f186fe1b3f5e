#include "render/tener_states.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "render/emission.h"
#include "render/phrase_progress.h"
#include "render/verb_word.h"
#include "render/verb_word_tests.h"
#include "swedish/verb_forms.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

// The Swedish verb of a state and the word after it, by the number and
// gender of the subject; an empty word: the verb alone says the state.
struct TenerState {
    std::string_view noun;
    std::string_view verb;
    std::string_view singular;
    std::string_view neuter;
    std::string_view plural;
};

constexpr std::array kTenerStates{
    TenerState{"fr\xEDo", "frysa", "", "", ""},
    TenerState{"calor", "vara", "varm", "varmt", "varma"},
    TenerState{"hambre", "vara", "hungrig", "hungrigt", "hungriga"},
    TenerState{"sed", "vara", "t\xF6rstig", "t\xF6rstigt", "t\xF6rstiga"},
    TenerState{"miedo", "vara", "r\xE4" "dd", "r\xE4" "dd", "r\xE4" "dda"},
    TenerState{"sue\xF1o", "vara", "s\xF6mnig", "s\xF6mnigt", "s\xF6mniga"},
    TenerState{"cuidado", "vara", "f\xF6rsiktig", "f\xF6rsiktigt", "f\xF6rsiktiga"},
    TenerState{"raz\xF3n", "ha", "r\xE4tt", "r\xE4tt", "r\xE4tt"},
    TenerState{"prisa", "ha", "br\xE5ttom", "br\xE5ttom", "br\xE5ttom"},
    TenerState{"suerte", "ha", "tur", "tur", "tur"},
};

// "vara", "frysa" and "ha" are all of the irregular verb group.
constexpr std::uint16_t kIrregularVerbGroup = 9;
constexpr int kFirstPluralPerson = 4;

const TenerState* FindState(const WordNode* w) {
    if (w == nullptr) return nullptr;
    for (const auto& state : kTenerStates)
        if (w->SpText == state.noun) return &state;
    return nullptr;
}

bool IsMuch(const WordNode* w) { return IsSpanish(w, "mucho") || IsSpanish(w, "mucha"); }

// A neuter noun right before the verb ("el niño [no] tiene") is its subject;
// a subject said by the verb alone is a person.
bool HasNeuterSubject(const WordNode* verb) {
    const WordNode* before = IsSpanish(verb->Prev, "no") ? verb->Prev->Prev : verb->Prev;
    return HasSpanishClass(before, {wc::kNoun}) && before->Gender == 't';
}

// The finite verb that carries the subject's person: the auxiliary before a
// participle or an infinitive ("han tenido", "van a tener").
constexpr int kMaxWordsBack = 2;

const WordNode& FiniteVerb(const WordNode& verb) {
    const WordNode* finite = &verb;
    for (int back = 0; back < kMaxWordsBack && finite->PersonNo == 0 && finite->Prev != nullptr; ++back)
        finite = finite->Prev;
    return *finite;
}

std::string_view StateWord(const TenerState& state, const WordNode& verb) {
    const WordNode& finite = FiniteVerb(verb);
    if (finite.PersonNo >= kFirstPluralPerson) return state.plural;
    return HasNeuterSubject(&finite) ? state.neuter : state.singular;
}

// "miedo de"/"miedo a" + what is feared: "rädd för"; "no tiene miedo de
// nada" is "inte rädd för någonting".
void MarkFearedThing(WordNode* afterNoun) {
    if (IsSpanish(afterNoun, "de") || IsSpanish(afterNoun, "a")) afterNoun->SvWord = "f\xF6r";
    if (IsSpanish(afterNoun, "de nada")) afterNoun->SvWord = "f\xF6r n\xE5gonting";
}

// "och" + the second state, with its own verb when the first one's is
// another: "är hungriga och törstiga", "fryser och är hungrig".
void EmitJoinedState(TranslationState& s, const TenerState& first, const TenerState& joined, const WordNode& verb) {
    EmitAndStep(s, "och", "konj", "konj");
    Str30 form(joined.verb);
    MakeSwedishVerbForm(s, form, kIrregularVerbGroup, verb.FormCode);
    if (joined.singular.empty()) return EmitAndStep(s, form, "v", "v");
    if (joined.verb != first.verb) EmitAdded(s, form, "v");
    EmitAndStep(s, StateWord(joined, verb), "adj", "adj");
}

}  // namespace

bool EmitTenerState(TranslationState& s) {
    WordNode* verb = s.CurWord;
    if (verb == nullptr || s.PhraseCursor == nullptr) return false;
    const bool much = IsMuch(verb->Next);
    WordNode* noun = much ? verb->Next->Next : verb->Next;
    const TenerState* state = FindState(noun);
    if (state == nullptr) return false;
    // "tienen hambre y sed": a second state said by the same verb joins it.
    const TenerState* joined = IsSpanish(noun->Next, "y") ? FindState(noun->Next->Next) : nullptr;
    const int words = (much ? 2 : 1) + (joined != nullptr ? 2 : 0);
    const int phrases = PhrasesHolding(s.PhraseCursor, words);
    if (phrases == 0) return false;
    if (state->noun == "miedo") MarkFearedThing(noun->Next);
    // The Swedish verb replaces "ha" for every form ("vamos a tener" takes
    // the word itself as its infinitive).
    verb->SvWord = state->verb;
    verb->SvCode3 = kIrregularVerbGroup;
    EmitConjugatedVerb(s);
    if (much) EmitAndStep(s, "mycket", "adv", "adv");
    if (state->singular.empty()) {
        AdvanceWord(s);
    } else {
        EmitAndStep(s, StateWord(*state, *verb), "adj", "adj");
    }
    if (joined != nullptr) EmitJoinedState(s, *state, *joined, *verb);
    for (int i = 0; i < phrases; ++i) TakeInNextPhrase(s);
    return true;
}

}  // namespace quelvo
