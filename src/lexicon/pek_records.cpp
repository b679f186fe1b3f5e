#include "lexicon/pek_records.h"

#include <algorithm>
#include <array>

namespace quelvo {
namespace {

constexpr std::size_t kMaxPekFields = 6;

}  // namespace

std::optional<FileFault> ReadPekRecords(std::string_view bytes, std::size_t recordSize, std::span<const PekField> fields,
                                        const std::function<void(std::span<const std::string_view>)>& onRecord) {
    if (bytes.size() % recordSize != 0) {
        return FileFault{0, "",
                         "its size " + std::to_string(bytes.size()) + " is not a whole number of " +
                             std::to_string(recordSize) + "-byte records"};
    }
    std::array<std::string_view, kMaxPekFields> strings{};
    for (std::size_t start = 0; start < bytes.size(); start += recordSize) {
        const std::string_view record = bytes.substr(start, recordSize);
        for (std::size_t k = 0; k < fields.size() && k < kMaxPekFields; ++k) {
            const PekField& field = fields[k];
            const auto length = static_cast<unsigned char>(record[field.offset]);
            if (length > field.capacity) {
                return FileFault{static_cast<long>(start / recordSize + 1), "",
                                 "the length " + std::to_string(length) + " of " + std::string(field.name) +
                                     " exceeds its " + std::to_string(field.capacity) + " characters"};
            }
            strings[k] = record.substr(field.offset + 1, length);
        }
        onRecord(std::span(strings.data(), std::min(fields.size(), kMaxPekFields)));
    }
    return std::nullopt;
}

}  // namespace quelvo
