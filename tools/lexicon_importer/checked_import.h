#pragma once
// The import as the build runs it: the imported entries are compiled beside
// the hand-written ones and the translator is asked about the probe words;
// an imported lemma that changes the translation of one is rejected and the
// import runs again.
#include <string>

#include "lexicon_importer.h"

namespace quelvo::limp {

struct CheckedImport {
    ImportResult result;
    int rejected = 0;
    std::string error;  // names the file; empty on success
};

// `knownData` holds the dictionary files compiled from `lexiconDir` alone;
// `workDir` receives the trial lexicons.
CheckedImport ImportChecked(ImportInputs& inputs, const std::string& lexiconDir, const std::string& knownData,
                            const std::string& workDir);

}  // namespace quelvo::limp
