#include "morphology/object_pronouns.h"

#include "morphology/class_tests.h"

namespace quelvo {
namespace {

constexpr int kPluralPerson = 6;
constexpr int kProperName = 16;
constexpr int kInfinitive = 19;

// Verbs whose object is mostly a person: "la saludo" is "hälsar på henne".
bool TakesPersonObject(const WordNode* verb) {
    return OneOf(SpWordOf(verb), {"saludar", "conocer", "visitar", "ayudar", "amar", "besar", "invitar", "abrazar",
                                  "llamar", "querer", "odiar", "acompa\xF1" "ar", "despertar"});
}

bool IsSingularNoun(const WordNode& n) {
    return (n.SpClass == 1 || n.SpClass == kProperName || Between(n.SpClass, 20, 24)) && n.PersonNo != kPluralPerson;
}

// The Spanish gender of a noun by the determiner before it, else by its ending.
bool IsFeminineNoun(const WordNode& noun) {
    const std::string_view before = noun.Prev != nullptr ? noun.Prev->SpText.view() : std::string_view{};
    if (OneOf(before, {"la", "una", "esta", "esa", "aquella", "otra", "nuestra", "vuestra", "alguna", "ninguna"}))
        return true;
    if (OneOf(before, {"el", "un", "este", "ese", "aquel", "otro", "nuestro", "vuestro", "alg\xFAn", "ning\xFAn"}))
        return false;
    const std::string_view text = noun.SpText.view();
    return !text.empty() && text.back() == 'a';
}

// A person: a name, or a noun whose Swedish entry is male or female.
bool IsPerson(const WordNode& noun) { return noun.SpClass == kProperName || noun.Gender == 'm' || noun.Gender == 'f'; }

// The nouns of the pronoun's own clause are its subject, never its referent:
// the search starts before the clause.
const WordNode* ClauseStartBefore(const WordNode& pronoun) {
    const WordNode* w = pronoun.Prev;
    while (w != nullptr && !OneOf(w->SpClass, {100, 8, 39, 49})) w = w->Prev;
    return w;
}

}  // namespace

std::string_view ChooseObjectPronoun(const WordNode& pronoun, const WordNode* verb) {
    const bool feminine = pronoun.SpWord == "la";
    for (const WordNode* n = ClauseStartBefore(pronoun); n != nullptr; n = n->Prev) {
        if (!IsSingularNoun(*n) || IsFeminineNoun(*n) != feminine) continue;
        if (IsPerson(*n)) return feminine ? "henne" : "honom";
        return n->Gender == 't' ? "det" : "den";
    }
    // "lo quiere hacer": the pronoun is the object of the infinitive.
    const WordNode* next = verb != nullptr ? verb->Next : nullptr;
    if (next != nullptr && next->FormCode == kInfinitive) verb = next;
    if (TakesPersonObject(verb)) return feminine ? "henne" : "honom";
    return feminine ? "den" : "det";
}

}  // namespace quelvo
