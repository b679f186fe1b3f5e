#pragma once
// Files of fixed-size records of length-prefixed strings ("SvVerb1.pek",
// "OregSubs.pek"), and their search: every record from the first to the last
// whose key equals the current form replaces it, so one replacement can lead
// to another further on.
#include <algorithm>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/fixed_string.h"
#include "lexicon/field_reading.h"
#include "lexicon/file_fault.h"

namespace quelvo {

// A string of a record: a length byte, then up to `capacity` characters.
struct PekField {
    std::string_view name;
    std::size_t offset;
    std::size_t capacity;
};

// Hands the strings of every record to `onRecord`. A size that is not a whole
// number of records, a length byte larger than its field, an empty key and
// bytes other than zero past a string or in the padding (a file shifted by
// some bytes, a run of zeros) are faults.
std::optional<FileFault> ReadPekRecords(std::string_view bytes, std::size_t recordSize, std::span<const PekField> fields,
                                        const std::function<void(std::span<const std::string_view>)>& onRecord);

template <typename Record>
class PekRecords {
public:
    void Add(std::string_view key, const Record& record) {
        byKey_[std::string(key)].push_back(records_.size());
        records_.push_back(record);
    }

    // The scan of the file: `formOf` gives the replacement from a matching record.
    template <typename FormOf>
    void Follow(Str30& form, FormOf formOf) const {
        for (std::size_t from = 0;;) {
            const std::vector<std::size_t>* matches = FindIn(byKey_, form.view());
            if (matches == nullptr) return;
            const auto next = std::lower_bound(matches->begin(), matches->end(), from);
            if (next == matches->end()) return;
            form = formOf(records_[*next]);
            from = *next + 1;
        }
    }

private:
    std::vector<Record> records_;
    TextMap<std::vector<std::size_t>> byKey_;  // record numbers in file order
};

}  // namespace quelvo
