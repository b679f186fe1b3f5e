#include "source_table.h"

#include <optional>

namespace quelvo::lexc {
namespace {

constexpr std::string_view kNoteColumn = "note";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> SplitOn(std::string_view s, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= s.size(); ++i) {
        if (i == s.size() || s[i] == separator) {
            parts.push_back(s.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

struct Line {
    int number;
    std::string_view text;
};

// The lines that carry content: not blank, not a comment.
std::vector<Line> ContentLines(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    std::vector<Line> lines;
    int number = 0;
    for (std::string_view line : SplitOn(text, '\n')) {
        ++number;
        const std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string_view::npos || line[first] == '#') continue;
        lines.push_back({number, line});
    }
    return lines;
}

// For every header field, the index of its column description; nullopt for "note".
std::optional<std::vector<std::optional<std::size_t>>> MapHeader(std::string_view file, const Line& header,
                                                                 std::span<const ColumnSpec> columns,
                                                                 Diagnostics& diagnostics) {
    std::vector<std::optional<std::size_t>> map;
    std::vector<bool> seen(columns.size(), false);
    bool ok = true;
    for (std::string_view raw : SplitOn(header.text, '\t')) {
        const std::string_view name = Trim(raw);
        std::optional<std::size_t> index;
        for (std::size_t c = 0; c < columns.size(); ++c)
            if (columns[c].name == name) index = c;
        if (!index && name != kNoteColumn) {
            diagnostics.Error(file, header.number, "unknown column \"" + std::string(name) + "\"");
            ok = false;
        } else if (index && seen[*index]) {
            diagnostics.Error(file, header.number, "column \"" + std::string(name) + "\" named twice");
            ok = false;
        }
        if (index) seen[*index] = true;
        map.push_back(index);
    }
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (columns[c].required && !seen[c]) {
            diagnostics.Error(file, header.number,
                              "the header lacks the column \"" + std::string(columns[c].name) + "\"");
            ok = false;
        }
    }
    if (!ok) return std::nullopt;
    return map;
}

std::optional<SourceRow> ReadRow(std::string_view file, const Line& line,
                                 const std::vector<std::optional<std::size_t>>& header,
                                 std::span<const ColumnSpec> columns, Diagnostics& diagnostics) {
    const std::vector<std::string_view> parts = SplitOn(line.text, '\t');
    if (parts.size() > header.size()) {
        diagnostics.Error(file, line.number,
                          std::to_string(parts.size()) + " fields, but the header names " +
                              std::to_string(header.size()) + " columns");
        return std::nullopt;
    }
    SourceRow row{line.number, std::vector<std::string>(columns.size())};
    for (std::size_t i = 0; i < parts.size(); ++i)
        if (header[i]) row.fields[*header[i]] = std::string(Trim(parts[i]));
    bool ok = true;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (columns[c].required && row.fields[c].empty()) {
            diagnostics.Error(file, line.number, "the column \"" + std::string(columns[c].name) + "\" is empty");
            ok = false;
        }
    }
    if (!ok) return std::nullopt;
    return row;
}

}  // namespace

std::vector<SourceRow> ReadSourceTable(std::string_view file, std::string_view text,
                                       std::span<const ColumnSpec> columns, Diagnostics& diagnostics) {
    const std::vector<Line> lines = ContentLines(text);
    if (lines.empty()) {
        diagnostics.Error(file, 0, "the header line is missing");
        return {};
    }
    const auto header = MapHeader(file, lines.front(), columns, diagnostics);
    if (!header) return {};
    std::vector<SourceRow> rows;
    for (std::size_t i = 1; i < lines.size(); ++i)
        if (auto row = ReadRow(file, lines[i], *header, columns, diagnostics)) rows.push_back(std::move(*row));
    return rows;
}

std::vector<std::string> SplitNames(std::string_view field) {
    std::vector<std::string> names;
    for (std::string_view part : SplitOn(field, ','))
        if (const std::string_view name = Trim(part); !name.empty()) names.emplace_back(name);
    return names;
}

}  // namespace quelvo::lexc
