// The verb-phrase recipes for the Spanish periphrases that Swedish says with
// a construction of its own.
#include "render/verb_phrase_periphrases.h"

#include "core/form_codes.h"
#include "morphology/verb_routines.h"
#include "render/auxiliary_verbs.h"
#include "render/before_clause.h"
#include "render/emission.h"
#include "render/prepositions.h"
#include "render/reflexive_passive.h"
#include "render/verb_word.h"
#include "render/verb_word_tests.h"
#include "swedish/adjectives.h"
#include "swedish/verb_forms.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

void EmitHeldPronoun(TranslationState& s, const WordNode* pronoun) {
    if (pronoun != nullptr) EmitAdded(s, pronoun->SvWord, "ppob");
}

// The Swedish for the "después de" of a construction, any other word as itself.
void EmitAfterWord(TranslationState& s) {
    if (s.CurWord == nullptr) return;
    EmitAndRecord(s, IsSpanish(s.CurWord, "despu\xE9s de") ? std::string_view("efter att") : s.CurWord->SvWord.view(),
                "prpx");
}

int ConstructionOfReflexiveInfinitive(const WordNode* reflexive) {
    const WordNode* verb = NextOf(reflexive);
    if (IsSpanish(verb, "ir")) return kReflexiveGoingTo;
    if (IsSpanish(verb, "tener")) return kReflexiveHaveTo;
    if (IsSpanish(verb, "acabar")) return kReflexiveJustDone;
    return kReflexiveOtherVerb;
}

}  // namespace

// hjv adj inf: "es fácil hacer" is "är lätt att göra".
void EasyToDo(TranslationState& s, const PhraseWalk& walk, int) {
    if (!IsSpanish(s.CurWord, "ser")) return RenderRestWordByWord(s, walk);
    EmitFormedVerb(s, "v");
    if (walk.At(2)) {
        const WordNode& adjective = *s.CurWord;
        Str30 form = adjective.SvWord;
        InflectAdjective(s, form, 't', 1, adjective.SvCode2, 'o');
        form += " att";
        EmitAndRecord(s, form, "adj");
    }
    if (walk.At(3)) TranslateVerbWord(s);
}

// v qinf inf vpres: "tener que" + progressive is "måste" + the verb.
void HaveToProgressive(TranslationState& s, const PhraseWalk& walk, int) {
    const WordNode* verb = s.CurWord;
    if (!IsSpanish(verb, "tener") || !IsSpanish(verb->Next, "que")) return RenderRestWordByWord(s, walk);
    EmitAndRecord(s, verb->FormCode == fc::kParticiple ? "m\xE5st" : "m\xE5ste", "hjv");
    AdvanceWord(s);
    if (walk.At(3)) EmitVerbAfterAuxiliary(s);
}

// ppob v qinf inf: "lo voy a hacer" is "ska göra det".
void PronounGoingTo(TranslationState& s, const PhraseWalk& walk, int) {
    const WordNode* pronoun = s.CurWord;
    AdvanceWord(s);
    if (IsSpanish(s.CurWord, "ir")) {
        EmitAndRecord(s, "ska", "hjv");
        if (walk.At(3)) AdvanceWord(s);
        if (walk.At(4)) EmitOwnWord(s, "inf");
        return EmitHeldPronoun(s, pronoun);
    }
    EmitFormedVerb(s, "v");
    EmitHeldPronoun(s, pronoun);
    if (walk.At(3)) EmitOwnWord(s, "infm");
    if (walk.At(4)) EmitFormedVerb(s, "v");
}

// hjv adv adj inf, hjv mer adj inf with "ser".
void SerDegreeAdjective(TranslationState& s, const PhraseWalk& walk, int) {
    if (!IsSpanish(s.CurWord, "ser")) return RenderRestWordByWord(s, walk);
    EmitFormedVerb(s, "v");
    if (walk.At(2)) EmitOwnWord(s, "v");
    if (walk.At(3)) EmitOwnWord(s, "adj");
    if (walk.At(4)) TranslateVerbWord(s);
}

// v qinf inf [ppob|refl]: "tener que", "ir a", "acabar de" go to their verb
// routines, which take in the infinitive; "haber" is the auxiliary.
void VerbToInfinitive(TranslationState& s, const PhraseWalk& walk, int) {
    if (IsSpanish(s.CurWord, "haber"))
        EmitFormedVerb(s, "hjv");
    else
        TranslateVerbWord(s);
    if (walk.At(2)) EmitOwnWord(s, "qinf");
    if (walk.At(3)) TranslateVerbWord(s);
    if (walk.At(4)) EmitOwnWord(s, walk.MemberTag(4));
}

