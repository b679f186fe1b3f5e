// quelvo_lexicon_importer: reads Debian's bilingual dictionaries and the
// Swedish morphology and writes imported entries in the readable source
// format. Exit status 1 when a source is missing or damaged (nothing is written).
#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>

#include "checked_import.h"
#include "import_text.h"
#include "morphology_listing.h"

namespace {

using namespace quelvo::limp;

constexpr std::string_view kDictionaryNames[] = {"swe-spa", "spa-deu", "deu-spa", "deu-swe", "swe-deu",
                                                 "fra-spa", "fra-swe", "ita-spa", "ita-swe", "spa-eng",
                                                 "eng-spa", "eng-swe", "swe-eng"};
constexpr std::string_view kDirectName = "swe-spa";

int Fail(const std::string& error) {
    std::cerr << error << '\n';
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Imports Spanish-Swedish entries from Debian's dictionaries"};
    std::string dictDir = "/usr/share/dictd", analyser, listingFile, lexiconDir, reviewFile, outputDir;
    app.add_option("--dictionaries", dictDir, "folder of the freedict .index and .dict.dz files");
    app.add_option("--analyser", analyser, "the compiled Swedish analyser (swe-nob.automorf.bin)");
    app.add_option("--listing", listingFile, "a morphology listing to read instead of running lt-paradigm");
    app.add_option("--lexicon", lexiconDir, "folder of the hand-written sources")->required();
    app.add_option("--review", reviewFile, "the review file of our decisions");
    std::string knownData;
    app.add_option("--known", knownData, "the dictionary files compiled from the hand-written sources alone")
        ->required();
    app.add_option("output", outputDir, "folder to write the imported sources to")->required();
    CLI11_PARSE(app, argc, argv);

    ImportInputs inputs;
    for (const std::string_view name : kDictionaryNames) {
        const std::string base = dictDir + "/freedict-" + std::string(name);
        if (name != kDirectName && !std::filesystem::exists(base + ".index")) continue;
        DictionaryRead read = ReadDictionary(base);
        if (!read.error.empty()) return Fail(read.error);
        inputs.dictionaries[std::string(name)] = std::move(read.articles);
    }
    std::string error;
    const std::string workDir = outputDir + ".work";
    std::filesystem::create_directories(workDir);
    const std::string listing = listingFile.empty()
                                    ? ListMorphology(analyser, SwedishWordsOf(inputs.dictionaries), workDir, error)
                                    : ReadWholeFile(listingFile, error);
    if (!error.empty()) return Fail(error);
    inputs.morphology = ParseMorphologyListing(listingFile.empty() ? analyser : listingFile, listing);
    if (!inputs.morphology.error.empty()) return Fail(inputs.morphology.error);
    inputs.handWritten = ReadHandWritten(lexiconDir, error);
    if (!reviewFile.empty()) inputs.review = ReadReview(reviewFile, error);
    if (!error.empty()) return Fail(error);

    const CheckedImport checked = ImportChecked(inputs, lexiconDir, knownData, workDir);
    if (!checked.error.empty()) return Fail(checked.error);
    if (const std::string written = WriteImportedSources(outputDir, checked.result.sources); !written.empty())
        return Fail(written);
    for (const auto& [what, count] : checked.result.counts) std::cout << "imported " << what << ": " << count << '\n';
    std::cout << "rejected as changing a known word: " << checked.rejected << '\n';
    return 0;
}
