// quelvo: translates Spanish sentences into Swedish on the command line.
#include <CLI/CLI.hpp>

#include <iostream>
#include <string>
#include <vector>

#include "quelvo/translator.h"

namespace {

constexpr int kExitRejected = 1;
constexpr int kExitUsage = 2;
constexpr int kExitData = 3;

struct Options {
    std::string dataDir;
    bool tokens = false;
    std::string explain;  // "", "table" or "json"
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

Outcome PrintExplanation(const quelvo::Translator& translator, const std::string& format, const std::string& text) {
    const auto result =
        translator.Explain(text, format == "json" ? quelvo::ExplainFormat::Json : quelvo::ExplainFormat::Table);
    std::cout << result.document;
    return {result.rejection, result.replacedCharacters};
}

Outcome PrintTokens(const quelvo::Translator& translator, const std::string& text) {
    const auto result = translator.Tokens(text);
    for (std::size_t i = 0; i < result.segments.size(); ++i) {
        if (i > 0) std::cout << '\n';
        for (const auto& token : result.segments[i]) std::cout << token << '\n';
    }
    return {result.rejection, result.replacedCharacters};
}

Outcome PrintTranslation(const quelvo::Translator& translator, const std::string& text) {
    const auto result = translator.Translate(text);
    std::cout << result.text << '\n';
    return {result.rejection, result.replacedCharacters};
}

// Handles one input; returns false when it was refused.
bool RunOne(const quelvo::Translator& translator, const Options& opt, const std::string& text,
            const std::string& where) {
    const Outcome outcome = !opt.explain.empty() ? PrintExplanation(translator, opt.explain, text)
                            : opt.tokens         ? PrintTokens(translator, text)
                                                 : PrintTranslation(translator, text);
    if (outcome.replacedCharacters) {
        std::cerr << where << "characters that cannot be translated were replaced by \"_\"\n";
    }
    if (outcome.rejection != quelvo::Rejection::None) std::cerr << where << quelvo::MessageOf(outcome.rejection) << '\n';
    return outcome.rejection == quelvo::Rejection::None;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Translates Spanish sentences into Swedish, one sentence per input.", "quelvo"};
    Options opt;
    app.add_option("--data", opt.dataDir, "Directory of the seven dictionary files")->check(CLI::ExistingDirectory);
    app.add_flag("--tokens", opt.tokens, "Print the tokens of each segment instead of a translation");
    // A flag, so that "--explain 'Tengo un perro.'" explains that sentence;
    // the JSON form is asked for as "--explain=json".
    app.add_flag("--explain{table}", opt.explain, "Print every stage's result (table, or json with --explain=json)")
        ->expected(0)
        ->check(CLI::IsMember({"table", "json"}));
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

    if (!opt.words.empty()) return RunOne(translator, opt, Join(opt.words), "") ? 0 : kExitRejected;

    bool allTranslated = true;
    std::string line;
    for (long lineNo = 1; std::getline(std::cin, line); ++lineNo) {
        if (!RunOne(translator, opt, line, "line " + std::to_string(lineNo) + ": ")) allTranslated = false;
    }
    return allTranslated ? 0 : kExitRejected;
}
