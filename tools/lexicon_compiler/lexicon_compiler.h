#pragma once
// The lexicon compiler: readable sources in, the seven dictionary files out.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "dictionary_writer.h"

namespace quelvo::lexc {

// Source file name ("spanish.tsv") -> its UTF-8 text. A file not in the set
// is treated as a source without records.
using SourceSet = std::map<std::string, std::string>;

struct CompileResult {
    std::vector<Diagnostic> diagnostics;
    std::vector<CompiledFile> files;  // empty when there were errors
};

// `imported` holds the entries of the lexicon importer: each file is read
// after its hand-written namesake, so that references may point back at it.
CompileResult CompileLexicon(const SourceSet& sources, const SourceSet& imported = {});

// Every "*.tsv" file of `dir`; a name that is not a known source is an error.
SourceSet ReadSourceDirectory(const std::filesystem::path& dir, Diagnostics& diagnostics);

// Writes the files into `dir` (created when missing). Returns an error text,
// empty on success.
std::string WriteOutputDirectory(const std::filesystem::path& dir, const std::vector<CompiledFile>& files);

}  // namespace quelvo::lexc
