#include "morphology/complement_verbs.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "core/weekdays.h"
#include "lexicon/dictionary_format.h"
#include "morphology/class_tests.h"
#include "morphology/reflexive_verbs.h"
#include "morphology/staging.h"
#include "swedish/period_nouns.h"

namespace quelvo {
namespace {

constexpr int kThirdSingular = 3;
constexpr int kThirdPlural = 6;

// What must follow a verb for the row's Swedish verb.
enum class Complement {
    Destination,   // "a" + a place one travels to: a name or a `destination` noun
    NoGame,        // no game, match or team after the verb
    PersonCalled,  // an object, or none, and no name or noun after it
    TimeSpent,     // a stretch of time as the object: "pasar dos semanas"
    Instrument,    // an instrument as the object: "tocar la guitarra"
};

struct ComplementVerb {
    std::string_view spWord;  // the infinitive
    Complement complement;
    std::string_view entryKey;  // the form entry of the Swedish verb
};

constexpr std::array kComplementVerbs{
    ComplementVerb{"ir", Complement::Destination, "ir de viaje"},
    ComplementVerb{"jugar", Complement::NoGame, "jugar sin juego"},
    ComplementVerb{"llamar", Complement::PersonCalled, "llamar por tel\xE9" "fono"},
    ComplementVerb{"pasar", Complement::TimeSpent, "pasar el tiempo"},
    ComplementVerb{"tocar", Complement::Instrument, "tocar instrumento"},
};

// The instruments one plays ("spelar gitarr").
constexpr std::array<std::string_view, 13> kInstruments{"instrumento", "guitarra", "piano", "viol\xEDn", "bater\xED" "a",
                                                        "flauta", "trompeta", "saxof\xF3n", "tambor", "arpa",
                                                        "acorde\xF3n", "violonchelo", "bajo"};

// The nouns of those who play a sport: "jugar" after them is "spela".
constexpr std::array<std::string_view, 5> kPlayers{"equipo", "selecci\xF3n", "jugador", "club", "futbolista"};

// Vehicles: one "åker" in them, and they "går" themselves.
constexpr std::array<std::string_view, 9> kVehicles{"coche",   "tren", "autob\xFAs", "avi\xF3n", "barco",
                                                    "metro",   "taxi", "moto",        "bicicleta"};

// "ir al extranjero": the expressions that are a destination by themselves.
constexpr std::array<std::string_view, 2> kDestinationExpressions{"a el extranjero", "a el campo"};

// A noun or a name, not a time word: "te llamo el lunes" names no one.
bool IsNounWord(const WordNode* w) {
    return w != nullptr && OneOf(w->ClassTag.view(), {"n", "egnm"}) && w->SvClass != wc::kAdverb &&
           !IsSpanishWeekday(w->SpWord.view()) && !IsPeriodNoun(w->SvWord.view());
}

bool IsName(const WordNode* w) { return w != nullptr && w->ClassTag == "egnm"; }

bool IsAdverbWord(const WordNode* w) { return w != nullptr && OneOf(w->SpClass, {wc::kAdverb, wc::kAdvx}); }

const WordNode* PastAdverbs(const WordNode* w) {
    while (IsAdverbWord(w)) w = w->Next;
    return w;
}

// Articles, demonstratives, possessives, numerals and adjectives before a noun.
bool IsNounModifier(const WordNode& w) {
    return IsDeterminerClass(w.SpClass) ||
           OneOf(w.SpClass, {wc::kPossessive, wc::kNumeral, wc::kAdjective, wc::kIndefinite, wc::kIndefiniteAdjective});
}

// The noun that heads the noun phrase starting at `w`, or null.
const WordNode* HeadNoun(const WordNode* w) {
    while (w != nullptr && IsNounModifier(*w) && !IsNounWord(w)) w = w->Next;
    return IsNounWord(w) ? w : nullptr;
}

// The noun after "a" right after the verb ("al cine", "a la puerta"), or null.
const WordNode* NounAfterA(const WordNode& verb) {
    const WordNode* a = PastAdverbs(verb.Next);
    return SpWordOf(a) == "a" ? HeadNoun(a->Next) : nullptr;
}

bool IsClauseEnd(const WordNode& w) { return OneOf(w.SpClass, {wc::kPunctuation, wc::kComma}); }

// The nearest noun before the verb in its clause, or null.
const WordNode* NounBefore(const WordNode& verb) {
    for (const WordNode* w = verb.Prev; w != nullptr && !IsClauseEnd(*w); w = w->Prev)
        if (IsNounWord(w)) return w;
    return nullptr;
}

bool IsDestinationExpression(const WordNode* w) {
    for (const std::string_view expression : kDestinationExpressions)
        if (SpWordOf(w) == expression) return true;
    return false;
}

bool IsVehicleWord(std::string_view spWord) {
    return std::find(kVehicles.begin(), kVehicles.end(), spWord) != kVehicles.end();
}

bool IsVehicle(const WordNode* noun) { return noun != nullptr && IsVehicleWord(noun->SpWord.view()); }

// "en" + a vehicle in the verb's clause, as an expression ("en coche") or
// with its own noun phrase ("en el coche de mi padre").
bool GoesByVehicle(const WordNode& verb) {
    constexpr std::string_view kEn = "en ";
    for (const WordNode* w = verb.Next; w != nullptr && !IsClauseEnd(*w); w = w->Next) {
        const std::string_view word = w->SpWord.view();
        if (word.starts_with(kEn) && IsVehicleWord(word.substr(kEn.size()))) return true;
        if (word == "en" && IsVehicle(HeadNoun(w->Next))) return true;
    }
    return false;
}

// A vehicle that goes somewhere "går" there ("el tren va a Sevilla").
bool IsDestination(const WordNode& verb) {
    if (IsVehicle(NounBefore(verb))) return false;
    if (GoesByVehicle(verb)) return true;
    for (const WordNode* w = verb.Next; IsAdverbWord(w); w = w->Next)
        if (IsDestinationExpression(w)) return true;
    const WordNode* noun = NounAfterA(verb);
    return noun != nullptr && (IsName(noun) || HasFlag(noun->SpCode3, kDestinationFlag));
}

bool IsPlayer(const WordNode* noun) {
    return noun != nullptr && std::find(kPlayers.begin(), kPlayers.end(), noun->SpWord.view()) != kPlayers.end();
}

// A game after "a" or as the object ("juegan al fútbol", "jugamos un
// partido"), a match ("juega contra Francia"), a team ("juega en el Real
// Madrid") or a player or team that plays ("el equipo jugó bien").
bool HasGame(const WordNode& verb) {
    if (IsPlayer(NounBefore(verb))) return true;
    const WordNode* next = PastAdverbs(verb.Next);
    if (SpWordOf(next) == "contra") return true;
    if (SpWordOf(next) == "en") return IsName(HeadNoun(next->Next));
    if (SpWordOf(next) == "a") next = next->Next;
    return HeadNoun(next) != nullptr;
}

bool IsObjectPronoun(const WordNode* w) {
    return w != nullptr && OneOf(w->SpClass, {wc::kObjectPronoun, wc::kDeterminerPronoun});
}

// A name, a noun or an adjective that says what the object is called.
bool IsNamePredicate(const WordNode* w) {
    w = PastAdverbs(w);
    return w != nullptr && (HeadNoun(w) != nullptr || w->SpClass == wc::kAdjective);
}

// An object pronoun or relative before the verb ("lo llaman Pepe", "lo que
// llaman amor").
bool IsObjectBefore(const WordNode& verb) {
    return IsObjectPronoun(verb.Prev) || SpWordOf(verb.Prev) == "que" ||
           OneOf(SpClassOf(verb.Prev), {wc::kRelative, wc::kRelx});
}

// The words after the verb's object: past "a" and its noun phrase, past a
// pronoun written onto the verb, or past the first noun phrase when no
// pronoun or relative before the verb is the object.
const WordNode* AfterObject(const WordNode& verb) {
    const WordNode* w = verb.Next;
    if (IsObjectPronoun(w) && w->Attached) return w->Next;
    if (SpWordOf(w) == "a" || !IsObjectBefore(verb)) {
        if (SpWordOf(w) == "a") w = w->Next;
        const WordNode* noun = HeadNoun(w);
        if (noun == nullptr) return w;
        w = noun->Next;
        while (IsName(w)) w = w->Next;
    }
    return w;
}

// "¿Cómo lo llaman?" asks for the name.
bool AsksForName(const WordNode& verb) {
    for (const WordNode* w = verb.Prev; w != nullptr && w->SpClass != wc::kPunctuation; w = w->Prev)
        if (w->SpWord == "c\xF3mo") return true;
    return false;
}

bool IsPersonCalled(const WordNode& verb) {
    if (ReflexivePronounOf(&verb) != nullptr || AsksForName(verb)) return false;
    return !IsNamePredicate(AfterObject(verb));
}

// "pasamos dos semanas en Italia": the object is a stretch of time. A
// third person with no subject of its own and nothing after the time
// leaves the time as the subject: "pasó un año" (ett år gick).
bool SpendsTime(const WordNode& verb) {
    const WordNode* w = PastAdverbs(verb.Next);
    while (w != nullptr && IsNounModifier(*w) && w->ClassTag != "n") w = w->Next;
    if (w == nullptr || w->ClassTag != "n" || !IsTimeNoun(w->SvWord.view())) return false;
    const bool timePasses = OneOf(verb.PersonNo, {kThirdSingular, kThirdPlural}) && NounBefore(verb) == nullptr &&
                            (w->Next == nullptr || IsClauseEnd(*w->Next));
    return !timePasses;
}

bool PlaysInstrument(const WordNode& verb) {
    const WordNode* noun = HeadNoun(PastAdverbs(verb.Next));
    return noun != nullptr && std::find(kInstruments.begin(), kInstruments.end(), noun->SpWord.view()) != kInstruments.end();
}

bool Fits(Complement complement, const WordNode& verb) {
    switch (complement) {
        case Complement::Destination: return IsDestination(verb);
        case Complement::NoGame: return !HasGame(verb);
        case Complement::PersonCalled: return IsPersonCalled(verb);
        case Complement::TimeSpent: return SpendsTime(verb);
        case Complement::Instrument: return PlaysInstrument(verb);
    }
    return false;
}

bool IsVerbForm(const WordNode& w) {
    return IsVerbClass(w.SpClass) ||
           OneOf(w.SpClass, {wc::kInfinitive, wc::kGerund, wc::kPerfectParticiple, wc::kVerbalAdjective});
}

bool TakeKeyedEntry(TranslationState& s, WordNode& verb, std::string_view tail) {
    return TakeFormEntryUnder(s, verb, std::string(verb.SpWord.view()) + std::string(tail));
}

void ResolveComplementVerb(TranslationState& s, WordNode& verb) {
    if (SpWordOf(verb.Next) == "que" && TakeKeyedEntry(s, verb, " que")) return;
    const WordNode* noun = NounAfterA(verb);
    if (noun != nullptr && TakeKeyedEntry(s, verb, " a " + std::string(noun->SpWord.view()))) return;
    for (const ComplementVerb& row : kComplementVerbs)
        if (verb.SpWord == row.spWord && Fits(row.complement, verb)) TakeFormEntryUnder(s, verb, row.entryKey);
}

}  // namespace

void ResolveComplementVerbs(TranslationState& s) {
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next)
        if (IsVerbForm(*n)) ResolveComplementVerb(s, *n);
}

}  // namespace quelvo
