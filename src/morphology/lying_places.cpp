// "estar" that places a building or a place is "ligga": "¿Dónde está la
// estación?" is "Var ligger stationen?", "Madrid está en España" "Madrid
// ligger i Spanien". A person or a movable thing stays "vara", and so does
// "estar" before an adjective, a participle or a state ("en crisis").
#include <string_view>

#include "core/word_classes.h"
#include "lexicon/dictionary_format.h"
#include "morphology/class_tests.h"
#include "morphology/correction_passes.h"
#include "morphology/staging.h"

namespace quelvo {
namespace {

// The words that open a place after "estar" (cerca del río, aquí).
constexpr std::string_view kPlaceWords[] = {
    "aqu\xED",       "all\xED",     "all\xE1",      "ah\xED",      "cerca",       "lejos",        "enfrente",
    "cerca de",      "lejos de",    "junto a",      "frente a",    "delante de",  "detr\xE1s de", "a el lado de",
    "en medio de",   "encima de",   "debajo de",    "dentro de",   "fuera de",    "a lo largo de"};

// "a" before a distance or a quarter of the compass: "a diez kilómetros", "al sur".
bool IsDistance(const WordNode* next) {
    if (next == nullptr) return false;
    return next->SpClass == wc::kNumeral ||
           (next->SpWord == "el" && OneOf(SpWordOf(next->Next), {"norte", "sur", "este", "oeste"}));
}

// "en", "entre" and "sobre" before a place, not before a bare noun of a state
// ("en crisis", "en venta"); a degree word may come first ("muy cerca").
bool IsPlaceWord(const WordNode* w) {
    if (w != nullptr && OneOf(w->SpWord.view(), {"muy", "bastante", "tan", "m\xE1s"})) w = w->Next;
    if (w == nullptr) return false;
    const WordNode* next = w->Next;
    if (OneOf(w->SpWord.view(), {"en", "entre", "sobre"})) return next != nullptr && next->ClassTag != "n";
    if (w->SpWord == "a") return IsDistance(next);
    for (const std::string_view word : kPlaceWords)
        if (w->SpWord == word) return true;
    return false;
}

bool IsSite(const WordNode* w) {
    return w != nullptr && (w->SpClass == wc::kNoun || w->SpClass == wc::kProperName) && HasFlag(w->SpCode3, kSiteFlag);
}

bool OpensNounPhrase(const WordNode& w) {
    return IsDeterminerClass(w.SpClass) || OneOf(w.SpClass, {wc::kPossessive, wc::kNumeral, wc::kAdjective});
}

// The head noun of the noun phrase that ends at `last`, past a "de"
// complement (la estación de tren, el museo de arte) and a relative "que".
const WordNode* HeadBefore(const WordNode* last) {
    if (last != nullptr && last->SpWord == "que") last = last->Prev;
    if (last == nullptr || (last->ClassTag != "n" && last->SpClass != wc::kProperName)) return last;
    const WordNode* start = last;
    while (start->Prev != nullptr && (OpensNounPhrase(*start->Prev) || start->Prev->ClassTag == "n")) start = start->Prev;
    const WordNode* de = start->Prev;
    return de != nullptr && de->SpWord == "de" ? HeadBefore(de->Prev) : last;
}

const WordNode* SubjectBefore(const WordNode& estar) {
    const WordNode* w = estar.Prev;
    if (w != nullptr && w->SpClass == wc::kNegation) w = w->Prev;
    return HeadBefore(w);
}

// "¿dónde está la estación?", "¿está el hotel en esta calle?": the subject
// follows the verb.
const WordNode* SubjectAfter(const WordNode& estar) {
    const std::string_view before = SpWordOf(estar.Prev);
    if (before != "d\xF3nde" && before != "\xBF") return nullptr;
    const WordNode* w = estar.Next;
    while (w != nullptr && OpensNounPhrase(*w)) w = w->Next;
    return before == "d\xF3nde" || IsPlaceWord(w != nullptr ? w->Next : nullptr) ? w : nullptr;
}

// A site is no first or second person, whatever the form shares with them
// ("estaba").
bool PlacesASite(const WordNode& estar) {
    if (!OneOf(estar.PersonNo, {1, 3, 6})) return false;
    if (IsSite(SubjectAfter(estar))) return true;
    return IsPlaceWord(estar.Next) && IsSite(SubjectBefore(estar));
}

}  // namespace

void ResolveLyingPlaces(TranslationState& s) {
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next)
        if (n->SpWord == "estar" && PlacesASite(*n) && TakeFormEntryUnder(s, *n, "estar situado") && n->PersonNo == 1)
            n->PersonNo = 3;
}

}  // namespace quelvo
