// "nadie" and "nada" before the verb with no "no": Swedish says "ingen",
// "inget" there. After "no" and a simple verb the negation goes into the word
// ("no veo a nadie": jag ser ingen); after an auxiliary they stay "n\xE5gon",
// "n\xE5got" beside "inte".
#include "core/word_classes.h"
#include "morphology/class_tests.h"
#include "morphology/correction_passes.h"
#include "core/form_codes.h"
#include "lexicon/lookups.h"
#include "morphology/staging.h"

namespace quelvo {
namespace {

struct NegativeSubject {
    std::string_view spanish;
    std::string_view swedish;
};

constexpr NegativeSubject kNegativeSubjects[] = {
    {"nadie", "ingen"},
    {"nada", "inget"},
};

// The participles and infinitives count as well as the finite forms.
bool IsAnyVerb(int spClass) { return IsVerbClass(spClass) || OneOf(spClass, {wc::kAuxiliary, wc::kInfinitive, wc::kGerund, wc::kPerfectParticiple, wc::kVerbalAdjective}); }

bool IsPrepositionClass(int spClass) { return OneOf(spClass, {wc::kPreposition, wc::kPrepositionNoun, wc::kPrepositionAdverbConjunction}); }

// "que" opens a clause, except after "m\xE1s" or "menos" ("m\xE1s que nadie").
bool StartsClause(const WordNode& n) { return n.SpWord == "que" && !OneOf(SpWordOf(n.Prev), {"m\xE1s", "menos"}); }

// The negative words that take the negation into themselves after a verb.
constexpr NegativeSubject kNegativeObjects[] = {
    {"nadie", "ingen"},
    {"nada", "inget"},
    {"nunca", "aldrig"},
};

bool IsFiniteVerb(const WordNode* n) {
    if (n == nullptr || !(IsVerbClass(n->SpClass) || n->SpClass == wc::kAuxiliary)) return false;
    return (n->PersonNo >= 1 && n->PersonNo <= 6) || n->SpWord == "hay";
}

// A verb form after the finite verb makes it an auxiliary ("no he visto a
// nadie" keeps "inte ... någon"), and so do the tenses Swedish says with
// one ("no diría nada": skulle inte säga något).
bool IsSimpleVerb(const WordNode* verb) {
    const bool compoundTense =
        OneOf(verb != nullptr ? verb->FormCode : 0, {fc::kFuture, fc::kConditional, fc::kSpecialFuture, fc::kSpecialConditional});
    return IsFiniteVerb(verb) && !compoundTense && !IsAnyVerb(SpClassOf(verb->Next));
}

// "ningún", "ninguna" agree with the noun after them.
Str30 NoneFor(const WordNode& word) {
    const WordNode* noun = word.Next;
    if (noun != nullptr && noun->FormCode == fc::kPlural) return "inga";
    return noun != nullptr && noun->Gender == 't' ? "inget" : "ingen";
}

// The Swedish negative word for `word`, empty when it is none.
Str30 NegativeFormOf(const WordNode& word) {
    if (word.SpWord.view().starts_with("ning")) return NoneFor(word);
    for (const auto& row : kNegativeObjects)
        if (word.SpWord == row.spanish) return row.swedish;
    return {};
}

// The negative word after the simple verb that "no" negates, or null.
WordNode* NegativeAfterVerb(const WordNode& no) {
    WordNode* verb = no.Next;
    while (verb != nullptr && OneOf(verb->SpClass, {wc::kObjectPronoun, wc::kReflexive, wc::kDeterminerPronoun})) verb = verb->Next;
    if (!IsSimpleVerb(verb)) return nullptr;
    WordNode* word = verb->Next;
    if (word != nullptr && word->SpWord == "a") word = word->Next;
    return word != nullptr && !NegativeFormOf(*word).empty() ? word : nullptr;
}

}  // namespace

namespace {

// A clause opened by "que", a relative or a subordinating conjunction keeps
// "inte" before its verb ("creo que no hay nadie": att det inte finns någon).
bool InSubordinateClause(const WordNode& no) {
    for (const WordNode* w = no.Prev; w != nullptr && w->SpClass != wc::kComma && w->SpClass != wc::kPunctuation; w = w->Prev) {
        if (OneOf(w->SpWord.view(), {"y", "e", "o", "pero", "sino"})) return false;
        if (OneOf(w->SpClass, {wc::kRkif, wc::kRelative, wc::kConjunction, wc::kRelativeConjunction})) return true;
    }
    return false;
}

// "hay" and the finite forms of "haber" that stand without a participle.
bool IsExistentialWord(const WordNode& verb) { return OneOf(verb.SpWord.view(), {"hay", "haber"}); }

// "No hay leche": the existential in any tense before a noun without a
// determiner; the noun then takes the negation as "ningún" would (det finns
// ingen mjölk, det kommer att finnas inga problem).
bool NegatesBareNoun(const WordNode& no) {
    const WordNode* verb = no.Next;
    if (!IsFiniteVerb(verb) || !IsExistentialWord(*verb)) return false;
    return SpClassOf(verb->Next) == wc::kNoun;
}

// The "no" goes after the verb and is read as "ninguno" before the noun.
void MoveNegationToNoun(TranslationState& s, WordNode& no, int position) {
    s.LookupWord = "ninguno";
    bool found = false;
    LookupSpanishWord(s, found);
    if (!found) return;
    SwapWithNext(s, no, position);
    WordNode& none = *no.Next;
    CopyStagedToNode(s, none);
    none.SpText = none.SpWord;
    none.SvWord = NoneFor(none);
    none.SvForm = none.SvWord;
}

}  // namespace

// "No hay nadie": after a simple verb of a main clause Swedish puts the
// negation into the word itself ("det finns ingen"); the "no" is then not said.
void FoldNegation(TranslationState& s) {
    int position = 1;
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next, ++position) {
        if (n->SpWord != "no" || InSubordinateClause(*n)) continue;
        WordNode* word = NegativeAfterVerb(*n);
        if (word == nullptr && NegatesBareNoun(*n)) MoveNegationToNoun(s, *n, position);
        if (word == nullptr) continue;
        word->SvWord = NegativeFormOf(*word);
        word->SvForm = word->SvWord;
        n->SvWord.clear();
        n->SvForm.clear();
    }
}

// A "no" anywhere before keeps the word positive ("no creo que nadie venga");
// a verb before it only within its clause ("dice que nadie viene": "ingen").
void ResolveNegativeSubjects(TranslationState& s) {
    bool negated = false;
    bool afterVerb = false;
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next) {
        if (n->SpClass == wc::kComma || StartsClause(*n)) afterVerb = false;
        if (n->SpWord == "no") negated = true;
        if (IsAnyVerb(n->SpClass)) afterVerb = true;
        if (negated || afterVerb || IsPrepositionClass(SpClassOf(n->Prev))) continue;
        for (const auto& row : kNegativeSubjects) {
            if (n->SpWord != row.spanish) continue;
            n->SvWord = row.swedish;
            n->SvForm = row.swedish;
        }
    }
}

}  // namespace quelvo
