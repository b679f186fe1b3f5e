#include "morphology/swedish_reflexives.h"

#include <array>

#include "core/form_codes.h"
#include "core/word_classes.h"

namespace quelvo {
namespace {

constexpr std::array<std::string_view, 7> kReflexiveOfPerson{"sig", "mig", "dig", "sig", "oss", "er", "sig"};
constexpr std::string_view kDictionaryReflexive = " sig";
constexpr int kThirdPerson = 3;

bool IsPerson(int person) { return person >= 1 && person <= 6; }

// The person of the nearest finite verb from `verb` back, within the sentence.
int SubjectPerson(const WordNode& verb) {
    for (const WordNode* w = &verb; w != nullptr && w->SpClass != wc::kPunctuation; w = w->Prev)
        if (IsPerson(w->PersonNo) && w->FormCode != fc::kInfinitive) return w->PersonNo;
    return kThirdPerson;
}

}  // namespace

bool IsSwedishReflexivePronoun(std::string_view word) {
    for (const std::string_view reflexive : kReflexiveOfPerson)
        if (word == reflexive) return true;
    return false;
}

void AgreeSwedishReflexives(TranslationState& s) {
    for (WordNode* w = s.WordList.Head; w != nullptr; w = w->Next) {
        const std::string_view text = w->SvWord.view();
        if (!text.ends_with(kDictionaryReflexive) || w->SvClass != wc::kParticleVerb) continue;
        const std::string_view reflexive = kReflexiveOfPerson[static_cast<std::size_t>(SubjectPerson(*w))];
        Str30 agreeing(text.substr(0, text.size() - kDictionaryReflexive.size() + 1));
        agreeing += reflexive;
        w->SvWord = agreeing;
    }
}

}  // namespace quelvo
