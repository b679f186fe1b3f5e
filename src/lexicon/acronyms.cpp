#include <array>
#include <string_view>

#include "lexicon/lookups.h"

namespace quelvo {
namespace {

struct Acronym {
    std::string_view spanish;
    std::string_view swedish;
};

constexpr std::array<Acronym, 4> kAcronyms{{
    {"FP", "yrkesutbildning"},
    {"ONU", "FN"},
    {"OPEP", "OPEC"},
    {"UE", "EU"},
}};

}  // namespace

void LookupAcronym(TranslationState& s, bool& found) {
    for (const Acronym& acronym : kAcronyms) {
        if (s.LookupWord == acronym.spanish) {
            s.StagedWord.SvWord = acronym.swedish;
            found = true;
        }
    }
}

}  // namespace quelvo