// hjv vperf qinf inf: "ha acabado de comer" is "har nyss ätit".
void PerfectToInfinitive(TranslationState& s, const PhraseWalk& walk, int) {
    TranslateVerbWord(s);
    if (!walk.At(2)) return;
    if (IsSpanish(s.CurWord, "acabar")) {
        EmitAndRecord(s, "nyss", "adv");
        if (walk.At(3)) AdvanceWord(s);
        if (!walk.At(4)) return;
        s.CurWord->FormCode = fc::kParticiple;
        return TranslateVerbWord(s);
    }
    TranslateVerbWord(s);
    if (walk.At(3)) EmitOwnWord(s, "qinf");
    if (walk.At(4)) EmitFormedVerb(s, "inf");
}

// prep det inf: "al llegar" is "när är/var" + the verb.
void WhenInfinitive(TranslationState& s, const PhraseWalk& walk, int) {
    if (IsSpanish(s.CurWord, "a") && IsSpanish(s.CurWord->Next, "el")) {
        EmitAndRecord(s, "n\xE4r", "konj");
        EmitAndRecord(s, "\xE4r/var", "v");
        if (!walk.At(3)) return;
        s.CurWord->FormCode = fc::kParticiplePlural;
        return EmitFormedVerb(s, "n");
    }
    EmitOwnWord(s, "prep");
    if (walk.At(2)) EmitAndRecord(s, "att", "infm");
    if (walk.At(3)) EmitFormedVerb(s, "inf");
}

// prep inf: "tras comer" is "efter att ha ätit", "sin saber" "utan att veta".
void PrepositionInfinitive(TranslationState& s, const PhraseWalk& walk, int) {
    if (IsSpanish(s.CurWord, "tras")) {
        EmitAndRecord(s, "efter att ha", "prep");
        if (!walk.At(2)) return;
        s.CurWord->FormCode = fc::kParticiple;
        return TranslateVerbWord(s);
    }
    const bool without = IsSpanish(s.CurWord, "sin");
    EmitPreposition(s);  // by its own rules: "de" and "para" before an infinitive are "att", "för att"
    if (!walk.At(2)) return;
    const Str30 form = ConjugatedForm(s);
    EmitAndRecord(s, without ? Str30("att ") + form.view() : form, "inf");
}

// prpx inf: "después de comer" is "efter att ha ätit", "antes de salir"
// a clause, "innan jag går".
void PrepositionalInfinitive(TranslationState& s, const PhraseWalk& walk, int) {
    if (IsSpanish(s.CurWord, "despu\xE9s de")) {
        EmitAndRecord(s, "efter att ha", "prep");
        if (!walk.At(2)) return;
        s.CurWord->FormCode = fc::kSupine;
        return EmitFormedVerb(s, "v");
    }
    if (IsSpanish(s.CurWord, "antes de")) {
        if (walk.Remaining() < 2) return EmitOwnWord(s, "prpx");
        EmitBeforeClause(s, "prpx");
        if (IsParticleVerb(*s.CurWord)) return EmitParticleVerb(s);
        return EmitFormedVerb(s, "v");
    }
    EmitOwnWord(s, "prpx");
    if (walk.At(2)) TranslateVerbWord(s);
}

// prpx hjv vperf: "después de haber comido".
void AfterHavingDone(TranslationState& s, const PhraseWalk& walk, int) {
    EmitAfterWord(s);
    if (walk.At(2)) EmitAuxiliaryAndVerb(s);
}

// vpres: a gerund after "seguir" is said as an infinitive; after "ir" the two
// verbs are joined by "och".
void Gerund(TranslationState& s, const PhraseWalk&, int) {
    WordNode* w = s.CurWord;
    if (IsSpanish(w->Prev, "seguir")) {
        w->FormCode = fc::kInfinitive;
        return EmitFormedVerb(s, "vprs");
    }
    if (IsSpanish(w->Prev, "ir")) {
        EmitAdded(s, "och", "ykon");
        Str30 form;
        bool done = false;
        IrGerund(s, form, done);
        if (done) return;
    }
    EmitFormedVerb(s, "vprs");
}

void Reflexive(TranslationState& s, const PhraseWalk&, int rule) {
    TranslateReflexive(s, rule == kReflexiveGoingTo ? ConstructionOfReflexiveInfinitive(s.CurWord) : rule);
}

// prep inf refl.
void PrepositionPassive(TranslationState& s, const PhraseWalk&, int) {
    EmitOwnWord(s, "prep");
    TranslateReflexive(s, kReflexivePassiveVerb);
}

// prpx hjv refl.
void AfterPassive(TranslationState& s, const PhraseWalk&, int) {
    EmitAfterWord(s);
    TranslateReflexive(s, kReflexivePassiveVerb);
}

}  // namespace quelvo
