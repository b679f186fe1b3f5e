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

// Hands every record to `onRecord`, each field cut to its capacity (see
// FitField). A line that ends before its last field, or ends in LF alone, is
// a fault: read on, it would shift the fields of every following record.
// More capacities than TabFields holds (or none) are a fault of the first record.
std::optional<FileFault> ReadTabRecords(std::string_view bytes, std::span<const std::size_t> capacities,
                                        const std::function<void(const TabFields&)>& onRecord);

}  // namespace quelvo
