#pragma once
// The Swedish entries against Apertium's morphology: the forms our codes give
// an entry beside the forms the morphology lists for its word, and the codes
// that would give the listed ones.
#include <string>
#include <vector>

#include "lexicon/lexicon.h"
#include "lexicon_model.h"
#include "swedish_morphology.h"

namespace quelvo::lchk {

struct Disagreement {
    int line;  // of the entry in its source file
    std::string word;
    std::string ourCodes;     // "n t 11", "adj 1 cmp 3", "v 2"
    std::string ourForms;     // "pris priset pris prisen"
    std::string listedForms;  // the morphology's, slot by slot: "pris priset priser priserna"
    std::string matching;     // the codes that give the listed forms, "none" when no class does
};

struct CheckResult {
    std::vector<Disagreement> disagreements;
    int reviewed = 0;                   // disagreements the review file keeps as they are
    std::vector<Disagreement> unknown;  // nouns, adjectives and verbs it does not know: our forms alone
    int checked = 0;                    // entries whose word the morphology knows
};

// The forms of the entries' words as lt-paradigm lists them with `analyser`,
// and those of the last parts of the words it does not list, through which
// it may know them as compounds ("huvudstad" through "stad"; the longest part
// it knows wins). `workDir` receives the listings; `error` names the
// analyser or the listing when they fail.
limp::Morphology ListEntryMorphology(const std::string& analyser, const std::vector<lexc::SwedishEntry>& entries,
                                     const std::string& workDir, std::string& error);

// Checks the nouns, adjectives and verbs (particle verbs by their verb);
// `lexicon` provides the irregular nouns and verbs. Texts are UTF-8.
CheckResult CheckInflections(const std::vector<lexc::SwedishEntry>& entries, const limp::Morphology& morphology,
                             const Lexicon& lexicon);

// The review file holds the disagreements looked at and kept (our entry is
// right, or the morphology is wrong): columns `word`, `codes` (our codes as
// the check writes them, "v 1"), `note`. A disagreement it names moves from
// the list to the count; one whose codes have changed since stays.
void DropReviewed(CheckResult& result, const std::string& reviewText);

}  // namespace quelvo::lchk
