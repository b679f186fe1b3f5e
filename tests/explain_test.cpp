#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <set>
#include <sstream>

#include <nlohmann/json.hpp>

#include "quelvo/translator.h"

namespace quelvo {
namespace {

const Translator& AnalysisTranslator() {
    static const auto translator = [] {
        auto opened = Translator::Open(std::string(QUELVO_FIXTURES) + "/analysis");
        return std::make_unique<Translator>(std::get<Translator>(std::move(opened)));
    }();
    return *translator;
}

nlohmann::json ExplainJson(const std::string& text) {
    return nlohmann::json::parse(AnalysisTranslator().Explain(text, ExplainFormat::Json).document);
}

TEST(ExplainJson, HasOneEntryPerSegmentWithItsSections) {
    const auto doc = ExplainJson("Perro: casa.");
    ASSERT_EQ(doc.at("segments").size(), 2U);
    for (const auto& segment : doc.at("segments")) {
        EXPECT_TRUE(segment.at("words").is_array());
        EXPECT_EQ(segment.at("phrases").size(), 2U);  // the noun phrase and the segment's mark
        EXPECT_EQ(segment.at("clauses").at("ClauseCount"), 1);
        EXPECT_EQ(segment.at("output").size(), 1U);
    }
    EXPECT_EQ(doc["segments"][1]["words"][0]["SpWord"], "casa");
}

TEST(ExplainJson, EveryWordHasEveryField) {
    const auto doc = ExplainJson("El perro.");
    const std::set<std::string> expected = {
        "SpText",  "SpWord",  "SvWord",  "SvForm",  "SvKey",    "SpCode1",  "SpCode2", "SpCode3",
        "SpClass", "SvCode1", "SvCode2", "SvCode3", "SvCode4",  "SvClass",  "FormCode", "PersonNo",
        "ClassTag", "DefMark", "Gender", "Known",   "WordTag",  "WordClassText"};
    for (const auto& word : doc["segments"][0]["words"]) {
        std::set<std::string> keys;
        for (const auto& item : word.items()) keys.insert(item.key());
        EXPECT_EQ(keys, expected);
    }
}

TEST(ExplainJson, WordsAsTheyStandAfterTheSentencePasses) {
    const auto doc = ExplainJson("Él ha dicho.");
    const auto& dicho = doc["segments"][0]["words"][2];
    EXPECT_EQ(dicho["SpText"], "dicho");
    EXPECT_EQ(dicho["SvWord"], "sagt");
    EXPECT_EQ(dicho["WordTag"], "vi");
    EXPECT_EQ(dicho["SpClass"], 23);
    EXPECT_EQ(dicho["PersonNo"], 3);
    const auto& el = doc["segments"][0]["words"][0];
    EXPECT_EQ(el["SpWord"], "él");
    EXPECT_EQ(el["WordClassText"], "ppsu");
    EXPECT_EQ(el["SvCode1"], 10);
}

TEST(ExplainJson, CharactersAreStrings) {
    const auto doc = ExplainJson("Perro xyzq.");
    const auto& words = doc["segments"][0]["words"];
    EXPECT_EQ(words[0]["DefMark"], " ");
    EXPECT_EQ(words[0]["Gender"], "n");
    EXPECT_EQ(words[0]["Known"], 1);
    EXPECT_EQ(words[1]["Known"], 0);
    EXPECT_EQ(words[1]["SvWord"], "< xyzq >");
    EXPECT_EQ(words[1]["SvKey"], "");
}

TEST(ExplainJson, RefusedTextHasNoSegments) {
    EXPECT_EQ(ExplainJson("")["segments"], nlohmann::json::array());
}

// The display column at which `text` starts in `line`, counting characters.
std::size_t ColumnOf(const std::string& line, const std::string& text) {
    const auto at = line.find(text);
    if (at == std::string::npos) return std::string::npos;
    std::size_t column = 0;
    for (std::size_t i = 0; i < at; ++i)
        if ((static_cast<unsigned char>(line[i]) & 0xC0) != 0x80) ++column;
    return column;
}

TEST(ExplainTable, AlignsTheColumnsForAPerson) {
    const std::string table = AnalysisTranslator().Explain("Él ha dicho rápidamente.", ExplainFormat::Table).document;
    std::istringstream in(table);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    ASSERT_GE(lines.size(), 8U);
    EXPECT_EQ(lines[0], "Segment 1");
    EXPECT_EQ(lines[2], "Words");
    const std::string& header = lines[3];
    EXPECT_EQ(header.rfind("SpText", 0), 0U);
    EXPECT_EQ(ColumnOf(lines[4], "han"), ColumnOf(header, "SvWord"));
    EXPECT_EQ(ColumnOf(lines[6], "sagt"), ColumnOf(header, "SvWord"));
    EXPECT_EQ(ColumnOf(lines[7], "snabbt"), ColumnOf(header, "SvWord"));
    EXPECT_EQ(ColumnOf(lines[6], "vi"), ColumnOf(header, "WordTag"));
}

// What the command line program prints, standard error included, for `options`
// followed by the sentence.
std::string RunCli(const std::string& options) {
    const std::string command = std::string(QUELVO_CLI) + " --data " + QUELVO_FIXTURES + "/analysis " + options +
                                " \"La puerta abierta.\" 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    if (pipe == nullptr) return out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) out.append(buffer, n);
    return out;
}

TEST(ExplainCli, PrintsOneJsonDocument) {
    const auto doc = nlohmann::json::parse(RunCli("--explain=json"));
    EXPECT_EQ(doc["segments"][0]["words"][2]["WordTag"], "vadj");
}

// "--explain" before the sentence is a flag: the sentence is explained as a table.
TEST(ExplainCli, TakesTheSentenceAfterTheFlag) {
    const std::string out = RunCli("--explain");
    EXPECT_NE(out.find("abierta"), std::string::npos) << out;
    EXPECT_EQ(out.find("not in"), std::string::npos) << out;
}

}  // namespace
}  // namespace quelvo
