#include "lexicon/tab_records.h"

#include <array>
#include <string>

#include "lexicon/dictionary_format.h"
#include "lexicon/field_reading.h"

namespace quelvo {
namespace {

bool IsLineEnd(char c) { return c == kCr || c == kLf; }

// The bytes a field's scan stops at, as a table so that the scan of the
// other bytes is one lookup each.
using StopBytes = std::array<bool, 256>;
constexpr StopBytes StopsAt(std::string_view bytes) {
    StopBytes stops{};
    for (const char c : bytes) stops[static_cast<unsigned char>(c)] = true;
    return stops;
}
constexpr char kFirstFieldStops[] = {kTab, kEndMark, kCr, kLf, '\0'};
constexpr char kFieldStops[] = {kTab, kCr, kLf, '\0'};
constexpr char kLastFieldStops[] = {kCr, kLf, '\0'};
constexpr StopBytes kFirstFieldStopTable = StopsAt(kFirstFieldStops);
constexpr StopBytes kFieldStopTable = StopsAt(kFieldStops);
constexpr StopBytes kLastFieldStopTable = StopsAt(kLastFieldStops);

class TabReader {
public:
    TabReader(std::string_view bytes, std::span<const std::size_t> capacities)
        : bytes_(bytes), capacities_(capacities) {}

    // Reads the next record into `fields`; false at the end of the file.
    bool Next(TabFields& fields) {
        while (pos_ < bytes_.size() && IsLineEnd(bytes_[pos_])) ++pos_;
        recordStart_ = pos_;
        if (capacities_.empty() || capacities_.size() > fields.size()) {
            return Fail("a record is read as 1 to " + std::to_string(fields.size()) + " fields, not " +
                        std::to_string(capacities_.size()));
        }
        if (!ReadFirstField(fields[0])) return false;
        for (std::size_t k = 1; k < capacities_.size() && !fault_; ++k) fields[k] = ReadField(k);
        return !fault_;
    }
    const std::optional<FileFault>& Fault() const { return fault_; }

private:
    // Moves to the first byte of `stops` from the current one, or to the end.
    void SkipTo(const StopBytes& stops) {
        const std::size_t size = bytes_.size();
        std::size_t pos = pos_;
        while (pos < size && !stops[static_cast<unsigned char>(bytes_[pos])]) ++pos;
        pos_ = pos;
    }

    bool ReadFirstField(std::string_view& field) {
        const std::size_t start = pos_;
        SkipTo(kFirstFieldStopTable);
        if (pos_ == bytes_.size() || bytes_[pos_] == kEndMark) return false;
        if (IsLineEnd(bytes_[pos_])) return Fail("the line holds no TAB");
        field = FitField(bytes_.substr(start, pos_ - start), capacities_[0]);
        ++pos_;
        return true;
    }

    std::string_view ReadField(std::size_t k) {
        const bool last = k + 1 == capacities_.size();
        const char terminator = last ? kCr : kTab;
        const std::size_t start = pos_;
        SkipTo(last ? kLastFieldStopTable : kFieldStopTable);
        // Any other stop is a line end before the field's own end.
        if (pos_ < bytes_.size() && bytes_[pos_] != terminator) {
            Fail(last ? std::string("the line ends in LF without CR")
                      : "the line has " + std::to_string(k + 1) + " of its " + std::to_string(capacities_.size()) +
                            " fields");
        }
        const std::string_view field = FitField(bytes_.substr(start, pos_ - start), capacities_[k]);
        if (pos_ < bytes_.size()) ++pos_;
        return field;
    }

    bool Fail(std::string reason) {
        fault_ = FaultInLine(bytes_, recordStart_, pos_, std::move(reason));
        return false;
    }

    std::string_view bytes_;
    std::span<const std::size_t> capacities_;
    std::size_t pos_ = 0;
    std::size_t recordStart_ = 0;
    std::optional<FileFault> fault_;
};

}  // namespace

std::optional<FileFault> ReadTabRecords(std::string_view bytes, std::span<const std::size_t> capacities,
                                        const std::function<void(const TabFields&)>& onRecord) {
    TabReader reader(bytes, capacities);
    TabFields fields{};
    while (reader.Next(fields)) onRecord(fields);
    return reader.Fault();
}

}  // namespace quelvo
