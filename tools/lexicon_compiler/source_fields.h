#pragma once
// Turning the text of one source field into what a dictionary file can hold,
// reporting what does not fit at the field's file and line.
#include <optional>
#include <string>
#include <string_view>

#include "diagnostics.h"
#include "source_table.h"

namespace quelvo::lexc {

struct RowContext {
    std::string_view file;
    int line;
    Diagnostics& diagnostics;

    void Error(std::string message) const { diagnostics.Error(file, line, std::move(message)); }
    void Warning(std::string message) const { diagnostics.Warning(file, line, std::move(message)); }
};

inline RowContext ContextOf(std::string_view file, const SourceRow& row, Diagnostics& diagnostics) {
    return {file, row.line, diagnostics};
}

// "\"text\"" for messages.
std::string Quoted(std::string_view text);

// The code page 1252 bytes of `utf8`, when every character has one, there are
// at most `maxChars` of them and none is in `reserved`.
std::optional<std::string> FieldText(const RowContext& at, std::string_view column, std::string_view utf8,
                                     std::size_t maxChars, std::string_view reserved = {});

// A decimal number from `min` to `max`; an empty field is 0.
std::optional<int> FieldNumber(const RowContext& at, std::string_view column, std::string_view text, int min, int max);

}  // namespace quelvo::lexc
