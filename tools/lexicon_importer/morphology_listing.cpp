#include "morphology_listing.h"

#include <cstdlib>
#include <fstream>

#include "import_text.h"

namespace quelvo::limp {
namespace {

// Patterns match the analyses ("hund<*>"), the right side of the analyser.
constexpr std::string_view kListingOptions = "-a";

}  // namespace

std::string ListMorphology(const std::string& analyser, const std::vector<std::string>& words,
                           const std::string& workDir, std::string& error) {
    const std::string patterns = workDir + "/swedish_words.txt", listing = workDir + "/swedish_forms.txt";
    std::ofstream out(patterns, std::ios::trunc);
    for (const std::string& w : words) out << w << "<*>\n";
    out.close();
    const std::string command =
        "lt-paradigm " + std::string(kListingOptions) + " '" + analyser + "' '" + patterns + "' '" + listing + "'";
    if (!out || std::system(command.c_str()) != 0) {
        error = analyser + ": lt-paradigm could not list the morphology";
        return {};
    }
    return ReadWholeFile(listing, error);
}

}  // namespace quelvo::limp
