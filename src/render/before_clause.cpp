#include "render/before_clause.h"

#include <array>

#include "core/form_codes.h"
#include "core/word_classes.h"
#include "render/verb_word_tests.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

// The subject pronoun of a clause whose verb is in `person` (1 to 6); a
// clause with no finite verb to go by says "man".
constexpr std::array<std::string_view, 7> kPronounOfPerson{"man", "jag", "du", "han", "vi", "ni", "de"};

bool IsFinite(const WordNode& w) {
    const bool verbClass = w.SpClass == wc::kVerb || w.SpClass == wc::kAuxiliary;
    return verbClass && w.PersonNo >= 1 && w.PersonNo <= 6 && w.FormCode != fc::kInfinitive;
}

// The finite verb of the main clause: the first of the sentence outside the
// construction itself.
const WordNode* MainVerb(const WordNode& before) {
    const WordNode* w = &before;
    while (w->Prev != nullptr) w = w->Prev;
    for (; w != nullptr; w = w->Next)
        if (w != before.Next && IsFinite(*w)) return w;
    return nullptr;
}

// A noun subject of the third person: "det" for a neuter one, else "han"
// as for a left-out subject.
std::string_view ThirdPersonOf(const WordNode& verb) {
    for (const WordNode* w = verb.Prev; w != nullptr; w = w->Prev)
        if (w->SpClass == wc::kNoun) return w->Gender == 't' ? "det" : "han";
    return "han";
}

// Swedish says a past main clause in the past, anything else in the present.
int TenseOf(const WordNode* verb) {
    return verb != nullptr && IsPastCode(verb->FormCode) ? fc::kPreterite : fc::kPresent;
}

}  // namespace

void EmitBeforeClause(TranslationState& s, std::string_view tag) {
    WordNode& before = *s.CurWord;
    const WordNode* verb = MainVerb(before);
    const int person = verb != nullptr ? verb->PersonNo : 0;
    const std::string_view pronoun = person == 3 ? ThirdPersonOf(*verb) : kPronounOfPerson[static_cast<std::size_t>(person)];
    EmitCounted(s, before.SpWord, "innan", tag);
    EmitAndRecord(s, pronoun, "ppsu");
    if (s.CurWord != nullptr) s.CurWord->FormCode = TenseOf(verb);
}

}  // namespace quelvo
