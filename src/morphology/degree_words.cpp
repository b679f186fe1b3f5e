#include "morphology/degree_words.h"

#include <array>
#include <string_view>

#include "core/form_codes.h"
#include "core/word_classes.h"
#include "morphology/class_tests.h"

namespace quelvo {
namespace {

struct DegreeWord {
    std::string_view spanish;
    std::string_view beforeAdjective;  // "för dyr"
    std::string_view beforePlural;     // "för många böcker"
};

constexpr std::array<DegreeWord, 1> kDegreeWords{{
    {"demasiado", "f\xF6r", "f\xF6r m\xE5nga"},
}};

bool IsAdjectiveOrAdverb(const WordNode* w) {
    return w != nullptr && (OneOf(w->SvClass, {wc::kAdjective, wc::kAdverb}) ||
                            OneOf(w->SpClass, {wc::kAdjective, wc::kAdverb}));
}

void SetSwedish(WordNode& w, std::string_view swedish) {
    w.SvWord = swedish;
    w.SvForm = swedish;
}

}  // namespace

void ResolveDegreeWords(TranslationState& s) {
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next) {
        for (const DegreeWord& row : kDegreeWords) {
            if (n->SpWord != row.spanish) continue;
            if (IsAdjectiveOrAdverb(n->Next)) SetSwedish(*n, row.beforeAdjective);
            else if (IsPluralNoun(n->Next)) SetSwedish(*n, row.beforePlural);
        }
    }
}

}  // namespace quelvo
