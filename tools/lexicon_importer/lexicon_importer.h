#pragma once
// The importer: the bilingual dictionaries and the Swedish morphology in,
// entries in our readable source format out. The hand-written sources always
// win (their words are never imported) and the review file wins over the
// importer.
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "pair_sources.h"
#include "readable_tables.h"
#include "swedish_morphology.h"

namespace quelvo::limp {

struct ImportInputs {
    DictionarySet dictionaries;
    Morphology morphology;
    HandWritten handWritten;
    std::map<std::string, ReviewDecision> review;
    // Whether the translator with the hand-written words alone already finds
    // a Spanish word (a plural, a feminine, a verb form ...); such a word is
    // not imported.
    std::function<bool(const std::string&)> alreadyKnown = [](const std::string&) { return false; };
    std::set<std::string> rejected;  // Spanish lemmas found to change the translation of a known word
};

// File name ("swedish.tsv") -> its lines, header first.
using ImportedSources = std::map<std::string, std::vector<std::string>>;

struct ImportResult {
    ImportedSources sources;
    std::map<std::string, int> counts;  // "n high", "v low" ...: imported Spanish lemmas
};

ImportResult ImportLexicon(const ImportInputs& inputs);

// Writes the sources into `dir` through a fresh folder beside it, so that a
// failed import never leaves half a lexicon. Returns an error text, empty on success.
std::string WriteImportedSources(const std::string& dir, const ImportedSources& sources);

}  // namespace quelvo::limp
