#pragma once
// Runs lt-paradigm over the compiled Swedish analyser for a list of words and
// returns its listing, every form of each word a line.
#include <string>
#include <vector>

namespace quelvo::limp {

// `workDir` receives the pattern and listing files; `error` names the
// analyser when lt-paradigm fails.
std::string ListMorphology(const std::string& analyser, const std::vector<std::string>& words,
                           const std::string& workDir, std::string& error);

}  // namespace quelvo::limp
