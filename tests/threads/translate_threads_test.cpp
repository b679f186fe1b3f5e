// Work on several threads at once: one Translator shared by eight threads,
// and the command line's pool of line workers. Run under ThreadSanitizer too.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "line_batch.h"
#include "quelvo/translator.h"

namespace quelvo {
namespace {

constexpr int kThreads = 8;
constexpr int kRounds = 4;

std::vector<std::string> CorpusSpanish() {
    std::ifstream in(QUELVO_CORPUS);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line.substr(0, line.find('\t')));
    return lines;
}

std::vector<std::string> TranslateAll(const Translator& translator, const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const auto& line : lines) out.push_back(translator.Translate(line).text);
    return out;
}

TEST(TranslateThreads, EightThreadsGiveTheOneThreadLines) {
    const auto lines = CorpusSpanish();
    if (lines.empty()) GTEST_SKIP() << "no corpus at " << QUELVO_CORPUS;
    auto opened = Translator::Open(QUELVO_BUILD_DATA);
    ASSERT_TRUE(std::holds_alternative<Translator>(opened));
    const auto& translator = std::get<Translator>(opened);
    const auto expected = TranslateAll(translator, lines);

    std::vector<std::vector<std::vector<std::string>>> results(kThreads);
    std::vector<std::thread> threads;
    for (auto& mine : results) {
        threads.emplace_back([&] {
            for (int round = 0; round < kRounds; ++round) mine.push_back(TranslateAll(translator, lines));
        });
    }
    for (auto& t : threads) t.join();
    for (const auto& mine : results) {
        for (const auto& round : mine) EXPECT_EQ(round, expected);
    }
}

}  // namespace
}  // namespace quelvo

namespace quelvo::cli {
namespace {

// Lines handled on four workers come out in input order, refusals included.
TEST(LineBatch, FourWorkersKeepTheInputOrder) {
    constexpr long kLines = 3000;
    constexpr long kRefusedEvery = 7;
    std::string input, expectedOut, expectedErr;
    for (long n = 1; n <= kLines; ++n) {
        input += std::to_string(n * n) + "\n";
        expectedOut += std::to_string(n * n) + "!\n";
        if (n % kRefusedEvery == 0) expectedErr += std::to_string(n) + "\n";
    }
    std::istringstream in(input);
    std::ostringstream out, err;
    const bool all = RunLines(in, out, err, 4, [](const std::string& line, long lineNo, std::ostream& o, std::ostream& e) {
        o << line << "!\n";
        if (lineNo % kRefusedEvery == 0) e << lineNo << "\n";
        return lineNo % kRefusedEvery != 0;
    });
    EXPECT_FALSE(all);
    EXPECT_EQ(out.str(), expectedOut);
    EXPECT_EQ(err.str(), expectedErr);
}

}  // namespace
}  // namespace quelvo::cli
