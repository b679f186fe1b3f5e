// The verbs that take another Swedish verb than the dictionary gives, chosen
// by the words around them; all are then conjugated as ordinary verbs.
// "recordar a" (påminna om), "tender a" (tendera att) and "intentar" +
// infinitive (försöka) take the Swedish verb with its codes from the
// dictionary entry of that verb; without the entry nothing changes.
#include "render/verb_substitutes.h"

#include <array>
#include <string_view>

#include "core/adverb_tags.h"
#include "core/form_codes.h"
#include "core/word_classes.h"
#include "lexicon/dictionary_format.h"
#include "lexicon/swedish_word_lookup.h"
#include "morphology/reflexive_verbs.h"
#include "render/emission.h"
#include "render/verb_word.h"
#include "render/verb_word_tests.h"

namespace quelvo {
namespace {

enum class Follower { PrepositionA, Infinitive };

struct ReplacedVerb {
    std::string_view spWord;
    Follower follower;
    std::string_view svWord;      // the Swedish dictionary word of the verb meant
    std::string_view nextSvWord;  // the Swedish word the following word takes; empty: unchanged
};

constexpr std::array kReplacedVerbs{
    ReplacedVerb{"recordar", Follower::PrepositionA, "p\xE5minna", "om"},
    ReplacedVerb{"tender", Follower::PrepositionA, "tendera", "att"},
    ReplacedVerb{"intentar", Follower::Infinitive, "f\xF6rs\xF6ka", ""},
};

bool Follows(const ReplacedVerb& v, const WordNode* next) {
    return v.follower == Follower::PrepositionA ? IsSpanish(next, "a") : IsInfinitive(next);
}

}  // namespace

void VerbTratar(TranslationState& s) {
    WordNode* w = s.CurWord;
    if (w == nullptr) return;
    WordNode* next = w->Next;
    if (HasSpanishClass(NextOf(next), {wc::kNoun, wc::kDeterminer, wc::kDemonstrative, wc::kDeterminerPronoun, wc::kRkif})) {
        SetSwedishVerb(*w, kVerbHandla);
        next->SvWord = "om";
    }
    EmitConjugatedVerb(s);
}

void VerbConseguir(TranslationState& s) {
    WordNode* w = s.CurWord;
    if (w == nullptr) return;
    if (IsVerbAfterLograr(w->Next)) SetSwedishVerb(*w, kVerbLyckas);
    EmitConjugatedVerb(s);
}

// "saber" + infinitive is a skill: "sabe nadar" is "kan simma".
void VerbSaber(TranslationState& s) {
    WordNode* w = s.CurWord;
    if (w == nullptr) return;
    if (IsInfinitive(w->Next)) SetSwedishVerb(*w, kVerbKunna);
    EmitConjugatedVerb(s);
}

void VerbResultar(TranslationState& s) {
    WordNode* w = s.CurWord;
    if (w == nullptr) return;
    if (HasClassTag(w->Next, {"adj"}))
        SetSwedishVerb(*w, kVerbBli);
    else
        SetSwedishVerb(*w, kVerbResultera);
    EmitConjugatedVerb(s);
}

void VerbDejar(TranslationState& s) {
    WordNode* w = s.CurWord;
    if (w == nullptr) return;
    if (IsSpanish(w->Next, "de"))
        SetSwedishVerb(*w, kVerbUpphora);
    else if (IsInfinitive(w->Next))
        SetSwedishVerb(*w, kVerbLata);
    EmitConjugatedVerb(s);
}

void VerbSeguir(TranslationState& s) {
    const WordNode* w = s.CurWord;
    if (w == nullptr) return;
    if (HasFormCode(w->Next, {fc::kGerund}))
        EmitConjugatedAs(s, "forts\xE4tta", 9);
    else
        EmitConjugatedVerb(s);
}

void VerbMandar(TranslationState& s) {
    WordNode* w = s.CurWord;
    if (w == nullptr) return;
    if (HasSpanishClass(w->Next, {wc::kVerb, wc::kInfinitive})) SetSwedishVerb(*w, kVerbBesluta);
    EmitConjugatedVerb(s);
}

void VerbServir(TranslationState& s) {
    WordNode* w = s.CurWord;
    if (w == nullptr) return;
    SetSwedishVerb(*w, kVerbTjana);
    if (IsSpanish(w->Next, "de")) w->Next->SvWord = "som";
    EmitConjugatedVerb(s);
}

void VerbCaber(TranslationState& s) {
    WordNode* w = s.CurWord;
    if (w == nullptr) return;
    if (IsInfinitive(w->Next))
        SetSwedishVerb(*w, kVerbKunna);
    else
        SetSwedishVerb(*w, kVerbRymmas);
    EmitConjugatedVerb(s);
}

void VerbQuedar(TranslationState& s) {
    const WordNode* w = s.CurWord;
    if (w == nullptr) return;
    WordNode* next = w->Next;
    if (HasClassTag(next, {"vadj", "vperf", "adj"}) || IsSpanish(next, "sin"))
        return EmitConjugatedAs(s, "bli", 9);
    // "me quedo en casa": with its reflexive pronoun the verb is the stay of
    // its own dictionary entry (stannar), never what remains.
    if (ReflexivePronounOf(w) != nullptr) return EmitConjugatedVerb(s);
    if (IsSpanish(next, "adelante") || IsSpanish(next, "atr\xE1s")) return EmitConjugatedAs(s, "komma", 9);
    if (IsSpanish(next, "por")) next->SvWord = "att";
    // What remains comes after the verb, and "det" stands in its place
    // ("queda un día": det återstår en dag).
    const OutWordNode* last = s.OutList.Tail;
    const bool noSubjectYet = last == nullptr || IsAdverbTag(last->OutTag.view()) || last->OutTag == "advx";
    if (next != nullptr && noSubjectYet) EmitAdded(s, "det", "ppsu");
    EmitConjugatedAs(s, "\xE5terst\xE5", kIrregularVerbGroup);
}

void VerbOthers(TranslationState& s) {
    WordNode* w = s.CurWord;
    if (w == nullptr) return;
    for (const ReplacedVerb& v : kReplacedVerbs) {
        if (w->SpWord != v.spWord || !Follows(v, w->Next)) continue;
        bool found = false;
        LookupSwedishWord(s, v.svWord, found);
        if (!found) return;
        const WordFields& entry = s.StagedWord;
        SetSwedishVerb(*w, {entry.SvWord.view(), entry.SvCode1, entry.SvCode2, entry.SvCode3});
        w->SvCode4 = entry.SvCode4;
        if (!v.nextSvWord.empty()) w->Next->SvWord = v.nextSvWord;
        return;
    }
}

}  // namespace quelvo
