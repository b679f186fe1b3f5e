// The verb-phrase recipes for verbs in a row: auxiliaries with their verbs,
// participles, infinitives and the words that stand between them.
#include "render/verb_phrase_sequences.h"

#include "core/word_classes.h"
#include "render/adverbs.h"
#include "render/auxiliary_verbs.h"
#include "render/emission.h"
#include "render/prepositions.h"
#include "render/tener_states.h"
#include "render/verb_word.h"
#include "render/verb_word_tests.h"
#include "swedish/adjectives.h"
#include "swedish/participles.h"
#include "swedish/verb_forms.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

// A participle or adjective after a verb, agreeing with the noun whose
// gender the sentence construction left on it; predicative, so indefinite.
void EmitVerbalAdjective(TranslationState& s, std::string_view tag) {
    const WordNode* w = s.CurWord;
    if (w == nullptr) return;
    const char gender = w->Gender == 't' ? 't' : 'n';
    Str30 form = w->SvWord;
    if (w->SvClass == wc::kParticleVerb)
        LookupParticipleAdjective(s, form, w->FormCode);
    else if (w->SvClass == wc::kNoun || w->SvClass == wc::kAdjective)
        InflectAdjective(s, form, gender, w->FormCode, w->SvCode2, 'o');
    else
        AgreeParticiple(s, form, VerbGroupOf(w->SvCode3), w->FormCode, gender, 'o');
    EmitAndRecord(s, form, tag);
}

void EmitFormedOrParticle(TranslationState& s, std::string_view tag) {
    if (s.CurWord != nullptr && IsParticleVerb(*s.CurWord)) return EmitParticleVerb(s);
    EmitFormedVerb(s, tag);
}

}  // namespace

void SingleVerb(TranslationState& s, const PhraseWalk&, int) { TranslateVerbWord(s); }

void VerbThenVerb(TranslationState& s, const PhraseWalk& walk, int) {
    TranslateVerbWord(s);
    if (walk.At(2)) TranslateVerbWord(s);
}

void VerbThenObject(TranslationState& s, const PhraseWalk& walk, int) {
    TranslateVerbWord(s);
    if (walk.At(2)) EmitOwnWord(s, "ppob");
}

void InfinitiveToInfinitive(TranslationState& s, const PhraseWalk& walk, int) {
    TranslateVerbWord(s);
    if (walk.At(2)) EmitOwnWord(s, "qinf");
    if (walk.At(3)) TranslateVerbWord(s);
}

// hjv vperf vpres, v vperf: the last verb formed by its own FormCode.
void PerfectThenVerb(TranslationState& s, const PhraseWalk& walk, int) {
    TranslateVerbWord(s);
    if (walk.At(2)) TranslateVerbWord(s);
    if (walk.At(3)) EmitFormedVerb(s, "v");
}

// hjv vperf inf: "ha podido comer" is "har kunnat äta".
void AuxiliaryPerfectThenVerb(TranslationState& s, const PhraseWalk& walk, int) {
    EmitAuxiliaryAndVerb(s);
    if (walk.At(3)) EmitFormedVerb(s, "v");
}

void AuxiliaryAndVerb(TranslationState& s, const PhraseWalk&, int) { EmitAuxiliaryAndVerb(s); }

void VerbAfterAuxiliary(TranslationState& s, const PhraseWalk&, int) { EmitVerbAfterAuxiliary(s); }

// hjv vperf, hjv p_vadj: the perfect; "dejar" as the participle is "dejar de".
void AuxiliaryParticiple(TranslationState& s, const PhraseWalk& walk, int) {
    EmitFormedOrParticle(s, "hjv");
    if (!walk.At(2)) return;
    if (IsSpanish(s.CurWord, "dejar")) return TranslateVerbWord(s);
    // "he tenido miedo": "har varit rädd".
    if (IsSpanish(s.CurWord, "tener") && EmitTenerState(s)) return;
    EmitFormedOrParticle(s, "v");
}

// hjv vperf vadj: "ha sido elegido".
void PerfectVerbalAdjective(TranslationState& s, const PhraseWalk& walk, int) {
    TranslateVerbWord(s);
    if (walk.At(2)) TranslateVerbWord(s);
    if (walk.At(3)) EmitVerbalAdjective(s, "v");
}

// hjv vadj: "está cansado" is "är trött"; the auxiliary is said too.
void AuxiliaryVerbalAdjective(TranslationState& s, const PhraseWalk& walk, int) {
    TranslateVerbWord(s);
    if (walk.At(2)) EmitVerbalAdjective(s, "vadj");
}

void VerbalAdjective(TranslationState& s, const PhraseWalk&, int) { EmitVerbalAdjective(s, "vadj"); }

// v adv vadj.
void VerbAdverbAdjective(TranslationState& s, const PhraseWalk& walk, int) {
    TranslateVerbWord(s);
    if (walk.At(2)) EmitAdverb(s);
    if (walk.At(3)) EmitVerbalAdjective(s, "v");
}

// prep inf e_ppob: the infinitive is shown as a verb and recorded as "inf".
void PrepositionInfinitiveObject(TranslationState& s, const PhraseWalk& walk, int) {
    EmitPreposition(s);
    if (walk.At(2)) EmitRecordedAs(s, ConjugatedForm(s), "v", "inf");
    if (walk.At(3)) EmitOwnWord(s, "ppob");
}

void Unchanged(TranslationState& s, const PhraseWalk&, int) { EmitOwnWord(s, "x"); }

}  // namespace quelvo
