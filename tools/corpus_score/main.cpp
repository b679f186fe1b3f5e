// quelvo-score: translates a tab-separated corpus (spanish<TAB>swedish[<TAB>tags])
// and reports exact lines, chrF and unknown words; fails below recorded floors.
#include <CLI/CLI.hpp>

#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <map>

#include "chrf.h"
#include "quelvo/translator.h"

namespace {

constexpr int kExitBelowFloor = 1;
constexpr int kExitSkipped = 77;  // no corpus here: CTest counts the test as skipped

struct Scores {
    int lines = 0;
    int exact = 0;
    quelvo::scoring::NgramStats ngrams;
    quelvo::scoring::UnknownCount unknown;

    double ExactShare() const { return lines ? 100.0 * exact / lines : 0; }
    double UnknownShare() const { return unknown.words ? 100.0 * unknown.unknown / unknown.words : 0; }
};

// Floors are "name value" lines: exact and chrf at least, unknown at most.
std::map<std::string, double> ReadFloors(const std::string& path) {
    std::map<std::string, double> floors;
    std::ifstream in(path);
    std::string name;
    double value = 0;
    while (in >> name >> value) floors[name] = value;
    return floors;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Scores the translator on a Spanish-Swedish corpus.", "quelvo-score"};
    std::string corpus, dataDir, floorFile;
    bool showLines = false;
    app.add_option("corpus", corpus, "Tab-separated corpus")->required();
    app.add_option("--data", dataDir, "Directory of the seven dictionary files");
    app.add_option("--floor", floorFile, "File of minimum scores; exit 1 when one is not reached");
    app.add_flag("--lines", showLines, "Print every translation that differs from its reference");
    CLI11_PARSE(app, argc, argv);

    std::ifstream in(corpus);
    if (!in) {
        std::cout << "no corpus at " << corpus << ", nothing scored\n";
        return kExitSkipped;
    }
    const auto dir = dataDir.empty() ? quelvo::DefaultDataDir(argv[0]) : std::filesystem::path(dataDir);
    auto opened = quelvo::Translator::Open(dir);
    if (const auto* error = std::get_if<quelvo::DataError>(&opened)) {
        std::cerr << "quelvo-score: " << error->Describe() << '\n';
        return 3;
    }
    const auto& translator = std::get<quelvo::Translator>(opened);

    Scores scores;
    std::string line;
    while (std::getline(in, line)) {
        const auto tab = line.find('\t');
        if (tab == std::string::npos) continue;
        const std::string spanish = line.substr(0, tab);
        const std::string rest = line.substr(tab + 1);
        const std::string reference = quelvo::scoring::Normalised(rest.substr(0, rest.find('\t')));
        const auto translation = translator.Translate(spanish);
        const std::string hypothesis = quelvo::scoring::Normalised(translation.text);
        ++scores.lines;
        if (hypothesis == reference) ++scores.exact;
        else if (showLines) std::cout << spanish << "\n  got:  " << hypothesis << "\n  want: " << reference << '\n';
        scores.ngrams.Add(quelvo::scoring::CompareCharacters(hypothesis, reference));
        const auto unknown = quelvo::scoring::CountUnknownWords(translation.text);
        scores.unknown.unknown += unknown.unknown;
        scores.unknown.words += unknown.words;
    }
    const double chrf = quelvo::scoring::ChrF(scores.ngrams);
    std::cout << std::fixed << std::setprecision(1) << "lines " << scores.lines << ", exact "
              << scores.ExactShare() << "%, chrF " << chrf << ", unknown words " << scores.UnknownShare() << "%\n";

    if (floorFile.empty()) return 0;
    bool ok = true;
    for (const auto& [name, floor] : ReadFloors(floorFile)) {
        const bool reached = name == "exact"     ? scores.ExactShare() >= floor
                             : name == "chrf"    ? chrf >= floor
                             : name == "unknown" ? scores.UnknownShare() <= floor
                                                 : true;
        if (!reached) {
            std::cout << "below the floor: " << name << " " << floor << '\n';
            ok = false;
        }
    }
    return ok ? 0 : kExitBelowFloor;
}
