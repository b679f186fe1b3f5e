#include "lexicon/tab_records.h"

#include <algorithm>
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
constexpr StopBytes kFirstFieldStopTable = StopsAt(kFirstFieldStops);
constexpr StopBytes kFieldStopTable = StopsAt(kFieldStops);

class TabReader {
public:
    TabReader(std::string_view bytes, std::span<const TabField> layout) : bytes_(bytes), layout_(layout) {}

    // Reads the next record into `fields`; false at the end of the file.
    bool Next(TabFields& fields) {
        while (pos_ < bytes_.size() && IsLineEnd(bytes_[pos_])) ++pos_;
        recordStart_ = pos_;
        if (layout_.empty() || layout_.size() > fields.size()) {
            return Fail("a record is read as 1 to " + std::to_string(fields.size()) + " fields, not " +
                        std::to_string(layout_.size()));
        }
        if (!ReadFirstField(fields[0])) return false;
        for (std::size_t k = 1; k < layout_.size() && !fault_; ++k) fields[k] = ReadField(k);
        return !fault_ && CheckNumbers(fields);
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
        field = FitField(bytes_.substr(start, pos_ - start), layout_[0].capacity);
        ++pos_;
        return true;
    }

    std::string_view ReadField(std::size_t k) {
        const bool last = k + 1 == layout_.size();
        const std::size_t start = pos_;
        // Every field stops at TAB, CR or LF: TAB ends a field, CR the last.
        SkipTo(kFieldStopTable);
        if (pos_ == bytes_.size() || bytes_[pos_] != (last ? kCr : kTab)) FaultAtFieldEnd(k, last);
        const std::string_view field = FitField(bytes_.substr(start, pos_ - start), layout_[k].capacity);
        if (pos_ < bytes_.size()) ++pos_;
        return field;
    }

    // A field ended otherwise: the last field by TAB or LF (the end of the
    // file is its end too), another by the end of its line or of the file.
    void FaultAtFieldEnd(std::size_t k, bool last) {
        const bool atEnd = pos_ == bytes_.size();
        if (last && !atEnd && bytes_[pos_] == kTab) {
            Fail("the line has more than its " + std::to_string(layout_.size()) + " fields", LineEndFrom(pos_));
        } else if (last && !atEnd && bytes_[pos_] == kLf) {
            Fail("the line ends in LF without CR");
        } else if (!last && !fault_) {
            Fail("the line has " + std::to_string(k + 1) + " of its " + std::to_string(layout_.size()) + " fields");
        }
    }

    bool CheckNumbers(const TabFields& fields) {
        for (std::size_t k = 0; k < layout_.size(); ++k) {
            if (layout_[k].kind == FieldKind::Number && !IsNumber(fields[k])) {
                return Fail("field " + std::to_string(k + 1) + " is not a number", LineEndFrom(recordStart_));
            }
        }
        return true;
    }

    std::size_t LineEndFrom(std::size_t from) const {
        return std::min(bytes_.find_first_of("\r\n", from), bytes_.size());
    }

    // A fault of the current record, showing its text up to `end`.
    bool Fail(std::string reason, std::optional<std::size_t> end = std::nullopt) {
        fault_ = FaultInLine(bytes_, recordStart_, end.value_or(pos_), std::move(reason));
        return false;
    }

    std::string_view bytes_;
    std::span<const TabField> layout_;
    std::size_t pos_ = 0;
    std::size_t recordStart_ = 0;
    std::optional<FileFault> fault_;
};

}  // namespace

std::optional<FileFault> ReadTabRecords(std::string_view bytes, std::span<const TabField> fields,
                                        const std::function<void(const TabFields&)>& onRecord) {
    TabReader reader(bytes, fields);
    TabFields read{};
    while (reader.Next(read)) onRecord(read);
    return reader.Fault();
}

}  // namespace quelvo
