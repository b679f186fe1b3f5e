#include "morphology/dative_se.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/form_codes.h"
#include "core/word_classes.h"
#include "morphology/class_tests.h"
#include "morphology/reflexive_verbs.h"
#include "swedish/period_nouns.h"

namespace quelvo {
namespace {

constexpr int kThirdSingular = 3;
constexpr int kThirdPlural = 6;
// Words a noun phrase may open with before its noun (toda la, sus dos grandes).
constexpr int kMaxWordsBeforeNoun = 3;

// Verbs of saying and believing take the impersonal "man": "se cree que"
// is "man tror att".
constexpr std::array<std::string_view, 18> kVerbsOfSaying{
    "decir",    "creer",    "pensar",   "saber",   "opinar",    "suponer",  "considerar", "contar",  "comentar",
    "esperar",  "calcular", "estimar",  "afirmar", "asegurar",  "sospechar", "prever",    "anunciar", "explicar"};

// Intransitive verbs whose "se" Swedish leaves out: "se cayó" is "föll",
// "se murió" "dog"; nothing of them can be an s-passive.
constexpr std::array<std::string_view, 3> kSilentSeVerbs{"caer", "morir", "ir"};

bool IsNoun(const WordNode* w) { return w != nullptr && w->ClassTag == "n"; }

bool OpensNounPhrase(const WordNode& w) {
    return IsDeterminerClass(w.SpClass) ||
           OneOf(w.SpClass, {wc::kIndefinite, wc::kIndefiniteAdjective, wc::kPossessive, wc::kNumeral, wc::kAdjective,
                              wc::kSubjectPronounNumeral});
}

bool IsPreposition(const WordNode* w) {
    return w != nullptr && OneOf(w->SpClass, {wc::kPreposition, wc::kPrepositionNoun, wc::kPrepositionAdverbConjunction, wc::kPrepositionInfinitive});
}

// A noun that names a thing the verb acts on: no time ("se vendieron el
// lunes"), no amount or part of something ("un millón de copias", "la mitad
// de"), no first of several ("la casa y el coche").
bool IsPlainObject(const WordNode& noun) {
    const std::string_view after = SpWordOf(noun.Next);
    return !IsTimeNoun(noun.SvWord.view()) && !OneOf(after, {"de", "y", "e", "o", "u", "ni"});
}

const WordNode* ObjectNoun(const WordNode& verb) {
    const WordNode* w = verb.Next;
    for (int i = 0; w != nullptr && i < kMaxWordsBeforeNoun && OpensNounPhrase(*w); ++i) w = w->Next;
    return IsNoun(w) && IsPlainObject(*w) ? w : nullptr;
}

int PersonOfNoun(const WordNode& noun) { return noun.FormCode == fc::kPlural ? kThirdPlural : kThirdSingular; }

// The person of a subject right before "se" (past a negation): a name, a
// subject pronoun or a noun phrase that no preposition governs; 0 for none.
int PersonOfSubjectBefore(const WordNode& se) {
    const WordNode* w = se.Prev;
    if (w != nullptr && w->SpClass == wc::kNegation) w = w->Prev;
    if (w == nullptr) return 0;
    if (w->SpClass == wc::kSubjectPronoun) return w->PersonNo;
    const bool name = w->SpClass == wc::kProperName;
    if (!name && !(IsNoun(w) && !IsTimeNoun(w->SvWord.view()))) return 0;
    const int person = name ? kThirdSingular : PersonOfNoun(*w);
    const WordNode* start = w;
    while (start->Prev != nullptr && (OpensNounPhrase(*start->Prev) || start->Prev->SpClass == wc::kProperName))
        start = start->Prev;
    return IsPreposition(start->Prev) ? 0 : person;
}

}  // namespace

bool IsVerbOfSaying(const WordNode* verb) {
    return verb != nullptr && std::find(kVerbsOfSaying.begin(), kVerbsOfSaying.end(), verb->SpWord.view()) !=
                                  kVerbsOfSaying.end();
}

bool IsActiveSe(const WordNode& se) {
    const WordNode* verb = se.Next;
    if (verb == nullptr || !(IsSwedishReflexive(verb) || TakesOwnReflexiveVerb(verb))) return IsDativeSe(se);
    // A noun agreeing with the verb is its subject: "¿cómo se llamaba el perro?".
    const WordNode* noun = ObjectNoun(*verb);
    return noun == nullptr || PersonOfNoun(*noun) != verb->PersonNo;
}

bool IsDativeSe(const WordNode& se) {
    const WordNode* verb = se.Next;
    if (se.SpWord != "se" || verb == nullptr || !IsVerbClass(verb->SpClass)) return false;
    if (!OneOf(verb->PersonNo, {kThirdSingular, kThirdPlural})) return false;
    if (IsSwedishReflexive(verb) || TakesOwnReflexiveVerb(verb) || IsVerbOfSaying(verb)) return false;
    if (std::find(kSilentSeVerbs.begin(), kSilentSeVerbs.end(), verb->SpWord.view()) != kSilentSeVerbs.end()) return true;
    const WordNode* object = ObjectNoun(*verb);
    if (object == nullptr) return false;
    return PersonOfNoun(*object) != verb->PersonNo || PersonOfSubjectBefore(se) == verb->PersonNo;
}

}  // namespace quelvo
