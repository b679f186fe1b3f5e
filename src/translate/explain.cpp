#include "translate/explain.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "core/text_codec.h"
#include "grammar/grammar_dump.h"

namespace quelvo {
namespace {

std::string Text(std::string_view cp1252) { return ToUtf8(cp1252); }

// A single-character field: "" for NUL.
std::string CharText(char c) { return c == '\0' ? std::string() : ToUtf8(std::string_view(&c, 1)); }

// The word columns in the order a person reads them.
constexpr std::array<std::string_view, 22> kWordColumns = {
    "SpText",   "SpWord",  "SvWord",  "SvForm",  "WordTag", "WordClassText", "ClassTag", "SpClass",
    "SvClass",  "FormCode", "PersonNo", "SvKey",  "SpCode1", "SpCode2",      "SpCode3",  "SvCode1",
    "SvCode2",  "SvCode3", "SvCode4", "DefMark", "Gender",  "Known",
};

std::string CellText(const nlohmann::json& value) {
    return value.is_string() ? value.get<std::string>() : value.dump();
}

// Width on the screen: UTF-8 continuation bytes take no column.
std::size_t DisplayWidth(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Padded(const std::string& text, std::size_t width) {
    return text + std::string(width - std::min(width, DisplayWidth(text)), ' ');
}

std::string WordTable(const nlohmann::json& words) {
    std::vector<std::vector<std::string>> rows;
    rows.emplace_back(kWordColumns.begin(), kWordColumns.end());
    for (const auto& word : words) {
        auto& row = rows.emplace_back();
        for (const auto column : kWordColumns) row.push_back(CellText(word.at(std::string(column))));
    }
    std::vector<std::size_t> widths(kWordColumns.size(), 0);
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], DisplayWidth(row[c]));
    std::string out;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) line += Padded(row[c], widths[c] + 2);
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + "\n";
    }
    return out;
}

}  // namespace

nlohmann::json DumpWords(const TranslationState& s) {
    nlohmann::json words = nlohmann::json::array();
    int pos = 1;
    for (const WordNode* n = s.WordList.Head; n != nullptr; n = n->Next, ++pos) {
        words.push_back({
            {"SpText", Text(n->SpText)},
            {"SpWord", Text(n->SpWord)},
            {"SvWord", Text(n->SvWord)},
            {"SvForm", Text(n->SvForm)},
            {"SvKey", Text(n->SvKey)},
            {"SpCode1", n->SpCode1},
            {"SpCode2", n->SpCode2},
            {"SpCode3", n->SpCode3},
            {"SpClass", n->SpClass},
            {"SvCode1", n->SvCode1},
            {"SvCode2", n->SvCode2},
            {"SvCode3", n->SvCode3},
            {"SvCode4", n->SvCode4},
            {"SvClass", n->SvClass},
            {"FormCode", n->FormCode},
            {"PersonNo", n->PersonNo},
            {"ClassTag", Text(n->ClassTag)},
            {"DefMark", CharText(n->DefMark)},
            {"Gender", CharText(n->Gender)},
            {"Known", n->Known},
            {"WordTag", Text(s.WordTags.Get(pos))},
            {"WordClassText", Text(s.WordClassTexts.Get(pos))},
        });
    }
    return words;
}

nlohmann::json DumpSegment(const TranslationState& s) {
    return {
        {"words", DumpWords(s)},
        {"phrases", DumpPhrases(s)},
        {"clauses", DumpClauses(s)},
        {"output", nlohmann::json::array()},
    };
}

std::string ExplainTable(const nlohmann::json& document) {
    std::string out;
    if (document.contains("rejection")) out += "Refused: " + document.at("rejection").get<std::string>() + "\n";
    int number = 1;
    for (const auto& segment : document.at("segments")) {
        if (number > 1) out += "\n";
        out += "Segment " + std::to_string(number++) + "\n\nWords\n";
        out += WordTable(segment.at("words"));
    }
    return out;
}

}  // namespace quelvo
