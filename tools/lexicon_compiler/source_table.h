#pragma once
// The tab-separated source files: a header naming the columns, then one record
// per line. Comments (#) and blank lines are skipped, fields are trimmed.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "diagnostics.h"

namespace quelvo::lexc {

struct ColumnSpec {
    std::string_view name;
    bool required;  // the header must name it and no record may leave it empty
};

struct SourceRow {
    int line;
    std::vector<std::string> fields;  // UTF-8, in the order of the column specs
};

// Reads `text` (the contents of `file`). Rows with a missing required field
// or too many fields are reported and left out. A header that lacks a
// required column, names one twice or names an unknown one is reported and
// gives no rows. The column "note" is allowed in every file and ignored.
std::vector<SourceRow> ReadSourceTable(std::string_view file, std::string_view text,
                                       std::span<const ColumnSpec> columns, Diagnostics& diagnostics);

// "a, b,c" -> {"a", "b", "c"}; empty parts are dropped.
std::vector<std::string> SplitNames(std::string_view field);

}  // namespace quelvo::lexc
