#pragma once
// The Spanish-Swedish pairs the bilingual dictionaries give: directly
// (Swedish-Spanish) or through a pivot language (Spanish-German and
// German-Swedish, either direction). Every pair is checked against the
// Swedish morphology, which must know the word in the pair's class.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "dict_reader.h"
#include "swedish_morphology.h"

namespace quelvo::limp {

// Dictionaries by name: "swe-spa", "spa-deu", "deu-swe" ...
using DictionarySet = std::map<std::string, std::vector<Article>>;

struct Candidate {
    std::string swedish;
    unsigned sources = 0;   // bit per source of kSourceNames
    int directRank;         // place of the Spanish word in the direct article; large when not direct
    int order;              // first time seen, for a stable ranking
    int Agreeing() const;
};

struct SpanishLemma {
    std::string spanish;
    WordClass wordClass;
    std::vector<Candidate> candidates;  // best first: most sources, then direct order
};

// The source names, bit 0 first: the direct dictionary, then the pivots.
std::vector<std::string> SourceNames();
std::string DescribeSources(unsigned sources);  // "swe-spa+deu"
unsigned SourceBit(std::string_view name);      // the bit of "swe-spa", "deu" ...

// Every Spanish lemma with its ranked candidates.
std::vector<SpanishLemma> CollectCandidates(const DictionarySet& dictionaries, const Morphology& morphology);

// The Spanish words the dictionaries write with a capital ("Marta",
// "Carmen"), in lower case: a common noun of the same spelling would hide the name.
std::set<std::string> SpanishNamesOf(const DictionarySet& dictionaries);

// The Swedish words a listing must hold for CollectCandidates: every one-word
// Swedish headword and translation.
std::vector<std::string> SwedishWordsOf(const DictionarySet& dictionaries);

}  // namespace quelvo::limp
