#include "morphology/reflexive_verbs.h"

#include <array>
#include <string>
#include <string_view>

#include "lexicon/dictionary_format.h"
#include "morphology/staging.h"

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

}  // namespace

bool IsSwedishReflexive(const WordNode* verb) { return verb != nullptr && HasFlag(verb->SpCode3, kReflexiveFlag); }

bool TakesOwnReflexiveVerb(const WordNode* verb) {
    return verb != nullptr && HasFlag(verb->SpCode3, kOwnReflexiveFlag);
}

bool IsReflexivePronounOf(const WordNode* pronoun, const WordNode* verb) {
    if (pronoun == nullptr || verb == nullptr) return false;
    for (const ReflexivePronoun& p : kReflexivePronouns)
        if (pronoun->SpWord == p.spanish)
            return p.person == 0 ? IsThirdPersonOrNone(verb->PersonNo) : p.person == verb->PersonNo;
    return false;
}

const WordNode* ReflexivePronounOf(const WordNode* verb) {
    if (verb == nullptr) return nullptr;
    if (IsReflexivePronounOf(verb->Prev, verb)) return verb->Prev;
    if (IsReflexivePronounOf(verb->Next, verb)) return verb->Next;
    return nullptr;
}

void ResolveOwnReflexiveVerbs(TranslationState& s) {
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next) {
        if (!TakesOwnReflexiveVerb(n) || ReflexivePronounOf(n) == nullptr) continue;
        WordNode reflexiveInfinitive = *n;
        reflexiveInfinitive.SpWord = std::string(n->SpWord.view()) + "se";
        if (!LookupFormEntryFound(s, reflexiveInfinitive)) continue;
        n->SvWord = s.StagedWord.SvWord;
        n->SvForm = s.StagedWord.SvWord;
        n->SvKey = s.StagedWord.SvKey;
        n->SvClass = s.StagedWord.SvClass;
        CopySvCodes(s.StagedWord, *n);
    }
}

}  // namespace quelvo
