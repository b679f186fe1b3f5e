#include "morphology/well_being.h"

#include <string_view>

#include "lexicon/lexicon.h"
#include "lexicon/swedish_entries.h"
#include "morphology/class_tests.h"
#include "morphology/staging.h"

namespace quelvo {
namespace {

constexpr std::string_view kFeelVerb = "m\xE5";
constexpr std::string_view kBadlyAdverb = "d\xE5ligt";

// The word of the state after the verb, past one degree word ("muy bien").
WordNode* StateWord(const WordNode& verb) {
    WordNode* w = verb.Next;
    if (w != nullptr && OneOf(w->SpWord.view(), {"muy", "bastante", "tan"})) w = w->Next;
    return w != nullptr && OneOf(w->SpWord.view(), {"bien", "mal", "mejor", "peor"}) ? w : nullptr;
}

// The subject's head before the verb, or after it in a question ("¿cómo
// está tu madre?"); null for none.
const WordNode* ThirdPersonSubject(const WordNode& verb) {
    const WordNode* before = verb.Prev;
    while (before != nullptr && before->SpClass == wc::kAdverb) before = before->Prev;
    if (before != nullptr && before->SpClass != wc::kPunctuation && before->SpWord != "c\xF3mo") return before;
    const WordNode* after = verb.Next;
    while (after != nullptr && (after->SpClass == wc::kPossessive || after->SpClass == wc::kDeterminer)) after = after->Next;
    return after;
}

// "estoy", "estamos", "estás": always a person; the third person only with
// a person for its subject ("mi padre está bien", not "todo está bien").
bool HasPersonSubject(const WordNode& verb) {
    if (OneOf(verb.PersonNo, {1, 2, 4, 5})) return true;
    return OneOf(verb.PersonNo, {3, 6}) && IsPersonWord(ThirdPersonSubject(verb));
}

void TakeSwedishEntry(const TranslationState& s, WordNode& w, std::string_view svWord, int svClass) {
    const SwedishEntry* entry = s.Dict.SwedishEntries().FindByWordAndClass(svWord, svClass);
    if (entry == nullptr) return;
    WordFields staged;
    StageSwedishEntry(staged, *entry);
    w.SvWord = staged.SvWord;
    w.SvForm = staged.SvWord;
    CopySvCodes(staged, w);
}

}  // namespace

void ResolveWellBeing(TranslationState& s) {
    for (WordNode* w = s.WordList.Head; w != nullptr; w = w->Next) {
        if (w->SpWord != "estar" || !Between(w->PersonNo, 1, 6) || !HasPersonSubject(*w)) continue;
        WordNode* state = StateWord(*w);
        if (state == nullptr && SpWordOf(w->Prev) != "c\xF3mo") continue;
        TakeSwedishEntry(s, *w, kFeelVerb, wc::kVerb);
        if (state != nullptr && state->SpWord == "mal") TakeSwedishEntry(s, *state, kBadlyAdverb, wc::kAdverb);
    }
}

}  // namespace quelvo
