#include "swedish/compound_form.h"

#include <array>
#include <string_view>

#include "lexicon/dictionary_format.h"
#include "swedish/word_text.h"

namespace quelvo {
namespace {

struct CompoundWord {
    std::string_view word, joined;
};

constexpr std::array<CompoundWord, 3> CompoundWords{{
    {"dryck", "dryckes"},
    {"polisman", "polismanna"},
    {"fackla", "fackel"},
}};

}  // namespace

void CompoundFormOf(Str30& form, std::uint32_t joint) {
    switch (static_cast<CompoundForm>(joint)) {
        case CompoundForm::AddS: form += "s"; break;
        case CompoundForm::LastToE: form = WithoutLast(form, 1) + "e"; break;
        case CompoundForm::LastToO: form = WithoutLast(form, 1) + "o"; break;
        case CompoundForm::LastToS: form = WithoutLast(form, 1) + "s"; break;
        case CompoundForm::DropLast: form = WithoutLast(form, 1); break;
        case CompoundForm::AddE: form += "e"; break;
        case CompoundForm::Listed:
            for (const CompoundWord& row : CompoundWords)
                if (form == row.word) {
                    form = row.joined;
                    break;
                }
            break;
        default: break;
    }
}

}  // namespace quelvo
