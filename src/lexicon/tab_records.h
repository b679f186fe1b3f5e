#pragma once
// The record reader shared by "SpOrd.txt", "SvFile.txt" and "SbAdj.txt":
// fields end at TAB, the last one at CR; CR and LF before a record are
// skipped, so CR LF endings and blank lines read alike; a "!" in the first
// field of a record, or the end of the file there, ends the file.
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

#include "lexicon/file_fault.h"

namespace quelvo {

inline constexpr std::size_t kMaxTabFields = 6;
using TabFields = std::array<std::string_view, kMaxTabFields>;

// One field of a record: its buffer capacity and what it holds.
enum class FieldKind { Text, Number };
struct TabField {
    std::size_t capacity;
    FieldKind kind = FieldKind::Text;
};

// Hands every record to `onRecord`, each field cut to its capacity (see
// FitField). A line that ends before its last field or holds a field too
// many, one that ends in LF alone, and a number field holding other text are
// faults: read on, they would shift or change the codes of the records.
// More fields than TabFields holds (or none) are a fault of the first record.
std::optional<FileFault> ReadTabRecords(std::string_view bytes, std::span<const TabField> fields,
                                        const std::function<void(const TabFields&)>& onRecord);

}  // namespace quelvo
