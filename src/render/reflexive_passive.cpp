#include "render/reflexive_passive.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/form_codes.h"
#include "morphology/dative_se.h"
#include "morphology/reflexive_verbs.h"
#include "render/auxiliary_verbs.h"
#include "render/emission.h"
#include "render/s_passive.h"
#include "render/verb_word.h"
#include "render/verb_word_tests.h"
#include "swedish/verb_forms.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

void EmitPassive(TranslationState& s, std::string_view tag) {
    if (s.CurWord == nullptr) return;
    Str30 form = ConjugatedForm(s);
    MakeSPassive(s, form);
    EmitAndRecord(s, form, tag);
}

// A particle verb takes the passive on its verb: "tas fram".
void EmitPassiveParticleVerb(TranslationState& s) {
    const WordNode& w = *s.CurWord;
    const std::string_view whole = w.SvWord.view();
    const std::size_t blank = whole.find(' ');
    Str30 form(whole.substr(0, blank));
    const Str30 particle(whole.substr(blank + 1));
    MakeSwedishVerbForm(s, form, w.SvCode3, w.FormCode);
    MakeSPassive(s, form);
    EmitAndRecord(s, form, "v");
    EmitAdded(s, particle, "part");
}

// The reflexive pronoun said as the impersonal subject.
void EmitMan(TranslationState& s) { EmitAndRecord(s, "man", "ppsu"); }

// The reflexive pronoun that Swedish says as "sig", "mig", ...
void EmitReflexivePronoun(TranslationState& s) { EmitOwnWord(s, "refl"); }

void GoingToPassive(TranslationState& s) {  // se va a hacer: kommer att göras
    AdvanceWord(s);
    if (s.CurWord == nullptr) return;
    // The imperfect (iba a) is the conditional of the construction when "a"
    // was not read as its marker.
    EmitAndRecord(s, HasFormCode(s.CurWord, {fc::kConditional, fc::kSpecialImperfect}) ? "skulle" : "kommer att", "hjv");
    AdvanceWord(s);
    EmitPassive(s, "inf");
}

void PerfectPassive(TranslationState& s) {  // se ha hecho: har gjorts
    AdvanceWord(s);
    EmitFormedVerb(s, "v");
    EmitPassive(s, "v");
}

void ManProgressive(TranslationState& s) {  // se está haciendo: man gör
    EmitMan(s);
    EmitVerbAfterAuxiliary(s);
}

void ManAuxiliaryInfinitive(TranslationState& s) {  // se puede hacer: man kan göra
    EmitMan(s);
    EmitFormedVerb(s, "hjv");
    EmitFormedVerb(s, "inf");
}

void ManVerbInfinitive(TranslationState& s) {
    EmitMan(s);
    EmitFormedVerb(s, "v");
    EmitFormedVerb(s, "inf");
}

void AuxiliaryPassiveInfinitive(TranslationState& s) {  // puede hacerse: kan göras
    EmitFormedVerb(s, "hjv");
    EmitPassive(s, "inf");
    AdvanceWord(s);
}

void VerbInfinitiveReflexive(TranslationState& s) {
    const bool querer = IsSpanish(s.CurWord, "querer");
    EmitFormedVerb(s, "v");
    if (querer) EmitAdded(s, "att", "infm");
    EmitFormedVerb(s, "inf");
    EmitReflexivePronoun(s);
}

void ReflexiveObjectVerb(TranslationState& s) {  // se lo dio: gav det
    AdvanceWord(s);
    const WordNode* pronoun = s.CurWord;
    AdvanceWord(s);
    EmitFormedVerb(s, "v");
    if (pronoun != nullptr) EmitAdded(s, pronoun->SvWord, "ppob");
}

// The progressive made passive: the gerund takes the tense of the auxiliary
// before it (está haciéndose: görs).
void ProgressivePassive(TranslationState& s) {
    const WordNode* auxiliary = s.CurWord;
    AdvanceWord(s);
    if (auxiliary == nullptr || s.CurWord == nullptr) return;
    if (IsPresentCode(auxiliary->FormCode)) s.CurWord->FormCode = fc::kPresent;
    if (IsPastCode(auxiliary->FormCode)) s.CurWord->FormCode = fc::kImperfect;
    EmitPassive(s, "v");
    AdvanceWord(s);
}

// hacerse: göras; a verb reflexive in Swedish too keeps "sig" (casarse:
// gifta sig), one with its own reflexive verb says that verb (levantarse:
// stiga upp).
void PassiveVerb(TranslationState& s) {
    const WordNode* verb = s.CurWord;
    if (IsSwedishReflexive(verb) || TakesOwnReflexiveVerb(verb)) {
        const bool own = TakesOwnReflexiveVerb(verb);
        if (IsParticleVerb(*verb)) EmitParticleVerb(s);
        else EmitFormedVerb(s, "v");
        if (!own) EmitAdded(s, "sig", "refl");
    } else {
        EmitPassive(s, "v");
    }
    AdvanceWord(s);
}

// "ir" + "a" + infinitive, also when "a" was grouped as a phrase of its own.
bool IsGoingTo(const WordNode* verb) {
    return IsSpanish(verb, "ir") && IsSpanish(NextOf(verb), "a") && IsInfinitive(NextOf(NextOf(verb)));
}

