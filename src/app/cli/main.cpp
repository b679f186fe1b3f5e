// quelvo: translates Spanish sentences into Swedish on the command line.
#include <CLI/CLI.hpp>

#include <iostream>
#include <string>
#include <vector>

#include "line_batch.h"
#include "quelvo/translator.h"
#include "text_mode.h"

namespace {

constexpr int kExitRejected = 1;
constexpr int kExitUsage = 2;
constexpr int kExitData = 3;

struct Options {
    std::string dataDir;
    bool tokens = false;
    std::string explain;  // "", "table" or "json"
    unsigned jobs = 0;  // 0: one worker per core
    std::vector<std::string> words;
};

std::string Join(const std::vector<std::string>& words) {
    std::string text;
    for (const auto& w : words) text += (text.empty() ? "" : " ") + w;
    return text;
}

// What became of one input, for the messages after it.
struct Outcome {
    quelvo::Rejection rejection = quelvo::Rejection::None;
    bool replacedCharacters = false;
};

Outcome PrintExplanation(const quelvo::Translator& translator, const std::string& format, const std::string& text,
                         std::ostream& out) {
    const auto result =
        translator.Explain(text, format == "json" ? quelvo::ExplainFormat::Json : quelvo::ExplainFormat::Table);
    out << result.document;
    return {result.rejection, result.replacedCharacters};
}

Outcome PrintTokens(const quelvo::Translator& translator, const std::string& text, std::ostream& out) {
    const auto result = translator.Tokens(text);
    for (std::size_t i = 0; i < result.segments.size(); ++i) {
        if (i > 0) out << '\n';
        for (const auto& token : result.segments[i]) out << token << '\n';
    }
    return {result.rejection, result.replacedCharacters};
}

Outcome PrintTranslation(const quelvo::Translator& translator, const std::string& text, std::ostream& out) {
    const auto result = translator.Translate(text);
    out << result.text << '\n';
    return {result.rejection, result.replacedCharacters};
}

// Handles one input; returns false when it was refused.
bool RunOne(const quelvo::Translator& translator, const Options& opt, const std::string& text,
            const std::string& where, std::ostream& out = std::cout, std::ostream& err = std::cerr) {
    const Outcome outcome = !opt.explain.empty() ? PrintExplanation(translator, opt.explain, text, out)
                            : opt.tokens         ? PrintTokens(translator, text, out)
                                                 : PrintTranslation(translator, text, out);
    if (outcome.replacedCharacters) {
        err << where << "characters that cannot be translated were replaced by \"_\"\n";
    }
    if (outcome.rejection != quelvo::Rejection::None) err << where << quelvo::MessageOf(outcome.rejection) << '\n';
    return outcome.rejection == quelvo::Rejection::None;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);  // buffered standard input tells how much waits to be read
    CLI::App app{"Translates Spanish sentences into Swedish, one sentence per input.", "quelvo"};
    Options opt;
    // A --data that is no directory is a data error (exit 3), said by the loader.
    app.add_option("--data", opt.dataDir, "Directory of the seven dictionary files");
    app.add_flag("--tokens", opt.tokens, "Print the tokens of each segment instead of a translation");
    // A flag, so that "--explain 'Tengo un perro.'" explains that sentence;
    // the JSON form is asked for as "--explain=json".
    app.add_flag("--explain{table}", opt.explain, "Print every stage's result (table, or json with --explain=json)")
        ->expected(0)
        ->check(CLI::IsMember({"table", "json"}));
    TextModeOptions textMode;
    app.add_option("--text", textMode.file, "Translate a whole text, from FILE or standard input")->expected(0, 1);
    app.add_option("--format", textMode.format, "Format of the --text input")->check(CLI::IsMember({"text", "html"}));
    app.add_option("--jobs", opt.jobs, "Workers translating standard input (default: one per core)");
    app.add_option("text", opt.words, "The Spanish sentence; without it, each line of standard input");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int rc = app.exit(e);
        return rc == 0 ? 0 : kExitUsage;
    }

    const auto dataDir = opt.dataDir.empty() ? quelvo::DefaultDataDir(argv[0]) : std::filesystem::path(opt.dataDir);
    auto opened = quelvo::Translator::Open(dataDir);
    if (const auto* error = std::get_if<quelvo::DataError>(&opened)) {
        std::cerr << "quelvo: " << error->Describe() << '\n';
        return kExitData;
    }
    const auto& translator = std::get<quelvo::Translator>(opened);
    for (const auto& warning : translator.Warnings()) std::cerr << "quelvo: warning: " << warning.Describe() << '\n';
    if (app.count("--text") > 0) return RunTextMode(translator, textMode);

    if (!opt.words.empty()) return RunOne(translator, opt, Join(opt.words), "") ? 0 : kExitRejected;

    const bool allTranslated = quelvo::cli::RunLines(
        std::cin, std::cout, std::cerr, opt.jobs,
        [&](const std::string& line, long lineNo, std::ostream& out, std::ostream& err) {
            return RunOne(translator, opt, line, "line " + std::to_string(lineNo) + ": ", out, err);
        });
    return allTranslated ? 0 : kExitRejected;
}
