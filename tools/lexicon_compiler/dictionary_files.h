#pragma once
// The seven readable sources and the dictionary file each one becomes.
#include <string_view>

namespace quelvo::lexc {

struct DictionaryFile {
    std::string_view source;
    std::string_view output;
};

inline constexpr DictionaryFile kSpanishFile{"spanish.tsv", "SpOrd.txt"};
inline constexpr DictionaryFile kSwedishFile{"swedish.tsv", "SvFile.txt"};
inline constexpr DictionaryFile kFormEntryFile{"form_entries.tsv", "SbAdj.txt"};
inline constexpr DictionaryFile kPhraseFile{"phrases.tsv", "FrasText.txt"};
inline constexpr DictionaryFile kVerbFormFile{"spanish_verbs.tsv", "Spvb.dat"};
inline constexpr DictionaryFile kIrregularVerbFile{"swedish_irregular_verbs.tsv", "SvVerb1.pek"};
inline constexpr DictionaryFile kIrregularNounFile{"irregular_nouns.tsv", "OregSubs.pek"};

inline constexpr DictionaryFile kDictionaryFiles[] = {
    kSpanishFile, kSwedishFile, kFormEntryFile, kPhraseFile, kVerbFormFile, kIrregularVerbFile, kIrregularNounFile,
};

}  // namespace quelvo::lexc
