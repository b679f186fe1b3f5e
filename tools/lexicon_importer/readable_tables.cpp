#include "readable_tables.h"

#include <algorithm>
#include <filesystem>

#include "import_text.h"

namespace quelvo::limp {
namespace {

constexpr std::string_view kPersonColumns[] = {"1sg", "2sg", "3sg", "1pl", "2pl", "3pl"};
constexpr std::string_view kVerbClasses[] = {"v", "hjv", "HvbAdjSub", "HvbSub", "HvbHjvb", "HvbAdj"};

std::vector<TableRow> ReadFileTable(const std::filesystem::path& path, std::string& error) {
    if (!std::filesystem::exists(path)) return {};
    const std::string text = ReadWholeFile(path.string(), error);
    return ReadTable(text);
}

std::string Field(const TableRow& row, const std::string& column) {
    const auto it = row.find(column);
    return it == row.end() ? std::string() : it->second;
}

}  // namespace

std::vector<TableRow> ReadTable(std::string_view text) {
    std::vector<TableRow> rows;
    std::vector<std::string> header;
    for (std::string_view line : SplitText(text, '\n')) {
        if (TrimBlanks(line).empty() || TrimBlanks(line).starts_with('#')) continue;
        const std::vector<std::string_view> fields = SplitText(line, '\t');
        if (header.empty()) {
            for (std::string_view f : fields) header.emplace_back(TrimBlanks(f));
            continue;
        }
        TableRow row;
        for (std::size_t i = 0; i < fields.size() && i < header.size(); ++i) row[header[i]] = TrimBlanks(fields[i]);
        rows.push_back(std::move(row));
    }
    return rows;
}

HandWritten ReadHandWritten(const std::string& dir, std::string& error) {
    const std::filesystem::path folder(dir);
    HandWritten h;
    for (const TableRow& row : ReadFileTable(folder / "spanish.tsv", error)) {
        h.spanishForms.insert(Field(row, "spanish"));
        if (std::ranges::find(kVerbClasses, Field(row, "class")) != std::end(kVerbClasses))
            h.verbs.insert(Field(row, "spanish"));
    }
    for (const TableRow& row : ReadFileTable(folder / "form_entries.tsv", error)) h.spanishForms.insert(Field(row, "spanish"));
    for (const TableRow& row : ReadFileTable(folder / "spanish_verbs.tsv", error)) {
        VerbRow verbRow{Field(row, "infinitive"), Field(row, "form"), {}};
        for (const std::string_view person : kPersonColumns) {
            verbRow.forms.push_back(Field(row, std::string(person)));
            h.spanishForms.insert(verbRow.forms.back());
        }
        h.verbRows[verbRow.infinitive].push_back(std::move(verbRow));
    }
    for (const TableRow& row : ReadFileTable(folder / "swedish.tsv", error)) {
        const std::string key = Field(row, "key").empty() ? Field(row, "word") : Field(row, "key");
        h.entryKeys.insert(key);
        h.entryByWordAndClass.emplace(Field(row, "word") + '\t' + Field(row, "class"), key);
    }
    for (const TableRow& row : ReadFileTable(folder / "irregular_nouns.tsv", error))
        h.irregularNouns.insert(Field(row, "indefinite_singular"));
    for (const TableRow& row : ReadFileTable(folder / "swedish_irregular_verbs.tsv", error))
        h.irregularVerbs.insert(Field(row, "infinitive"));
    h.spanishForms.erase("");
    return h;
}

std::map<std::string, ReviewDecision> ReadReview(const std::string& path, std::string& error) {
    std::map<std::string, ReviewDecision> decisions;
    for (const TableRow& row : ReadFileTable(path, error))
        decisions[Field(row, "spanish")] = {Field(row, "swedish"), Field(row, "note")};
    return decisions;
}

}  // namespace quelvo::limp
