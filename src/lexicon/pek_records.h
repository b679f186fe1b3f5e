#pragma once
// Files of fixed-size records of length-prefixed strings ("SvVerb1.pek",
// "OregSubs.pek"), and their search: every record from the first to the last
// whose key equals the current form replaces it, so one replacement can lead
// to another further on.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/fixed_string.h"
#include "lexicon/file_fault.h"
#include "lexicon/key_index.h"

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
        const auto number = static_cast<std::uint32_t>(records_.size());
        records_.push_back(record);
        nextOfKey_.push_back(kNoRecord);
        if (Chain* chain = byKey_.Find(key)) {
            nextOfKey_[chain->last] = number;
            chain->last = number;
        } else {
            byKey_.Add(key, Chain{number, number});
        }
    }

    // The scan of the file: `formOf` gives the replacement from a matching record.
    template <typename FormOf>
    void Follow(Str30& form, FormOf formOf) const {
        for (std::uint32_t from = 0;;) {
            const Chain* chain = byKey_.Find(form.view());
            if (chain == nullptr) return;
            std::uint32_t next = chain->first;
            while (next != kNoRecord && next < from) next = nextOfKey_[next];
            if (next == kNoRecord) return;
            form = formOf(records_[next]);
            from = next + 1;
        }
    }

private:
    static constexpr std::uint32_t kNoRecord = UINT32_MAX;
    // The first and last record of a key; each record links to the next of its key.
    struct Chain {
        std::uint32_t first;
        std::uint32_t last;
    };

    std::vector<Record> records_;
    std::vector<std::uint32_t> nextOfKey_;
    TextIndex<Chain> byKey_;
};

}  // namespace quelvo
