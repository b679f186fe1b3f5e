#include "swedish/compound_form.h"

#include <array>
#include <string_view>

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

Str30 WithoutLastLetter(const Str30& form) {
    const std::string_view text = form.view();
    return text.substr(0, text.empty() ? 0 : text.size() - 1);
}

}  // namespace

void CompoundFormOf(Str30& form, std::uint32_t joint) {
    switch (joint) {
        case 2: form += "s"; break;
        case 3: form = WithoutLastLetter(form) + "e"; break;
        case 4: form = WithoutLastLetter(form) + "o"; break;
        case 5: form = WithoutLastLetter(form) + "s"; break;
        case 6: form = WithoutLastLetter(form); break;
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
