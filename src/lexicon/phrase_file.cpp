#include "lexicon/phrase_file.h"

#include <algorithm>
#include <array>

#include "lexicon/dictionary_format.h"
#include "lexicon/field_reading.h"
#include "lexicon/lexicon.h"
#include "lexicon/lookups.h"
#include "lexicon/phrase_checks.h"

namespace quelvo {
namespace {

// Buffer capacities, terminator included.
constexpr std::size_t kKeyCapacity = kPhraseFieldCapacity;
constexpr std::size_t kSpanishCapacity = kPhraseFieldCapacity;
constexpr std::size_t kSvCapacity = kPhraseFieldCapacity;
constexpr std::size_t kClassWordCapacity = 10;
constexpr std::size_t kNumberCapacity = 6;
// A Spanish phrase of 29 characters has at most 30 words.
constexpr std::size_t kMaxPhraseWords = 30;

// The words of the sentence from a phrase's first word, joined with single
// blanks and cut to 30 characters; past the end of the sentence its last
// word is taken again.
class PhraseCandidates {
public:
    explicit PhraseCandidates(const WordNode* node) : current_(node) {}

    std::string_view Of(std::uint32_t wordCount) {
        const std::size_t count = std::min<std::size_t>(wordCount, kMaxPhraseWords);
        while (built_ < count) Extend();
        return text_.view().substr(0, lengths_[count]);
    }

private:
    void Extend() {
        if (built_ > 0) text_ += ' ';
        if (current_ != nullptr) text_ += current_->SpWord.view();
        lengths_[++built_] = text_.size();
        if (current_ != nullptr && current_->Next != nullptr) current_ = current_->Next;
    }

    const WordNode* current_;
    Str30 text_;
    std::size_t built_ = 0;
    std::array<std::size_t, kMaxPhraseWords + 1> lengths_{};
};

}  // namespace

std::variant<PhraseFile, FileFault> PhraseFile::Read(std::string_view bytes) {
    PhraseFile file;
    if (bytes.empty() || bytes.front() == kPhraseFileEnd) return file;
    file.text_.reserve(bytes.size());
    std::copy_if(bytes.begin() + 1, bytes.end(), std::back_inserter(file.text_),
                 [](char c) { return c != kCr && c != kLf; });
    const std::string_view text = file.text_;
    if (auto fault = CheckPhraseRecords(bytes, text)) return *std::move(fault);
    std::unordered_map<std::size_t, std::int32_t> recordAt;
    for (std::size_t pos = 0;;) {
        const std::size_t amp = text.find(kSectionKeyEnd, pos);
        if (amp == std::string_view::npos) break;
        const std::string_view key = FitField(text.substr(pos, amp - pos), kKeyCapacity);
        pos = amp + 1;
        if (file.sections_.Find(key) == nullptr) file.sections_.Add(key, file.ReadSection(pos, recordAt));
        const std::size_t end = text.find_first_of(kSectionOrFileEnd, pos);
        if (end == std::string_view::npos || text[end] == kPhraseFileEnd) break;
        pos = end + 1;
    }
    return file;
}

// Reads the records from `start` as the scan of a section meets them. A
// record is the same wherever the scan came from, so `recordAt` keeps each
// record by its start and a section that runs into records already read
// links to them.
std::int32_t PhraseFile::ReadSection(std::size_t start, std::unordered_map<std::size_t, std::int32_t>& recordAt) {
    const std::string_view text = text_;
    std::int32_t first = -1;
    std::int32_t previous = -1;
    const auto link = [&](std::int32_t index) { (previous < 0 ? first : records_[previous].Next) = index; };
    for (std::size_t pos = start;;) {
        if (const auto known = recordAt.find(pos); known != recordAt.end()) {
            link(known->second);
            break;
        }
        const std::size_t slash = text.find_first_of(kFieldOrSectionEnd, pos);
        if (slash == std::string_view::npos || text[slash] == kSectionEnd) {
            recordAt.emplace(pos, -1);
            link(-1);
            break;
        }
        PhraseRecord record;
        record.Spanish = FitField(text.substr(pos, slash - pos), kSpanishCapacity);
        const auto spanish = record.Spanish.view();
        record.WordCount = 1 + static_cast<std::uint32_t>(std::count(spanish.begin(), spanish.end(), ' '));
        record.Rest = slash + 1;
        const auto index = static_cast<std::int32_t>(records_.size());
        records_.push_back(record);
        recordAt.emplace(pos, index);
        link(index);
        const std::size_t end = text.find_first_of(kRecordOrSectionEnd, record.Rest);
        if (end == std::string_view::npos || text[end] == kSectionEnd) break;
        previous = index;
        pos = end + 1;
    }
    return first;
}

std::int32_t PhraseFile::FirstRecord(std::string_view word) const {
    const std::int32_t* first = sections_.Find(word);
    return first == nullptr ? -1 : *first;
}

bool PhraseFile::ReadMatch(const PhraseRecord& record, PhraseMatch& match) const {
    const std::string_view text = text_;
    const std::size_t svEnd = text.find(kPhraseFieldEnd, record.Rest);
    if (svEnd == std::string_view::npos) return false;
    const std::size_t classEnd = text.find(kPhraseFieldEnd, svEnd + 1);
    if (classEnd == std::string_view::npos) return false;
    const std::size_t numberEnd = text.find_first_of(kRecordOrSectionEnd, classEnd + 1);
    if (numberEnd == std::string_view::npos) return false;
    match.Sv = FitField(text.substr(record.Rest, svEnd - record.Rest), kSvCapacity);
    match.ClassWord = FitField(text.substr(svEnd + 1, classEnd - svEnd - 1), kClassWordCapacity);
    match.Number = FitField(text.substr(classEnd + 1, numberEnd - classEnd - 1), kNumberCapacity);
    return true;
}

void FindPhrase(TranslationState& s, const Str30& word, const WordNode* node, bool& found) {
    const PhraseFile& file = s.Dict.Phrases();
    PhraseCandidates candidates(node);
    for (std::int32_t index = file.FirstRecord(word); index >= 0;) {
        const PhraseRecord& record = file.Record(index);
        s.PhraseWordCount = record.WordCount;
        if (record.Spanish.view() != candidates.Of(record.WordCount)) {
            index = record.Next;
            continue;
        }
        PhraseMatch match;
        if (file.ReadMatch(record, match)) {
            s.PhraseSv = match.Sv;
            s.PhraseSp = record.Spanish;
            s.PhraseClassWord = match.ClassWord;
            s.PhraseNumber = match.Number;
            found = true;
        }
        return;
    }
}

}  // namespace quelvo
