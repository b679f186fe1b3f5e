// A refused input is reported by --explain as by a translation: in the
// document, in the result and, on the command line, on standard error with
// exit status 1.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "core/translation_state.h"
#include "quelvo/translator.h"

namespace quelvo {
namespace {

constexpr int kExitRefused = 1;

const Translator& FixtureTranslator() {
    static const auto translator = [] {
        auto opened = Translator::Open(std::string(QUELVO_FIXTURES) + "/analysis");
        return std::make_unique<Translator>(std::get<Translator>(std::move(opened)));
    }();
    return *translator;
}

std::string TooManyWords() {
    std::string text;
    for (int i = 0; i <= kMaxSegmentWords; ++i) text += "perro ";
    return text + "casa.";
}

struct RefusalCase {
    const char* name;
    std::string text;
    Rejection rejection;
};

std::string ReadAll(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class ExplainRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(ExplainRefusal, IsReportedLikeATranslation) {
    const RefusalCase& c = GetParam();
    const auto json = FixtureTranslator().Explain(c.text, ExplainFormat::Json);
    const auto table = FixtureTranslator().Explain(c.text, ExplainFormat::Table);
    EXPECT_EQ(json.rejection, FixtureTranslator().Translate(c.text).rejection);
    EXPECT_EQ(json.rejection, c.rejection);
    EXPECT_EQ(table.rejection, c.rejection);
    const auto document = nlohmann::json::parse(json.document);
    const std::string message(MessageOf(c.rejection));
    EXPECT_EQ(document.value("rejection", ""), message);
    EXPECT_EQ(table.document.find("Refused: " + message) != std::string::npos, c.rejection != Rejection::None);

    const auto dir = std::filesystem::path(testing::TempDir());
    // Named by case: the shards of the test run side by side.
    const auto input = dir / ("explain_refusal_in_" + std::string(c.name) + ".txt");
    const auto errors = dir / ("explain_refusal_err_" + std::string(c.name) + ".txt");
    std::ofstream(input) << c.text << '\n';
    const std::string command = std::string(QUELVO_CLI) + " --data " + QUELVO_FIXTURES + "/analysis --explain=json < '" +
                                input.string() + "' > /dev/null 2> '" + errors.string() + "'";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), c.rejection == Rejection::None ? 0 : kExitRefused);
    EXPECT_EQ(ReadAll(errors), c.rejection == Rejection::None ? "" : "line 1: " + message + "\n");
}

INSTANTIATE_TEST_SUITE_P(Inputs, ExplainRefusal,
                         testing::Values(RefusalCase{"empty", "", Rejection::EmptyText},
                                         RefusalCase{"two_sentences", "Perro. Casa.", Rejection::SeveralSentences},
                                         RefusalCase{"too_many_words", TooManyWords(), Rejection::TooManyWords},
                                         RefusalCase{"accepted", "La puerta abierta.", Rejection::None}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quelvo
