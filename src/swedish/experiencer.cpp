#include "swedish/experiencer.h"

#include <algorithm>
#include <array>

namespace quelvo {
namespace {

struct ObjectAsSubject {
    std::string_view objectPronoun;
    std::string_view subject;
};

constexpr std::array<ObjectAsSubject, 6> kObjectsAsSubjects{
    {{"me", "jag"}, {"te", "du"}, {"le", "han"}, {"nos", "vi"}, {"os", "ni"}, {"les", "de"}}};

constexpr std::array<std::string_view, 3> kExperiencerVerbs{"gustar", "encantar", "doler"};

// What follows "doler" when a body part aches: a noun phrase ("la cabeza",
// "mis pies", "mucho las muelas") or "algo"/"nada"; a clause ("me duele que
// ...") is none.
constexpr std::array<std::string_view, 2> kBodyPartOpeners{"det", "poss"};
constexpr std::array<std::string_view, 4> kAnyPlace{"algo", "nada", "mucho", "mucha"};

template <std::size_t N>
bool Listed(const std::array<std::string_view, N>& table, std::string_view word) {
    return std::find(table.begin(), table.end(), word) != table.end();
}

bool AchesSomewhere(const WordNode* doler) {
    const WordNode* next = doler->Next;
    return next != nullptr && (Listed(kBodyPartOpeners, next->ClassTag.view()) || Listed(kAnyPlace, next->SpWord.view()));
}

// The words of a short noun phrase that names a person: "Juan", "mi madre",
// "el señor García".
constexpr std::array<std::string_view, 5> kNameTags{"egnm", "n", "det", "poss", "adj"};
constexpr int kMaxNameWords = 4;

// "a mí me duele", "a ella le gusta": a stressed pronoun names the one
// who aches or likes as well.
constexpr std::array<ObjectAsSubject, 12> kStressedSubjects{
    {{"m\xED", "jag"}, {"ti", "du"}, {"\xE9l", "han"}, {"ella", "hon"}, {"usted", "ni"}, {"nosotros", "vi"},
     {"nosotras", "vi"}, {"vosotros", "ni"}, {"vosotras", "ni"}, {"ellos", "de"}, {"ellas", "de"}, {"ustedes", "ni"}}};

bool IsNameWord(const WordNode* w) {
    return w != nullptr && (Listed(kNameTags, w->ClassTag.view()) || !StressedSubject(w).empty());
}

}  // namespace

std::string_view StressedSubject(const WordNode* w) {
    if (w == nullptr) return {};
    for (const ObjectAsSubject& row : kStressedSubjects)
        if (w->SpWord == row.objectPronoun) return row.subject;
    return {};
}

bool NamesExperiencer(const WordNode* a) {
    if (a == nullptr || a->SpWord != "a") return false;
    const WordNode* w = a->Next;
    for (int words = 0; words < kMaxNameWords && IsNameWord(w); ++words) w = w->Next;
    if (w != nullptr && w->SpWord == "no") w = w->Next;
    return w != a->Next && ExperiencerNamedBefore(w);
}

bool ExperiencerNamedBefore(const WordNode* pronoun) {
    if (ExperiencerSubject(pronoun).empty()) return false;
    const WordNode* last = pronoun->Prev;
    if (last != nullptr && last->SpWord == "no") last = last->Prev;
    const WordNode* w = last;
    for (int words = 0; words < kMaxNameWords && IsNameWord(w); ++words) w = w->Prev;
    return w != last && w != nullptr && w->SpWord == "a";
}

std::string_view ExperiencerSubject(const WordNode* pronoun) {
    if (pronoun == nullptr || pronoun->Next == nullptr) return {};
    const std::string_view verb = pronoun->Next->SpWord.view();
    if (!Listed(kExperiencerVerbs, verb)) return {};
    if (verb == "doler" && !AchesSomewhere(pronoun->Next)) return {};
    for (const ObjectAsSubject& row : kObjectsAsSubjects)
        if (pronoun->SpWord == row.objectPronoun) return row.subject;
    return {};
}

}  // namespace quelvo
