#include "morphology/class_resolvers.h"

#include <string_view>

#include "morphology/context_tests.h"
#include "morphology/staging.h"

namespace quelvo {
namespace {

using Resolver = void (*)(TranslationState&, WordNode&, int);

struct ResolverRow {
    std::string_view classText;
    Resolver resolve;
};

// In the order the dispatcher tests them.
constexpr ResolverRow kResolvers[] = {
    {"SbAdj", ResolveSbAdj},
    {"SbAdv", ResolveSbAdv},
    {"AdjAdv", ResolveAdjAdv},
    {"AdjAdvSb", ResolveAdjAdvSb},
    {"AdvVb", ResolveAdvVb},
    {"HvbHjvb", ResolveHvbHjvb},
    {"HvbHjvbSub", ResolveHvbHjvbSub},
    {"AdjVb", FlaggedWordFix},
    {"DetPpob", ResolveDetPpob},
    {"PPObRefl", ResolvePPObRefl},
    {"PrepSub", ResolvePrepSub},
    {"PrepInfm", ResolvePrepInfm},
    {"IAdv", ResolveIAdv},
    {"IAAS", ResolveIAAS},
    {"PPrp", ResolvePPrp},
    {"RKIF", ResolveRKIF},
    {"PsuRrd", ResolvePsuRrd},
    {"PrInfmFrasP", ResolvePrInfmFrasP},
};

Resolver ResolverOf(const Str30& classText) {
    for (const auto& row : kResolvers)
        if (classText == row.classText) return row.resolve;
    return nullptr;
}

}  // namespace

void ResolveWordClasses(TranslationState& s) {
    int pos = 1;
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next, ++pos) {
        if (const Resolver resolve = ResolverOf(ClassTextAt(s, pos))) resolve(s, *n, pos);
    }
}

}  // namespace quelvo
