// "más", "menos" before a plural noun count things: "fler", "färre" ("más
// libros": fler böcker), while before a singular they measure ("mer vatten").
#include <array>
#include <string_view>

#include "core/form_codes.h"
#include "core/word_classes.h"
#include "morphology/class_tests.h"
#include "morphology/correction_passes.h"

namespace quelvo {
namespace {

struct CountForm {
    std::string_view spanish, swedish;
};

constexpr std::array<CountForm, 2> CountForms{{
    {"m\xE1s", "fler"},
    {"menos", "f\xE4rre"},
}};

}  // namespace

void ResolveCountComparatives(TranslationState& s) {
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next) {
        if (!IsPluralNoun(n->Next)) continue;
        for (const CountForm& row : CountForms) {
            if (n->SpWord != row.spanish) continue;
            n->SvWord = row.swedish;
            n->SvForm = row.swedish;
        }
    }
}

}  // namespace quelvo
