#pragma once
// Word-class numbers and the three texts derived from each.
#include <optional>
#include <string_view>

namespace quelvo {

struct WordClassRow {
    int number;
    std::string_view label;     // kept per word position (WordClassTexts)
    std::string_view wordTag;   // matched by phrase tagging (WordTags)
    std::string_view classTag;  // travels with the word (ClassTag)
};

const WordClassRow* FindWordClass(int number);
// The class number whose label is `label` (the lexicon sources name classes by label).
std::optional<int> WordClassByLabel(std::string_view label);

// Phrase tag produced by a phrase rule; nullopt for a rule number not listed.
std::optional<std::string_view> PhraseNameOfRule(int ruleNo);

}  // namespace quelvo
