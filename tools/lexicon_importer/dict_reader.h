#pragma once
// The dictd dictionaries of the bilingual sources: an ".index" file (headword,
// offset and length in base 64) and the articles in a ".dict.dz" file
// (dictzip, which zlib reads as gzip).
#include <string>
#include <vector>

namespace quelvo::limp {

struct Article {
    std::string headword;                   // as written on the first line, first variant
    std::string partOfSpeech;               // "n", "v", "adj", "adv" ... or empty
    std::vector<std::string> translations;  // cleaned, in the article's order
};

struct DictionaryRead {
    std::vector<Article> articles;  // in index order
    std::string error;              // names the file; empty when the dictionary was read
};

// Reads "<base>.index" and "<base>.dict.dz".
DictionaryRead ReadDictionary(const std::string& base);

// The articles of `dictText` at the places `indexText` names; `indexFile`
// is the name errors give.
DictionaryRead ParseDictionary(const std::string& indexFile, std::string_view indexText, std::string_view dictText);

}  // namespace quelvo::limp