// A verb reflexive in Swedish as well keeps its pronoun after it ("se
// afeita": "rakar sig"), unless an object follows ("se lava las manos":
// "tvättar händerna"); one with its own reflexive verb says that verb alone
// ("se llama": "heter").
void ReflexiveActive(TranslationState& s) {
    const WordNode* pronoun = s.CurWord;
    AdvanceWord(s);
    const bool saysPronoun = !TakesOwnReflexiveVerb(s.CurWord) && !(NextOf(s.CurWord) != nullptr && NextOf(s.CurWord)->ClassTag == "det");
    EmitFormedVerb(s, "v");
    if (saysPronoun) EmitAdded(s, pronoun->SvWord, "refl");
}

constexpr std::array<int, 15> kNounPhraseClasses{1, 2, 10, 12, 13, 15, 16, 20, 21, 22, 24, 45, 47, 48, 60};
constexpr std::array<int, 4> kPrepositionClasses{7, 55, 56, 57};
constexpr std::array<int, 2> kNegationAndAdverbClasses{5, 17};
// Adverbs and quantifiers said of the action ("bien", "poco", "mucho").
constexpr std::array<int, 8> kAdverbClasses{5, 13, 32, 33, 34, 35, 36, 59};

bool IsOfClass(const WordNode* w, const auto& classes) {
    return w != nullptr && std::find(classes.begin(), classes.end(), w->SpClass) != classes.end();
}

// A noun phrase before "se", not inside a prepositional phrase, is the
// subject of an s-passive: "el libro se vende", not "en este país se lee".
bool HasSubjectBefore(const WordNode& se) {
    const WordNode* w = se.Prev;
    while (IsOfClass(w, kNegationAndAdverbClasses)) w = w->Prev;
    if (!IsOfClass(w, kNounPhraseClasses)) return false;
    while (IsOfClass(w->Prev, kNounPhraseClasses)) w = w->Prev;
    return !IsOfClass(w->Prev, kPrepositionClasses);
}

// "se" with no subject before it and an adverb after its verb is the
// impersonal "man": "aquí se vive bien" is "här bor man bra"; "se
// alquilan habitaciones" keeps the s-passive.
bool HasNoPassiveSubject(const WordNode& se) {
    const WordNode* verb = se.Next;
    return verb != nullptr && !HasSubjectBefore(se) && IsOfClass(verb->Next, kAdverbClasses);
}

// Verbs whose "se" of a whole object eaten or drunk Swedish says with "upp":
// "se comió la tarta" is "åt upp tårtan".
constexpr std::array<std::string_view, 2> kUpVerbs{"comer", "beber"};

// se comieron la tarta: (de) åt upp tårtan; the subject pronoun is inserted
// before the phrase like that of any active verb.
void DativeActive(TranslationState& s) {
    AdvanceWord(s);
    const bool up = std::find(kUpVerbs.begin(), kUpVerbs.end(), s.CurWord->SpWord.view()) != kUpVerbs.end();
    if (IsParticleVerb(*s.CurWord)) EmitParticleVerb(s);
    else EmitFormedVerb(s, "v");
    if (up) EmitAdded(s, "upp", "part");
}

void ManActive(TranslationState& s) {  // se cree: man tror
    EmitMan(s);
    if (s.CurWord != nullptr && IsParticleVerb(*s.CurWord)) EmitParticleVerb(s);
    else EmitFormedVerb(s, "v");
}

void ReflexivePassive(TranslationState& s) {  // se vende: säljs
    if (IsGoingTo(s.CurWord->Next)) return GoingToPassive(s);
    const WordNode* verb = s.CurWord->Next;
    if (IsSwedishReflexive(verb) || TakesOwnReflexiveVerb(verb)) return ReflexiveActive(s);
    if (IsDativeSe(*s.CurWord)) return DativeActive(s);
    if (IsVerbOfSaying(verb) || HasNoPassiveSubject(*s.CurWord)) return ManActive(s);
    AdvanceWord(s);
    if (s.CurWord == nullptr) return;
    if (IsParticleVerb(*s.CurWord))
        EmitPassiveParticleVerb(s);
    else
        EmitPassive(s, "v");
}

void OtherVerbInfinitive(TranslationState& s) {
    AdvanceWord(s);
    EmitFormedVerb(s, "v");
    if (s.CurWord != nullptr) EmitAndRecord(s, "att", "infm");
    EmitFormedVerb(s, "inf");
}

void HaveToReflexive(TranslationState& s) {  // se tiene que hacer: måste göra
    AdvanceWord(s);
    TranslateVerbWord(s);
}

struct ReflexiveRecipe {
    int construction;
    void (*render)(TranslationState&);
};

constexpr std::array kReflexiveRecipes{
    ReflexiveRecipe{kReflexiveGoingTo, GoingToPassive},
    ReflexiveRecipe{177, PerfectPassive},
    ReflexiveRecipe{178, ManProgressive},
    ReflexiveRecipe{179, ManAuxiliaryInfinitive},
    ReflexiveRecipe{184, ManVerbInfinitive},
    ReflexiveRecipe{185, AuxiliaryPassiveInfinitive},
    ReflexiveRecipe{186, VerbInfinitiveReflexive},
    ReflexiveRecipe{196, ReflexiveObjectVerb},
    ReflexiveRecipe{197, ProgressivePassive},
    ReflexiveRecipe{kReflexivePassiveVerb, PassiveVerb},
    ReflexiveRecipe{204, ReflexivePassive},
    ReflexiveRecipe{kReflexiveOtherVerb, OtherVerbInfinitive},
    ReflexiveRecipe{kReflexiveHaveTo, HaveToReflexive},
};

}  // namespace

void TranslateReflexive(TranslationState& s, int construction) {
    if (s.CurWord == nullptr) return;
    for (const ReflexiveRecipe& r : kReflexiveRecipes) {
        if (r.construction == construction) {
            r.render(s);
            return;
        }
    }
}

}  // namespace quelvo
