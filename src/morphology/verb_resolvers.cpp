// The resolvers of verbs and auxiliaries, and of the prepositions that may
// introduce an infinitive.
#include "morphology/class_resolvers.h"
#include "morphology/class_tests.h"
#include "morphology/staging.h"

namespace quelvo {
namespace {

constexpr int kInfinitive = 19;

bool IsVerbForm(const WordNode& n) {
    return OneOf(n.SpClass, {3, 23, 102}) || Between(n.SpClass, 40, 44) || n.FormCode == 11;
}

void AuxiliaryPoder(TranslationState& s, WordNode& node, int position) {
    node.SvWord = "kunna";
    node.SvClass = 4;
    node.SvCode3 = 9;
    SetTag(s, position, "hjv");
}

// "poder" is the noun under its own form ("el poder", "los poderes") unless
// a preposition or an infinitive shows the auxiliary.
void ResolvePoder(TranslationState& s, WordNode& node, int position) {
    node.SpClass = 1;
    SetTag(s, position, "n");
    if (node.Next == nullptr) {
        node.SvClass = 1;
        return;
    }
    if (!OneOf(node.SpText.view(), {"poder", "poderes"}) || OneOf(SpClassOf(node.Prev), {7, 57})) {
        AuxiliaryPoder(s, node, position);
    } else if (OneOf(node.Next->FormCode, {kInfinitive, 480})) {
        AuxiliaryPoder(s, node, position);
        node.SpClass = 4;
    }
}

// "att" before an infinitive.
void InfinitiveMarker(TranslationState& s, WordNode& node, int position) {
    node.SvClass = 99;
    node.SvWord = "att/f\xF6r att";
    SetTag(s, position, "infm");
}

void PrepositionReading(TranslationState& s, WordNode& node, int position) {
    node.SvClass = 7;
    SetTag(s, position, "prep");
    if (node.SpWord == "a") node.SvWord = "till";
}

// "ir a" and "acabar de" before an infinitive; the future and conditional
// of "ir" become the plain future and conditional.
bool ResolveVerbalPhrase(TranslationState& s, WordNode& node, int position) {
    WordNode* prev = node.Prev;
    if (FormCodeOf(node.Next) != kInfinitive || prev == nullptr) return false;
    if (prev->SpWord == "ir") {
        SetTag(s, position, "qinf");
        if (prev->FormCode == 450) prev->FormCode = 8;
        else if (prev->FormCode == 460) prev->FormCode = 9;
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
    node.SvClass = 4;
    SetTag(s, position, "hjv");
}

void ResolveHvbHjvbSub(TranslationState& s, WordNode& node, int position) {
    if (node.SpWord == "querer" && SpClassOf(node.Next) == 48) {
        node.SvWord = "\xE4lska";
        node.SvClass = 3;
        node.FormCode = kInfinitive;
        SetTag(s, position, "v");
    } else if (node.SpWord == "deber" && OneOf(FormCodeOf(node.Next), {kInfinitive, 480})) {
        node.SvWord = "m\xE5ste";
        node.SvClass = 4;
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
    if (OneOf(next->SpClass, {1, 15, 20}) || Between(next->SpClass, 47, 49)) {
        PrepositionReading(s, node, position);
    } else if (IsVerbClass(SpClassOf(prev)) && IsVerbClass(next->SpClass)) {
        node.SvClass = 99;
        node.SvWord = "att";
        SetTag(s, position, node.SpWord == "para" ? "qinf" : "infm");
    } else if (next->FormCode == 14 || next->SvClass == 2) {
        PrepositionReading(s, node, position);
    } else if (IsVerbClass(next->SpClass) || next->SpClass == 99 ||
               (next->SpWord == "no" && FormCodeOf(next->Next) == kInfinitive)) {
        InfinitiveMarker(s, node, position);
    }
}

void ResolvePrInfmFrasP(TranslationState& s, WordNode& node, int position) {
    node.SvClass = 7;
    SetTag(s, position, "prep");
    const WordNode* prev = node.Prev;
    const WordNode* next = node.Next;
    const bool beforeInfinitive = FormCodeOf(next) == kInfinitive;
    if (prev != nullptr && beforeInfinitive && OneOf(prev->SpWord.view(), {"ir", "acabar"})) {
        node.SvClass = 98;
        SetTag(s, position, "prin");
    } else if (beforeInfinitive) {
        node.SvClass = 99;
        node.SvWord = "f\xF6r att";
        SetTag(s, position, "infm");
    }
    if (SpWordOf(prev) == "m\xE1s") {
        node.SvWord = "\xE4n";
        node.SvClass = 8;
        SetTag(s, position, "prep");
    }
}

}  // namespace quelvo
