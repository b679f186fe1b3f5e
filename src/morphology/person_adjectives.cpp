// Adjectives that Swedish says otherwise of a person: "un edificio alto" is
// "en hög byggnad", "una chica alta" "en lång flicka".
#include <array>
#include <string_view>

#include "core/word_classes.h"
#include "lexicon/lexicon.h"
#include "lexicon/swedish_entries.h"
#include "morphology/class_tests.h"
#include "morphology/correction_passes.h"
#include "morphology/staging.h"

namespace quelvo {
namespace {

struct PersonReading {
    std::string_view thing, person;
};

constexpr std::array<PersonReading, 2> PersonReadings{{
    {"h\xF6g", "l\xE5ng"},
    {"l\xE5g", "kort"},
}};

// The subject before "ser"/"estar" that the adjective describes ("Juan es
// muy alto", "es más alto"): the nearest noun, name or pronoun before the verb.
const WordNode* SubjectBefore(const WordNode& adjective) {
    const WordNode* w = adjective.Prev;
    while (w != nullptr && (w->SpClass == wc::kAdverb || w->SpClass == wc::kMer)) w = w->Prev;
    if (w == nullptr || !OneOf(w->SpWord.view(), {"ser", "estar"})) return nullptr;
    for (w = w->Prev; w != nullptr && w->SpClass != wc::kPunctuation; w = w->Prev)
        if (w->SpClass == wc::kNoun || w->SpClass == wc::kProperName || w->SpClass == wc::kSubjectPronoun) return w;
    return nullptr;
}

bool DescribesPerson(const WordNode& adjective) {
    return IsPersonWord(adjective.Prev) || IsPersonWord(adjective.Next) || IsPersonWord(SubjectBefore(adjective));
}

}  // namespace

void ResolvePersonAdjectives(TranslationState& s) {
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next) {
        if (n->SvClass != wc::kAdjective || !DescribesPerson(*n)) continue;
        for (const PersonReading& row : PersonReadings) {
            if (n->SvWord != row.thing) continue;
            const SwedishEntry* entry = s.Dict.SwedishEntries().FindByWordAndClass(row.person, wc::kAdjective);
            if (entry == nullptr) break;
            WordFields staged;
            StageSwedishEntry(staged, *entry);
            n->SvWord = staged.SvWord;
            CopySvCodes(staged, *n);
            break;
        }
    }
}

}  // namespace quelvo
