#include "swedish/verb_forms.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

#include "core/emit.h"
#include "core/form_codes.h"
#include "core/word_classes.h"
#include "lexicon/dictionary_format.h"
#include "lexicon/lookups.h"
#include "swedish/word_output.h"
#include "swedish/word_text.h"

namespace quelvo {
namespace {

// An ending added after cutting characters off the infinitive; a negative
// cut means the group has no such form and the infinitive stays.
struct Affix {
    int cut = -1;
    std::string_view suffix;
};

struct VerbGroupEndings {
    int group;
    Affix present;  // the suffix is the group's PresentEnding
    // The present and the past joined by "/" share one cut.
    int jointCut;
    std::string_view presentEnding2, pastEnding;
    Affix past;
    Affix supine;            // form codes 10, 13
    Affix participlePlural;  // form codes 12, 14
    Affix pastParticiple;    // form code 15
    Affix presentParticiple;
};

// The regular groups; group 0 stands for a verb without a group.
constexpr std::array<VerbGroupEndings, 12> VerbEndings{{
    {0, {}, -1, "", "", {}, {}, {}, {}, {0, "nde"}},
    {1, {1, "ar"}, 1, "ar", "ade", {0, "de"}, {0, "t"}, {0, "de"}, {0, "d"}, {0, "nde"}},
    {2, {1, "er"}, 1, "er", "te", {1, "te"}, {1, "t"}, {}, {1, "t"}, {0, "nde"}},
    {3, {1, "er"}, 1, "er", "de", {1, "de"}, {1, "t"}, {1, "da"}, {1, "d"}, {0, "nde"}},
    {4, {0, "r"}, 0, "r", "dde", {0, "dde"}, {0, "tt"}, {}, {}, {0, "ende"}},
    {5, {1, "er"}, 1, "er", "", {2, "dde"}, {1, "it"}, {}, {}, {0, "nde"}},
    {6, {1, "er"}, 2, "der", "de", {2, "de"}, {2, "t"}, {}, {}, {0, "nde"}},
    {7, {1, "er"}, 2, "der", "dde", {1, "de"}, {2, "tt"}, {}, {}, {0, "nde"}},
    {8, {1, "er"}, 2, "ter", "tte", {2, "te"}, {1, "t"}, {}, {}, {0, "nde"}},
    {10, {1, ""}, 1, "", "de", {1, "de"}, {1, "t"}, {}, {}, {0, "nde"}},
    {11, {2, "mer"}, 2, "mer", "de", {2, "de"}, {2, "t"}, {2, "da"}, {}, {0, "nde"}},
    {13, {1, "er"}, 1, "er", "e", {2, "te"}, {1, ""}, {}, {}, {0, "nde"}},
}};

enum class FormKind {
    Infinitive,
    Present,
    Past,
    PresentAndPast,
    Future,
    Conditional,
    Supine,
    ParticiplePlural,
    Unchanged,
    PresentParticiple,
    PastParticiple,
    Auxiliary,
    Imperative,
};

// The verb form each form code of the Spanish analysis asks for; codes not
// listed leave the verb as it is.
struct FormCodeKind {
    int formCode;
    FormKind kind;
};

constexpr std::array<FormCodeKind, 27> FormKinds{{
    {fc::kSingular, FormKind::Infinitive},
    {fc::kInfinitive, FormKind::Infinitive},
    {fc::kPresent, FormKind::Present},
    {fc::kPresentSubjunctive, FormKind::Present},
    {fc::kSpecialPresent, FormKind::Present},
    {fc::kSpecialPresent2, FormKind::Present},
    {fc::kImperfect, FormKind::Past},
    {fc::kPreterite, FormKind::Past},
    {fc::kSpecialImperfect, FormKind::Past},
    {fc::kSpecialPreterite, FormKind::Past},
    {fc::kPresentOrPreterite, FormKind::PresentAndPast},
    {fc::kFuture, FormKind::Future},
    {fc::kSpecialFuture, FormKind::Future},
    {fc::kConditional, FormKind::Conditional},
    {fc::kSpecialConditional, FormKind::Conditional},
    {fc::kParticiple, FormKind::Supine},
    {fc::kSupine, FormKind::Supine},
    {fc::kSParticiple, FormKind::ParticiplePlural},
    {fc::kParticiplePlural, FormKind::ParticiplePlural},
    {fc::kSpecialParticiple, FormKind::Unchanged},
    {fc::kGerund, FormKind::PresentParticiple},
    {fc::kPastParticiple, FormKind::PastParticiple},
    {fc::kImperfectSubjunctive, FormKind::Auxiliary},
    {fc::kImperfectSubjunctive2, FormKind::Auxiliary},
    {fc::kSpecialSubjunctive, FormKind::Auxiliary},
    {fc::kSpecialSubjunctive2, FormKind::Auxiliary},
    {fc::kImperative, FormKind::Imperative},
}};

FormKind KindOf(int formCode) {
    for (const FormCodeKind& row : FormKinds)
        if (row.formCode == formCode) return row.kind;
    return FormKind::Unchanged;
}

const VerbGroupEndings& EndingsOf(int group) {
    for (const VerbGroupEndings& row : VerbEndings)
        if (row.group == group) return row;
    return VerbEndings.front();
}

void Apply(Str30& form, const Affix& affix) {
    if (affix.cut >= 0) form = WithoutLast(form, affix.cut) + affix.suffix;
}

std::string_view PrevSpWord(const TranslationState& s) {
    return s.CurWord != nullptr ? SpWordOf(s.CurWord->Prev) : std::string_view();
}

void PresentAndPast(Str30& form, const VerbGroupEndings& row) {
    if (row.jointCut < 0) return;
    const Str30 stem = WithoutLast(form, row.jointCut);
    form = stem + row.presentEnding2;
    form += "/";
    form += stem.view();
    form += row.pastEnding;
}

// An auxiliary goes out as a word of its own, before the verb.
void EmitAuxiliary(TranslationState& s, std::string_view auxiliary, std::string_view tag) {
    EmitCounted(s, SpWordOf(s.CurWord), auxiliary, tag);
}

template <typename T, std::size_t N>
bool Listed(const T (&list)[N], const T& value) {
    return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

constexpr std::string_view kDegreeWords[] = {"mucho", "much\xEDsimo", "bastante", "tanto", "m\xE1s"};

// The verb whose object the infinitive is, when it takes "att": "me gusta
// leer", "empiezo a trabajar", "olvidé de cerrar".
bool GovernedByAttVerb(const WordNode* infinitive) {
    const WordNode* governor = infinitive->Prev;
    // "me gusta mucho viajar": a degree word may stand between.
    if (governor != nullptr && Listed(kDegreeWords, governor->SpWord.view())) governor = governor->Prev;
    if (governor != nullptr && (governor->SpWord == "a" || governor->SpWord == "de")) governor = governor->Prev;
    return governor != nullptr && HasFlag(governor->SpCode3, kInfinitiveAttFlag);
}

void Infinitive(TranslationState& s, Str30& form) {
    const std::string_view prev = PrevSpWord(s);
    if (prev == "para" || prev == "a") form = s.CurWord->SvWord;
    EmitInfinitiveMarker(s);
}

void PresentParticiple(const TranslationState& s, Str30& form, int group, int formCode) {
    if (PrevSpWord(s) == "seguir")
        form = Str30("att ") + form.view();
    else if (group == kIrregularVerbGroup)
        LookupIrregularVerb(s, form, formCode);
    else
        Apply(form, EndingsOf(group).presentParticiple);
}

// The forms a group-9 verb finds in "SvVerb1.pek".
bool IsLookedUp(FormKind kind) {
    return kind == FormKind::Present || kind == FormKind::Past || kind == FormKind::PresentAndPast ||
           kind == FormKind::Supine || kind == FormKind::ParticiplePlural || kind == FormKind::PastParticiple;
}

// The imperative is the present without its ending: "måla", "tro", "tar":
// "ta"; "köper": "köp", "äter": "ät"; a double "m" is single at the end of a
// word ("kommer": "kom"). "vara" gives "var".
Str30 ImperativeOf(const Str30& infinitive, const Str30& present) {
    if (present == Str30(infinitive.view()) + "r") return infinitive;
    if (infinitive.empty() || infinitive.back() != 'a') return infinitive;
    Str30 stem = WithoutLast(infinitive, 1);
    if (stem.view().ends_with("mm")) stem = WithoutLast(stem, 1);
    return stem;
}

void Imperative(const TranslationState& s, Str30& form, int group) {
    Str30 present = form;
    if (group == kIrregularVerbGroup)
        LookupIrregularVerb(s, present, 4);
    else
        Apply(present, EndingsOf(group).present);
    form = ImperativeOf(form, present);
}

}  // namespace

void EmitInfinitiveMarker(TranslationState& s) {
    if (s.CurWord == nullptr || !GovernedByAttVerb(s.CurWord)) return;
    const OutWordNode* last = s.OutList.Tail;
    if (last == nullptr || last->SvText != "att") EmitAuxiliary(s, "att", "infm");
}

int VerbGroupOf(std::uint16_t code) {
    const int group = VerbGroupBits(code);
    return group >= 1 && group <= kMaxVerbGroup ? group : 0;
}

void SVerbForm(Str30& form, int formCode) {
    const Str30 stem = WithoutLast(form, 1);
    switch (KindOf(formCode)) {
        case FormKind::Present:
        case FormKind::PresentParticiple: form = stem + "s"; break;
        case FormKind::Supine: form = stem + "ts"; break;
        case FormKind::Past: form = stem + "des"; break;
        case FormKind::Future: form = Str30("kommer att ") + stem.view() + "s"; break;
        case FormKind::Conditional: form = Str30("skulle ") + form.view(); break;
        default: break;
    }
}

void PresentVerbForm(const TranslationState& s, Str30& form, int group, int formCode) {
    if (group == kIrregularVerbGroup)
        LookupIrregularVerb(s, form, formCode);
    else
        Apply(form, EndingsOf(group).present);
}

void PastVerbForm(const TranslationState& s, Str30& form, int group, int formCode) {
    if (group == kIrregularVerbGroup)
        LookupIrregularVerb(s, form, formCode);
    else
        Apply(form, EndingsOf(group).past);
}

void MakeSwedishVerbForm(TranslationState& s, Str30& form, std::uint16_t code, int formCode) {
    const int group = VerbGroupOf(code);
    if (group == kSVerbGroup) {
        SVerbForm(form, formCode);
        return;
    }
    const FormKind kind = KindOf(formCode);
    if (group == kIrregularVerbGroup && IsLookedUp(kind)) {
        LookupIrregularVerb(s, form, formCode);
        return;
    }
    const VerbGroupEndings& row = EndingsOf(group);
    switch (kind) {
        case FormKind::Infinitive: Infinitive(s, form); break;
        case FormKind::Present: Apply(form, row.present); break;
        case FormKind::Past: Apply(form, row.past); break;
        case FormKind::PresentAndPast: PresentAndPast(form, row); break;
        case FormKind::Future:
            if (form != "m\xE5ste") EmitAuxiliary(s, "kommer att", "hjv");
            break;
        case FormKind::Conditional:
            if (SpWordOf(s.CurWord) == "deber")
                form = "borde";
            else
                EmitAuxiliary(s, "skulle", "hjv");
            break;
        case FormKind::Supine: Apply(form, row.supine); break;
        case FormKind::ParticiplePlural: Apply(form, row.participlePlural); break;
        case FormKind::PresentParticiple: PresentParticiple(s, form, group, formCode); break;
        case FormKind::PastParticiple: Apply(form, row.pastParticiple); break;
        case FormKind::Auxiliary:
            if (SpWordOf(s.CurWord) == "ser")
                EmitAuxiliary(s, "blev", "hjv");
            else
                EmitAuxiliary(s, "skulle", "v");
            break;
        case FormKind::Imperative: Imperative(s, form, group); break;
        case FormKind::Unchanged: break;
    }
}

namespace {

// Particles that are prepositions of the verb's object ("lyssna på", "leta
// efter"); with no object they go: "Juan lyssnar", not "Juan lyssnar på".
constexpr std::string_view kObjectParticles[] = {"p\xE5", "efter", "till", "f\xF6r", "\xE5t", "om", "med"};

// Spanish words after the verb that begin no object of it.
constexpr int kNoObjectClasses[] = {wc::kPunctuation, wc::kComma,        wc::kAdverb,      wc::kAdvx,
                                    wc::kConjunction, wc::kYConjunction, wc::kPreposition, wc::kPrpx,
                                    wc::kRelative,    wc::kKonx,         wc::kNegation};
constexpr int kObjectBeforeClasses[] = {wc::kObjectPronoun, wc::kDeterminerPronoun, wc::kReflexive, wc::kSubjectReflexive};

constexpr std::string_view kQuestionObjects[] = {"qu\xE9", "qui\xE9n", "qui\xE9nes", "cu\xE1l"};

// A question word or a relative "que" after a noun before the verb is its
// object, which leaves the particle at the end: "vad letar du efter",
// "boken som jag letar efter".
bool HasObjectBefore(const WordNode& verb) {
    for (const WordNode* w = verb.Prev; w != nullptr; w = w->Prev) {
        if (Listed(kQuestionObjects, w->SpWord.view())) return true;
        if (w->SpWord == "que" && w->Prev != nullptr && w->Prev->SpClass == wc::kNoun) return true;
    }
    return false;
}

bool HasObject(const WordNode& verb) {
    if (verb.Prev != nullptr && Listed(kObjectBeforeClasses, verb.Prev->SpClass)) return true;
    if (HasObjectBefore(verb)) return true;
    const WordNode* next = verb.Next;
    if (next == nullptr) return false;
    if (next->SpWord == "a" || next->Attached) return true;
    return !Listed(kNoObjectClasses, next->SpClass);
}

}  // namespace

void EmitParticleVerb(TranslationState& s) {
    WordNode* word = s.CurWord;
    if (word == nullptr) return;
    const std::string_view whole = word->SvWord.view();
    const std::size_t blank = whole.find(' ');
    const Str30 particle = blank == std::string_view::npos ? std::string_view() : whole.substr(blank + 1);
    Str30 verb = whole.substr(0, blank);
    const Str30 spWord = word->SpWord;
    s.OutTags.Set(s.OutCount, Str6("v"));
    word->SvWord = verb;
    MakeSwedishVerbForm(s, verb, word->SvCode3, word->FormCode);
    const bool dropParticle = Listed(kObjectParticles, particle.view()) && !HasObject(*word);
    EmitAndRecord(s, verb, "v");
    if (!particle.empty() && !dropParticle) EmitCounted(s, spWord, particle, "part");
}

}  // namespace quelvo
