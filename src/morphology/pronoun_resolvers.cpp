// The resolvers of determiners, pronouns and relatives.
#include "core/form_codes.h"
#include "core/word_classes.h"
#include "lexicon/lookups.h"
#include "morphology/class_resolvers.h"
#include "morphology/class_tests.h"
#include "morphology/object_pronouns.h"
#include "morphology/staging.h"

namespace quelvo {
namespace {

struct PronounRendering {
    std::string_view spanish;
    std::string_view beforeVerb;  // object pronoun before the verb
    std::string_view enclitic;    // after an infinitive or a gerund
};

constexpr PronounRendering kObjectRenderings[] = {
    {"lo", "", ""},
    {"la", "", ""},
    {"los", "dem", "dem"},
    {"las", "dem", "dem"},
};

// The form of the table, or for "lo" and "la" (empty in the table) the one
// their noun or verb chooses.
Str30 ObjectPronounOf(const WordNode& node, std::string_view tableForm, const WordNode* verb) {
    return tableForm.empty() ? Str30(ChooseObjectPronoun(node, verb)) : Str30(tableForm);
}

const PronounRendering* RenderingOf(const Str30& word) {
    for (const auto& row : kObjectRenderings)
        if (word == row.spanish) return &row;
    return nullptr;
}

bool IsInfinitiveOrGerund(const WordNode* n) {
    if (n == nullptr) return false;
    return (n->FormCode == fc::kInfinitive && OneOf(n->SpClass, {wc::kVerb, wc::kVerbAdjective})) || (n->SpClass == wc::kGerund && n->FormCode == fc::kGerund);
}

void DeterminerReading(TranslationState& s, WordNode& node, int position) {
    node.SvClass = wc::kDeterminer;
    SetTag(s, position, "det");
}

// The object pronoun after an infinitive or a gerund.
void EncliticReading(TranslationState& s, WordNode& node, int position, const PronounRendering* rendering) {
    node.SvClass = wc::kDeterminer;
    SetTag(s, position, "e_ppob");
    if (rendering != nullptr) node.SvWord = ObjectPronounOf(node, rendering->enclitic, node.Prev);
}

// "att" before a clause or an infinitive.
void InfinitiveMarkerReading(TranslationState& s, WordNode& node, int position) {
    node.SvWord = "att";
    node.SvClass = wc::kInfinitive;
    SetTag(s, position, "qinf");
}

void ConjunctionReading(TranslationState& s, WordNode& node, int position, std::string_view swedish) {
    node.SvWord = swedish;
    SetTag(s, position, "konj");
    node.SvClass = wc::kConjunction;
}

// "que" after "y" repeats the reading of the "que" before it.
void RepeatEarlierQue(TranslationState& s, WordNode& node, int position) {
    int p = position - 2;
    for (const WordNode* n = node.Prev != nullptr ? node.Prev->Prev : nullptr; n != nullptr; n = n->Prev, --p) {
        if (n->SpWord != "que") continue;
        node.SvWord = n->SvWord;
        node.SvClass = n->SvClass;
        SetTag(s, position, TagAt(s, p));
        return;
    }
}

// The rules that follow the word two places back, once one is known to exist.
void ResolveQueAfterTwoWords(TranslationState& s, WordNode& node, int position) {
    const WordNode* prev = node.Prev;
    const WordNode* before = prev->Prev;
    if (OneOf(prev->SpWord.view(), {"mismo", "misma"}) || OneOf(before->SpWord.view(), {"mismo", "misma"})) {
        ConjunctionReading(s, node, position, "som");
    } else if (OneOf(prev->SpWord.view(), {"ser", "verdad", "poco probable"})) {
        InfinitiveMarkerReading(s, node, position);
    }
}

void ResolveQueNearStart(TranslationState& s, WordNode& node, int position) {
    const std::string_view prevWord = SpWordOf(node.Prev);
    if (prevWord == "tener") {
        SetTag(s, position, "qinf");
    } else if (prevWord == "dicho") {
        InfinitiveMarkerReading(s, node, position);
    } else if (IsVerbClass(SpClassOf(node.Next))) {
        node.SvWord = "som";
    }
}

bool IsVerbOrVerbForm(int spClass) { return IsVerbClass(spClass) || OneOf(spClass, {wc::kInfinitive, wc::kGerund, wc::kPerfectParticiple}); }

// The rules of "que" that read the previous word and the one before it.
bool IsInfinitiveMarkerContext(const TranslationState& s, const WordNode& node, int position) {
    const WordNode* prev = node.Prev;
    const WordNode* before = prev != nullptr ? prev->Prev : nullptr;
    const int prevClass = SpClassOf(prev);
    if (FormCodeOf(node.Next) == fc::kImperfectSubjunctive) return true;
    if (IsVerbOrVerbForm(prevClass) || OneOf(TagAt(s, position - 1).view(), {"v", "vperf"})) return true;
    const int beforeClass = SpClassOf(before);
    if ((IsVerbOrVerbForm(beforeClass) || beforeClass == wc::kNounAdjectiveParticiple) && OneOf(prevClass, {wc::kAdverb, wc::kSubjectPronoun, wc::kAdverbNounAdjective, wc::kSubjectReflexive})) return true;
    return SpWordOf(before) == "tan" && (prevClass == wc::kAdjective || Between(prevClass, wc::kAdjectiveAdverb, wc::kNull));
}

}  // namespace

void ResolveDetPpob(TranslationState& s, WordNode& node, int position) {
    const WordNode* next = node.Next;
    const PronounRendering* rendering = RenderingOf(node.SpWord);
    const bool beforeVAdj = TagAt(s, position + 1) == "vadj";
    if (node.Attached) {
        EncliticReading(s, node, position, rendering);
    } else if (OneOf(SpClassOf(node.Prev), {wc::kPreposition, wc::kPrepositionInfinitive})) {
        DeterminerReading(s, node, position);
        if (node.SvWord == "de") node.SvWord = node.SvForm = "dem";
    } else if (next != nullptr && !beforeVAdj &&
               (OneOf(next->SpClass, {wc::kNoun, wc::kAdjective}) || Between(next->SpClass, wc::kNounAdjective, wc::kNounAdjectiveParticiple) || Between(next->SpClass, wc::kParticleVerb, wc::kAdjectiveAdverbNoun))) {
        DeterminerReading(s, node, position);
        node.SvWord = next->FormCode == fc::kPlural ? "de" : "den/det";
    } else if (next != nullptr && !beforeVAdj && (next->SpClass == wc::kAuxiliary || IsVerbClass(next->SpClass))) {
        node.SvClass = wc::kObjectPronoun;
        SetTag(s, position, "ppob");
        if (rendering != nullptr) node.SvWord = ObjectPronounOf(node, rendering->beforeVerb, next);
    } else if (IsInfinitiveOrGerund(node.Prev)) {
        EncliticReading(s, node, position, rendering);
    } else if (beforeVAdj) {
        DeterminerReading(s, node, position);
        node.SvWord = "det";
    }
}

void ResolvePPObRefl(TranslationState& s, WordNode& node, int position) {
    const WordNode* prev = node.Prev;
    if (node.Next != nullptr && node.Next->PersonNo == node.PersonNo) {
        SetTag(s, position, "refl");
    } else if (prev != nullptr && prev->Prev == nullptr) {
        node.SpClass = wc::kObjectPronoun;
        SetTag(s, position, "ppob");
    } else if (prev != nullptr && prev->FormCode == fc::kInfinitive && prev->Prev->PersonNo == node.PersonNo) {
        SetTag(s, position, "refl");
    }
}

void ResolvePPrp(TranslationState& s, WordNode& node, int position) {
    const int prevClass = SpClassOf(node.Prev);
    if (prevClass != wc::kPreposition && !Between(prevClass, wc::kPrepositionNoun, wc::kPrepositionInfinitive)) return;
    LookupFormEntry(s, node);
    node.SvClass = wc::kReflexive;
    node.ClassTag = "ppfm";
    SetTag(s, position, "ppfm");
}

void ResolveRKIF(TranslationState& s, WordNode& node, int position) {
    SetTag(s, position, "rel");
    node.ClassTag = "rel";
    node.SvClass = wc::kRelative;
    const WordNode* prev = node.Prev;
    const WordNode* before = prev != nullptr ? prev->Prev : nullptr;
    const std::string_view prevWord = SpWordOf(prev);
    const int prevClass = SpClassOf(prev);
    if (OneOf(prevWord, {"algo", "de"}) || ((prevClass == wc::kAdjective || prevClass == wc::kAdjectiveAdverb) && SpWordOf(before) == "parecer")) {
        InfinitiveMarkerReading(s, node, position);
    } else if (prevWord == "y") {
        RepeatEarlierQue(s, node, position);
    } else if (IsInfinitiveMarkerContext(s, node, position)) {
        InfinitiveMarkerReading(s, node, position);
    } else if (OneOf(prevWord, {"peor", "mejor", "m\xE1s", "menos", "menor"})) {
        ConjunctionReading(s, node, position, "\xE4n");
    } else if (OneOf(SpWordOf(before), {"m\xE1s", "menos"})) {
        // "más barata que", "menos libros que" compare: "än". After a noun
        // "más" makes a superlative and "que" opens a relative clause: "la
        // persona más amable que conozco".
        ConjunctionReading(s, node, position, SpClassOf(before->Prev) == wc::kNoun ? "som" : "\xE4n");
    } else if (before == nullptr) {
        ResolveQueNearStart(s, node, position);
    } else {
        ResolveQueAfterTwoWords(s, node, position);
    }
}

void ResolvePsuRrd(TranslationState& s, WordNode& node, int position) {
    const WordNode* next = node.Next;
    if (next == nullptr) return;
    const bool beforePreposition = next->SpClass == wc::kPreposition;
    if (node.SpWord == "una" && !beforePreposition) {
        node.SvClass = wc::kDeterminer;
        SetTag(s, position, "det");
        return;
    }
    if (node.SpWord == "uno" && (next->SpClass == wc::kAuxiliary || IsVerbClass(next->SpClass))) {
        node.SvWord = "man";
        node.SvClass = wc::kSubjectPronoun;
        SetTag(s, position, "ppsu");
        return;
    }
    if (OneOf(node.SpWord.view(), {"una", "uno"}) && beforePreposition) {
        node.SvClass = wc::kNumeral;
        SetTag(s, position, "rord");
    }
}

}  // namespace quelvo
