#include "morphology/reflexive_verbs.h"

#include <array>
#include <string>
#include <string_view>

#include "lexicon/dictionary_format.h"
#include "morphology/class_tests.h"
#include "morphology/staging.h"
#include "core/form_codes.h"
#include "core/word_classes.h"

namespace quelvo {
namespace {

struct ReflexivePronoun {
    std::string_view spanish;
    int person;  // 0: third person, singular or plural, or no person
};

constexpr std::array kReflexivePronouns{
    ReflexivePronoun{"me", 1}, ReflexivePronoun{"te", 2}, ReflexivePronoun{"nos", 4},
    ReflexivePronoun{"os", 5}, ReflexivePronoun{"se", 0},
};

bool IsThirdPersonOrNone(int person) { return person == 0 || person == 3 || person == 6; }

bool IsPronounOfPerson(const WordNode* pronoun, int person) {
    if (pronoun == nullptr) return false;
    for (const ReflexivePronoun& p : kReflexivePronouns)
        if (pronoun->SpWord == p.spanish) return p.person == 0 ? IsThirdPersonOrNone(person) : p.person == person;
    return false;
}

int EarlierFinitePerson(const WordNode& verb) {
    for (const WordNode* w = verb.Prev; w != nullptr; w = w->Prev)
        if ((IsVerbClass(w->SpClass) || w->SpClass == wc::kAuxiliary) && Between(w->PersonNo, 1, 6)) return w->PersonNo;
    return 0;
}

}  // namespace

bool IsSwedishReflexive(const WordNode* verb) { return verb != nullptr && HasFlag(verb->SpCode3, kReflexiveFlag); }

bool TakesOwnReflexiveVerb(const WordNode* verb) {
    return verb != nullptr && HasFlag(verb->SpCode3, kOwnReflexiveFlag);
}

bool IsReflexivePronounOf(const WordNode* pronoun, const WordNode* verb) {
    return verb != nullptr && IsPronounOfPerson(pronoun, verb->PersonNo);
}

const WordNode* ReflexivePronounOf(const WordNode* verb) {
    if (verb == nullptr) return nullptr;
    if (IsReflexivePronounOf(verb->Prev, verb)) return verb->Prev;
    if (IsReflexivePronounOf(verb->Next, verb)) return verb->Next;
    // An infinitive or gerund takes the pronoun of the subject of the finite
    // verb before it: "quiero levantarme", not "voy a llamarte".
    if (verb->PersonNo == 0 && IsPronounOfPerson(verb->Next, EarlierFinitePerson(*verb))) return verb->Next;
    return nullptr;
}

bool IsSilentReflexivePronoun(const WordNode& pronoun) {
    const WordNode* verb = pronoun.Prev;
    return TakesOwnReflexiveVerb(verb) && ReflexivePronounOf(verb) == &pronoun;
}

void ResolveOwnReflexiveVerbs(TranslationState& s) {
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next) {
        if (TakesOwnReflexiveVerb(n) && ReflexivePronounOf(n) != nullptr)
            TakeFormEntryUnder(s, *n, std::string(n->SpWord.view()) + "se");
    }
}

}  // namespace quelvo
