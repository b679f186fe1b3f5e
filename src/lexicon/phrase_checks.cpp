#include "lexicon/phrase_checks.h"

#include <algorithm>
#include <string>

#include "lexicon/dictionary_format.h"
#include "lexicon/field_reading.h"

namespace quelvo {
namespace {

constexpr std::size_t kPhraseFields = 4;  // spanish, swedish, class word, number

bool IsLineEnd(char c) { return c == kCr || c == kLf; }

// Where the character at `pos` of the kept text stands in the file.
std::size_t FilePosition(std::string_view bytes, std::size_t pos) {
    std::size_t kept = 0;
    for (std::size_t i = 1; i < bytes.size(); ++i) {
        if (IsLineEnd(bytes[i])) continue;
        if (kept++ == pos) return i;
    }
    return bytes.size();
}

std::optional<std::string> RecordFault(std::string_view record) {
    const auto fields = static_cast<std::size_t>(std::count(record.begin(), record.end(), kPhraseFieldEnd)) + 1;
    if (fields > kPhraseFields) return "the record has more than its " + std::to_string(kPhraseFields) + " fields";
    if (fields < kPhraseFields) {
        return "the record has " + std::to_string(fields) + " of its " + std::to_string(kPhraseFields) + " fields";
    }
    if (!IsNumber(record.substr(record.rfind(kPhraseFieldEnd) + 1))) return "the number of the record is not a number";
    return std::nullopt;
}

}  // namespace

std::optional<FileFault> CheckPhraseRecords(std::string_view bytes, std::string_view text) {
    for (std::size_t pos = 0;;) {
        const std::size_t amp = text.find(kSectionKeyEnd, pos);
        if (amp == std::string_view::npos) return std::nullopt;
        const std::size_t sectionEnd = std::min(text.find(kSectionEnd, amp), text.size());
        for (std::size_t start = amp + 1; start <= sectionEnd;) {
            const std::size_t end = std::min(text.find(kRecordSeparator, start), sectionEnd);
            if (auto reason = RecordFault(text.substr(start, end - start))) {
                return FaultAt(bytes, FilePosition(bytes, start), FilePosition(bytes, end), *std::move(reason));
            }
            start = end + 1;
        }
        const std::size_t next = text.find_first_of(kSectionOrFileEnd, sectionEnd);
        if (next == std::string_view::npos || text[next] == kPhraseFileEnd) return std::nullopt;
        pos = next + 1;
    }
}

}  // namespace quelvo
