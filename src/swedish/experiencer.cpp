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

constexpr std::array<std::string_view, 2> kVerbsOfLiking{"gustar", "encantar"};

}  // namespace

std::string_view ExperiencerSubject(const WordNode* pronoun) {
    if (pronoun == nullptr || pronoun->Next == nullptr) return {};
    const std::string_view verb = pronoun->Next->SpWord.view();
    if (std::find(kVerbsOfLiking.begin(), kVerbsOfLiking.end(), verb) == kVerbsOfLiking.end()) return {};
    for (const ObjectAsSubject& row : kObjectsAsSubjects)
        if (pronoun->SpWord == row.objectPronoun) return row.subject;
    return {};
}

}  // namespace quelvo
