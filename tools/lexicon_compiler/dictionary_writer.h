#pragma once
// The seven dictionary files in their exact formats: code page 1252, CR LF
// line ends, the terminators the readers stop at.
#include <string>
#include <vector>

#include "lexicon_model.h"

namespace quelvo::lexc {

struct CompiledFile {
    std::string name;  // e.g. "SpOrd.txt"
    std::string bytes;
};

std::vector<CompiledFile> WriteDictionaries(const LexiconModel& model);

}  // namespace quelvo::lexc
