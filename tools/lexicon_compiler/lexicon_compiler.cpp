#include "lexicon_compiler.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "builder_steps.h"
#include "dictionary_files.h"

namespace quelvo::lexc {
namespace {

using ReadStep = void (*)(std::string_view, LexiconModel&, Diagnostics&);

struct SourceStep {
    DictionaryFile file;
    ReadStep read;
};

// In this order: references point back at what earlier steps read.
constexpr SourceStep kSteps[] = {
    {kSwedishFile, ReadSwedishEntries},       {kSpanishFile, ReadSpanishForms},
    {kFormEntryFile, ReadFormEntries},        {kPhraseFile, ReadPhrases},
    {kVerbFormFile, ReadVerbForms},           {kIrregularVerbFile, ReadIrregularVerbs},
    {kIrregularNounFile, ReadIrregularNouns},
};

bool IsSourceName(const std::string& name) {
    return std::ranges::any_of(kDictionaryFiles, [&](const DictionaryFile& f) { return f.source == name; });
}

}  // namespace

CompileResult CompileLexicon(const SourceSet& sources, const SourceSet& imported) {
    Diagnostics diagnostics;
    LexiconModel model;
    for (const SourceStep& step : kSteps)
        for (const SourceSet* set : {&sources, &imported})
            if (const auto it = set->find(std::string(step.file.source)); it != set->end())
                step.read(it->second, model, diagnostics);
    CheckAcrossFiles(model, diagnostics);
    CompileResult result{diagnostics.All(), {}};
    if (!diagnostics.HasErrors()) result.files = WriteDictionaries(model);
    return result;
}

SourceSet ReadSourceDirectory(const std::filesystem::path& dir, Diagnostics& diagnostics) {
    SourceSet sources;
    std::error_code ec;
    std::filesystem::directory_iterator it(dir, ec);
    if (ec) {
        diagnostics.Error(dir.string(), 0, "cannot read the folder: " + ec.message());
        return sources;
    }
    for (const auto& entry : it) {
        if (entry.path().extension() != ".tsv") continue;
        const std::string name = entry.path().filename().string();
        if (!IsSourceName(name)) {
            diagnostics.Error(name, 0, "not a lexicon source file");
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        if (!in) {
            diagnostics.Error(name, 0, "cannot be read");
            continue;
        }
        sources[name] = text.str();
    }
    return sources;
}

std::string WriteOutputDirectory(const std::filesystem::path& dir, const std::vector<CompiledFile>& files) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) return dir.string() + ": " + ec.message();
    for (const CompiledFile& file : files) {
        const std::filesystem::path path = dir / file.name;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
        if (!out) return path.string() + ": cannot be written";
    }
    return {};
}

}  // namespace quelvo::lexc
