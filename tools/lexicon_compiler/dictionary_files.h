#pragma once
// The seven readable sources and the dictionary file each one becomes.
#include <string_view>

#include "lexicon/dictionary_format.h"

namespace quelvo::lexc {

struct DictionaryFile {
    std::string_view source;
    std::string_view output;
};

inline constexpr DictionaryFile kSpanishFile{"spanish.tsv", kSpanishWordsFileName};
inline constexpr DictionaryFile kSwedishFile{"swedish.tsv", kSwedishEntriesFileName};
inline constexpr DictionaryFile kFormEntryFile{"form_entries.tsv", kFormEntriesFileName};
inline constexpr DictionaryFile kPhraseFile{"phrases.tsv", kPhrasesFileName};
inline constexpr DictionaryFile kVerbFormFile{"spanish_verbs.tsv", kVerbFormsFileName};
inline constexpr DictionaryFile kIrregularVerbFile{"swedish_irregular_verbs.tsv", kIrregularVerbsFileName};
inline constexpr DictionaryFile kIrregularNounFile{"irregular_nouns.tsv", kIrregularNounsFileName};

inline constexpr DictionaryFile kDictionaryFiles[] = {
    kSpanishFile, kSwedishFile, kFormEntryFile, kPhraseFile, kVerbFormFile, kIrregularVerbFile, kIrregularNounFile,
};

}  // namespace quelvo::lexc
