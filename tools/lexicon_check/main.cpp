// quelvo_lexicon_check: compares the forms the translator gives the Swedish
// nouns, adjectives and verbs of the readable sources with the forms of
// Apertium's Swedish morphology and prints every entry where they differ,
// with the codes that would give the morphology's forms. Exit status 1 when
// the sources do not compile or the morphology cannot be listed.
#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>

#include "builder_steps.h"
#include "inflection_check.h"
#include "lexicon_compiler.h"
#include "import_text.h"

namespace {

using namespace quelvo;
namespace fs = std::filesystem;

constexpr std::string_view kEntriesFile = "swedish.tsv";

int Fail(const std::string& error) {
    std::cerr << error << '\n';
    return 1;
}

// The sources compiled into `dir` and loaded as the translator loads them.
std::shared_ptr<const Lexicon> CompiledLexicon(const lexc::SourceSet& sources, const lexc::SourceSet& imported,
                                               const fs::path& dir, std::string& error) {
    const lexc::CompileResult compiled = lexc::CompileLexicon(sources, imported);
    for (const lexc::Diagnostic& d : compiled.diagnostics)
        if (d.severity == lexc::Severity::Error) error = d.Describe();
    if (compiled.files.empty()) return nullptr;
    if (error = lexc::WriteOutputDirectory(dir, compiled.files); !error.empty()) return nullptr;
    auto loaded = Lexicon::Load(dir);
    if (auto* failure = std::get_if<DataError>(&loaded)) {
        error = failure->Describe();
        return nullptr;
    }
    return std::get<std::shared_ptr<const Lexicon>>(loaded);
}

std::vector<lexc::SwedishEntry> EntriesOf(const lexc::SourceSet& sources) {
    lexc::LexiconModel model;
    lexc::Diagnostics ignored;  // the compilation has reported them
    if (const auto it = sources.find(std::string(kEntriesFile)); it != sources.end())
        lexc::ReadSwedishEntries(it->second, model, ignored);
    return model.entries;
}

void Report(const std::string& file, const lchk::CheckResult& result, bool withUnknown) {
    for (const lchk::Disagreement& d : result.disagreements)
        std::cout << file << ':' << d.line << '\t' << d.word << "\tours " << d.ourCodes << ": " << d.ourForms
                  << "\tapertium: " << d.listedForms << "\tmatches " << d.matching << '\n';
    if (withUnknown)
        for (const lchk::Disagreement& d : result.unknown)
            std::cout << file << ':' << d.line << '\t' << d.word << "\tours " << d.ourCodes << ": " << d.ourForms
                      << "\tunknown to apertium\n";
    std::cout << file << ": " << result.checked << " entries checked, " << result.unknown.size()
              << " unknown to the morphology, " << result.disagreements.size() << " disagree, " << result.reviewed
              << " more reviewed and kept\n";
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Checks the inflection of the Swedish entries against Apertium's morphology"};
    std::string lexiconDir, importedDir, workDir = (fs::temp_directory_path() / "quelvo-lexicon-check").string();
    std::string analyser = QUELVO_SWEDISH_ANALYSER;
    app.add_option("--lexicon", lexiconDir, "folder of the hand-written sources")->required();
    app.add_option("--imported", importedDir, "folder of the imported sources, checked as well");
    app.add_option("--analyser", analyser, "the compiled Swedish analyser (swe-nob.automorf.bin)");
    app.add_option("--work", workDir, "folder for the compiled lexicon and the listings");
    std::string reviewFile;
    app.add_option("--review", reviewFile, "the disagreements of the hand-written entries looked at and kept");
    bool withUnknown = false;
    app.add_flag("--unknown", withUnknown, "also print our forms of the words the morphology does not know");
    CLI11_PARSE(app, argc, argv);

    lexc::Diagnostics problems;
    const lexc::SourceSet sources = lexc::ReadSourceDirectory(lexiconDir, problems);
    const lexc::SourceSet imported =
        importedDir.empty() ? lexc::SourceSet{} : lexc::ReadSourceDirectory(importedDir, problems);
    if (!problems.All().empty()) return Fail(problems.All().front().Describe());
    std::string error;
    fs::create_directories(workDir);
    const std::shared_ptr<const Lexicon> lexicon =
        CompiledLexicon(sources, imported, fs::path(workDir) / "data", error);
    if (!lexicon) return Fail(error);

    const std::vector<lexc::SwedishEntry> handWritten = EntriesOf(sources), importedEntries = EntriesOf(imported);
    std::vector<lexc::SwedishEntry> all = handWritten;
    all.insert(all.end(), importedEntries.begin(), importedEntries.end());
    const limp::Morphology morphology = lchk::ListEntryMorphology(analyser, all, workDir, error);
    const std::string review = reviewFile.empty() ? std::string() : limp::ReadWholeFile(reviewFile, error);
    if (!error.empty()) return Fail(error);

    lchk::CheckResult handWrittenResult = lchk::CheckInflections(handWritten, morphology, *lexicon);
    lchk::DropReviewed(handWrittenResult, review);
    Report((fs::path(lexiconDir) / kEntriesFile).string(), handWrittenResult, withUnknown);
    if (!importedDir.empty())
        Report((fs::path(importedDir) / kEntriesFile).string(),
               lchk::CheckInflections(importedEntries, morphology, *lexicon), withUnknown);
    return 0;
}
