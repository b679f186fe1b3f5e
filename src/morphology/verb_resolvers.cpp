// The resolvers of verbs and auxiliaries, and of the prepositions that may
// introduce an infinitive.
#include "core/form_codes.h"
#include "core/word_classes.h"
#include "morphology/class_resolvers.h"
#include "morphology/class_tests.h"
#include "morphology/staging.h"

namespace quelvo {
namespace {

bool IsVerbForm(const WordNode& n) {
    return OneOf(n.SpClass, {wc::kVerb, wc::kNounAdjectiveParticiple, wc::kPerfectParticiple}) || Between(n.SpClass, wc::kVerbAdjectiveNoun, wc::kUnlisted44) || n.FormCode == fc::kGerund;
}

void AuxiliaryPoder(TranslationState& s, WordNode& node, int position) {
    node.SvWord = "kunna";
    node.SvClass = wc::kAuxiliary;
    node.SvCode3 = 9;
    SetTag(s, position, "hjv");
}

// "poder" is the noun under its own form ("el poder", "los poderes") unless
// a preposition or an infinitive shows the auxiliary.
void ResolvePoder(TranslationState& s, WordNode& node, int position) {
    node.SpClass = wc::kNoun;
    SetTag(s, position, "n");
    if (node.Next == nullptr) {
        node.SvClass = wc::kNoun;
        return;
    }
    if (!OneOf(node.SpText.view(), {"poder", "poderes"}) || OneOf(SpClassOf(node.Prev), {wc::kPreposition, wc::kPrepositionInfinitive})) {
        AuxiliaryPoder(s, node, position);
    } else if (OneOf(node.Next->FormCode, {fc::kInfinitive, fc::kSpecialParticiple})) {
        AuxiliaryPoder(s, node, position);
        node.SpClass = wc::kAuxiliary;
    }
}

// "att" before an infinitive.
void InfinitiveMarker(TranslationState& s, WordNode& node, int position) {
    node.SvClass = wc::kInfinitive;
    node.SvWord = "att/f\xF6r att";
    SetTag(s, position, "infm");
}

void PrepositionReading(TranslationState& s, WordNode& node, int position) {
    node.SvClass = wc::kPreposition;
    SetTag(s, position, "prep");
    if (node.SpWord == "a") node.SvWord = "till";
}

// "ir a" and "acabar de" before an infinitive; the future and conditional
// of "ir" become the plain future and conditional.
bool ResolveVerbalPhrase(TranslationState& s, WordNode& node, int position) {
    WordNode* prev = node.Prev;
    if (FormCodeOf(node.Next) != fc::kInfinitive || prev == nullptr) return false;
    if (prev->SpWord == "ir") {
        SetTag(s, position, "qinf");
        if (prev->FormCode == fc::kSpecialPresent) prev->FormCode = fc::kFuture;
        else if (prev->FormCode == fc::kSpecialImperfect) prev->FormCode = fc::kConditional;
        return true;
    }
    if (prev->SpWord == "acabar") {
        SetTag(s, position, "qinf");
        return true;
    }
    return false;
}

}  // namespace

void ResolveHvbHjvb(TranslationState& s, WordNode& node, int position) {
    if (!OneOf(node.SpWord.view(), {"estar", "haber"}) || node.Next == nullptr || !IsVerbForm(*node.Next)) return;
    node.SvClass = wc::kAuxiliary;
    SetTag(s, position, "hjv");
}

void ResolveHvbHjvbSub(TranslationState& s, WordNode& node, int position) {
    if (node.SpWord == "querer" && SpClassOf(node.Next) == wc::kDeterminerPronoun) {
        node.SvWord = "\xE4lska";
        node.SvClass = wc::kVerb;
        node.FormCode = fc::kInfinitive;
        SetTag(s, position, "v");
    } else if (node.SpWord == "deber" && OneOf(FormCodeOf(node.Next), {fc::kInfinitive, fc::kSpecialParticiple})) {
        node.SvWord = "m\xE5ste";
        node.SvClass = wc::kAuxiliary;
        node.SvCode3 = 9;
        SetTag(s, position, "hjv");
    } else if (node.SpWord == "poder") {
        ResolvePoder(s, node, position);
    }
}

void ResolvePrepInfm(TranslationState& s, WordNode& node, int position) {
    if (ResolveVerbalPhrase(s, node, position)) return;
    const WordNode* prev = node.Prev;
    const WordNode* next = node.Next;
    if (next == nullptr) return;
    if (OneOf(next->SpClass, {wc::kNoun, wc::kDeterminer, wc::kNounAdjective}) || Between(next->SpClass, wc::kDemonstrative, wc::kRkif)) {
        PrepositionReading(s, node, position);
    } else if (IsVerbClass(SpClassOf(prev)) && IsVerbClass(next->SpClass)) {
        node.SvClass = wc::kInfinitive;
        node.SvWord = "att";
        SetTag(s, position, node.SpWord == "para" ? "qinf" : "infm");
    } else if (next->FormCode == fc::kParticiplePlural || next->SvClass == wc::kAdjective) {
        PrepositionReading(s, node, position);
    } else if (IsVerbClass(next->SpClass) || next->SpClass == wc::kInfinitive ||
               (next->SpWord == "no" && FormCodeOf(next->Next) == fc::kInfinitive)) {
        InfinitiveMarker(s, node, position);
    }
}

void ResolvePrInfmFrasP(TranslationState& s, WordNode& node, int position) {
    node.SvClass = wc::kPreposition;
    SetTag(s, position, "prep");
    const WordNode* prev = node.Prev;
    const WordNode* next = node.Next;
    const bool beforeInfinitive = FormCodeOf(next) == fc::kInfinitive;
    if (prev != nullptr && beforeInfinitive && OneOf(prev->SpWord.view(), {"ir", "acabar"})) {
        node.SvClass = wc::kPhraseWord;
        SetTag(s, position, "prin");
    } else if (beforeInfinitive) {
        node.SvClass = wc::kInfinitive;
        node.SvWord = "f\xF6r att";
        SetTag(s, position, "infm");
    }
    if (SpWordOf(prev) == "m\xE1s") {
        node.SvWord = "\xE4n";
        node.SvClass = wc::kConjunction;
        SetTag(s, position, "prep");
    }
}

}  // namespace quelvo
