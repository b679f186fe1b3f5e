// quelvo_lexicon_compiler SOURCES OUTPUT [--imported DIR]: checks the readable lexicon sources
// and writes the seven dictionary files. Exit status 1 when a source has an
// error (nothing is written), 2 when the output cannot be written.
#include <CLI/CLI.hpp>

#include <iostream>

#include "lexicon_compiler.h"

int main(int argc, char** argv) {
    CLI::App app{"Compiles the readable lexicon sources into the dictionary files"};
    std::string sourceDir;
    std::string outputDir;
    app.add_option("sources", sourceDir, "folder of the .tsv sources")->required()->check(CLI::ExistingDirectory);
    app.add_option("output", outputDir, "folder to write the dictionary files to")->required();
    std::string importedDir;
    app.add_option("--imported", importedDir, "folder of imported sources, read after the hand-written ones");
    CLI11_PARSE(app, argc, argv);

    using namespace quelvo::lexc;
    Diagnostics readProblems;
    const SourceSet sources = ReadSourceDirectory(sourceDir, readProblems);
    const SourceSet imported = importedDir.empty() ? SourceSet{} : ReadSourceDirectory(importedDir, readProblems);
    const CompileResult result = CompileLexicon(sources, imported);
    for (const Diagnostic& d : readProblems.All()) std::cerr << d.Describe() << '\n';
    for (const Diagnostic& d : result.diagnostics) std::cerr << d.Describe() << '\n';
    if (readProblems.HasErrors() || result.files.empty()) return 1;
    if (const std::string error = WriteOutputDirectory(outputDir, result.files); !error.empty()) {
        std::cerr << error << '\n';
        return 2;
    }
    return 0;
}
