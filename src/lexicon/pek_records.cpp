#include "lexicon/pek_records.h"

#include <algorithm>
#include <array>

namespace quelvo {
namespace {

constexpr std::size_t kMaxPekFields = 6;

bool AllZero(std::string_view bytes) { return bytes.find_first_not_of('\0') == std::string_view::npos; }

// What is wrong with string `field` of a record, whose strings are read into
// `strings`. The bytes past a string's characters are zeros as the files are
// written: other bytes there mean the records have shifted. The first string
// is the key, which a record cannot do without.
std::optional<std::string> FieldFault(std::string_view record, const PekField& field, bool key,
                                      std::string_view& string) {
    const auto length = static_cast<unsigned char>(record[field.offset]);
    const std::string name(field.name);
    if (length > field.capacity) {
        return "the length " + std::to_string(length) + " of " + name + " exceeds its " +
               std::to_string(field.capacity) + " characters";
    }
    if (key && length == 0) return name + " is empty (zeros, or a shifted record?)";
    if (!AllZero(record.substr(field.offset + 1 + length, field.capacity - length))) {
        return name + " holds bytes past its " + std::to_string(length) + " characters (a shifted record?)";
    }
    string = record.substr(field.offset + 1, length);
    return std::nullopt;
}

}  // namespace

std::optional<FileFault> ReadPekRecords(std::string_view bytes, std::size_t recordSize, std::span<const PekField> fields,
                                        const std::function<void(std::span<const std::string_view>)>& onRecord) {
    if (bytes.size() % recordSize != 0) {
        return FileFault{0, "",
                         "its size " + std::to_string(bytes.size()) + " is not a whole number of " +
                             std::to_string(recordSize) + "-byte records"};
    }
    const std::size_t count = std::min(fields.size(), kMaxPekFields);
    const std::size_t stringsEnd = count == 0 ? 0 : fields[count - 1].offset + 1 + fields[count - 1].capacity;
    std::array<std::string_view, kMaxPekFields> strings{};
    for (std::size_t start = 0; start < bytes.size(); start += recordSize) {
        const std::string_view record = bytes.substr(start, recordSize);
        const auto number = static_cast<long>(start / recordSize + 1);
        for (std::size_t k = 0; k < count; ++k) {
            if (auto reason = FieldFault(record, fields[k], k == 0, strings[k])) return FileFault{number, "", *reason};
        }
        if (!AllZero(record.substr(stringsEnd))) {
            return FileFault{number, "", "the padding after the last string is not zero (a shifted record?)"};
        }
        onRecord(std::span(strings.data(), count));
    }
    return std::nullopt;
}

}  // namespace quelvo
