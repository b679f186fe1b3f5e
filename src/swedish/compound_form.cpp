#include "swedish/compound_form.h"

#include <array>
#include <string_view>
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
    switch (joint) {
        case 2: form += "s"; break;
        case 3: form = WithoutLast(form, 1) + "e"; break;
        case 4: form = WithoutLast(form, 1) + "o"; break;
        case 5: form = WithoutLast(form, 1) + "s"; break;
        case 6: form = WithoutLast(form, 1); break;
        case 7: form += "e"; break;
        case 8:
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
