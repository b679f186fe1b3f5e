#pragma once
// Our codes for a Swedish word, derived from its forms in the morphology:
// the declension class and gender of a noun, the adjective class and
// comparison group of an adjective, the verb group of a verb. A word whose
// forms fit no regular class is irregular and keeps its forms.
#include <optional>
#include <string>
#include <vector>

#include "swedish_morphology.h"

namespace quelvo::limp {

inline constexpr int kIrregularDeclension = 15;
inline constexpr int kIrregularVerbGroup = 9;
inline constexpr int kSVerbGroup = 12;

struct SwedishCodes {
    std::string wordClass;  // "n", "adj", "v", "adv": the label of swedish.tsv
    std::string gender;     // "n" (common) or "t" (neuter)
    int declension = 0;
    int adjective = 0;
    int comparison = 0;
    int group = 0;
    std::string compound;                 // "add-s" or empty
    std::vector<std::string> irregular;  // the forms of an irregular noun or verb, in our column order
};

// nullopt when the morphology lacks the forms that the codes need.
std::optional<SwedishCodes> DeriveCodes(const KnownWord& known);

}  // namespace quelvo::limp
