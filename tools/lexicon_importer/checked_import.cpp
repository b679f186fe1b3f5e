#include "checked_import.h"

#include <map>
#include <optional>
#include <sstream>

#include "import_probes.h"
#include "import_text.h"
#include "lexicon_compiler.h"
#include "quelvo/translator.h"

namespace quelvo::limp {
namespace {

// Each round rejects the lemmas that took a word over; the rejections of one
// round seldom uncover another.
constexpr int kMaxRounds = 3;
constexpr std::string_view kUnknownMark = "< ";
// After "y" an unknown word is marked rather than taken as a name.
const std::string kLead = "y ";

std::optional<Translator> OpenTranslator(const std::string& dir, std::string& error) {
    auto opened = Translator::Open(dir);
    if (auto* failure = std::get_if<DataError>(&opened)) {
        error = failure->Describe();
        return std::nullopt;
    }
    return std::move(std::get<Translator>(opened));
}

// A probe in the place where it is looked up: a name first in the sentence
// (where it is also looked up in lower case), any other word after "y".
std::string ProbeSentence(const std::string& probe) { return probe == LowerCase(probe) ? kLead + probe : probe; }

// The dictionary form the translator read the probe as: the SpWord column of
// the probe's row in the explanation table.
std::string ReadAs(const Translator& t, const std::string& probe) {
    std::istringstream table(t.Explain(ProbeSentence(probe), ExplainFormat::Table).document);
    std::string line;
    while (std::getline(table, line) && !line.starts_with("SpText")) {
    }
    while (std::getline(table, line)) {
        std::istringstream row(line);
        std::string spText, spWord;
        row >> spText >> spWord;
        if (LowerCase(spText) == LowerCase(probe)) return spWord;
    }
    return {};
}

// Compiles the hand-written and the imported sources into `dataDir`.
std::string CompileTrial(const std::string& lexiconDir, const std::string& importedDir, const std::string& dataDir) {
    lexc::Diagnostics problems;
    const lexc::SourceSet sources = lexc::ReadSourceDirectory(lexiconDir, problems);
    const lexc::SourceSet imported = lexc::ReadSourceDirectory(importedDir, problems);
    const lexc::CompileResult compiled = lexc::CompileLexicon(sources, imported);
    for (const lexc::Diagnostic& d : compiled.diagnostics)
        if (d.severity == lexc::Severity::Error) return d.Describe();
    if (problems.HasErrors() || compiled.files.empty()) return importedDir + ": the imported sources do not compile";
    return lexc::WriteOutputDirectory(dataDir, compiled.files);
}

}  // namespace

CheckedImport ImportChecked(ImportInputs& inputs, const std::string& lexiconDir, const std::string& knownData,
                            const std::string& workDir) {
    CheckedImport checked;
    const std::optional<Translator> known = OpenTranslator(knownData, checked.error);
    if (!known) return checked;
    inputs.alreadyKnown = [&](const std::string& spanish) {
        return known->Translate(kLead + spanish).text.find(kUnknownMark) == std::string::npos;
    };
    std::map<std::string, std::string> before;
    for (const std::string& probe : ProbeWords(inputs.handWritten, SpanishNamesOf(inputs.dictionaries)))
        before[probe] = known->Translate(ProbeSentence(probe)).text;
    const std::string trialSources = workDir + "/trial", trialData = workDir + "/trial-data";
    for (int round = 0; round < kMaxRounds; ++round) {
        checked.result = ImportLexicon(inputs);
        checked.error = WriteImportedSources(trialSources, checked.result.sources);
        if (checked.error.empty()) checked.error = CompileTrial(lexiconDir, trialSources, trialData);
        const std::optional<Translator> trial =
            checked.error.empty() ? OpenTranslator(trialData, checked.error) : std::nullopt;
        if (!trial) return checked;
        const int rejectedBefore = checked.rejected;
        for (const auto& [probe, text] : before) {
            if (trial->Translate(ProbeSentence(probe)).text == text) continue;
            const std::string culprit = ReadAs(*trial, probe);
            if (!inputs.handWritten.spanishForms.contains(culprit) && inputs.rejected.insert(culprit).second)
                ++checked.rejected;
        }
        if (checked.rejected == rejectedBefore) return checked;
    }
    checked.result = ImportLexicon(inputs);
    return checked;
}

}  // namespace quelvo::limp
