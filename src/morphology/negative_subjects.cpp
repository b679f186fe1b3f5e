// "nadie" and "nada" before the verb with no "no": Swedish says "ingen",
// "inget" there, while after the verb or "no" they stay "n\xE5gon", "n\xE5got"
// beside the negation "inte".
#include "core/word_classes.h"
#include "morphology/class_tests.h"
#include "morphology/correction_passes.h"

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

}  // namespace

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
