#include "morphology/dative_pronouns.h"

#include <string>
#include <string_view>

#include "core/word_classes.h"
#include "lexicon/dictionary_format.h"
#include "morphology/class_tests.h"

namespace quelvo {
namespace {

bool IsPersonPronoun(const WordNode& w) {
    return w.SpClass == wc::kObjectPronoun && OneOf(w.SpWord.view(), {"me", "te", "nos", "os", "le", "les"});
}

// The verb of the pronoun: the one it is written onto, else the one after
// it, past a second pronoun ("te lo cuento").
const WordNode* VerbOf(const WordNode& pronoun) {
    if (pronoun.Attached) return pronoun.Prev;
    const WordNode* next = pronoun.Next;
    if (next != nullptr && OneOf(next->SpClass, {wc::kObjectPronoun, wc::kDeterminerPronoun})) next = next->Next;
    return next;
}

std::string_view PrepositionOf(const WordNode* verb) {
    if (verb == nullptr) return {};
    if (HasFlag(verb->SpCode3, kDativeForFlag)) return "f\xF6r";
    if (HasFlag(verb->SpCode3, kDativeTillFlag)) return "till";
    return {};
}

// "le escribo a mi madre": the person is named after the verb as well.
bool IsDoubled(const WordNode& pronoun, const WordNode* verb) {
    if (verb == nullptr || !OneOf(pronoun.SpWord.view(), {"le", "les"})) return false;
    for (const WordNode* w = verb->Next; w != nullptr && w->SpClass != wc::kPunctuation; w = w->Next)
        if (w->SpWord == "a") return true;
    return false;
}

}  // namespace

void ResolveDativePronouns(TranslationState& s) {
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next) {
        if (!IsPersonPronoun(*n) || IsDoubled(*n, VerbOf(*n))) continue;
        const std::string_view preposition = PrepositionOf(VerbOf(*n));
        if (!preposition.empty()) n->SvWord = std::string(preposition) + " " + std::string(n->SvWord.view());
    }
}

}  // namespace quelvo
