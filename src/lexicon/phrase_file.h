#pragma once
// "FrasText.txt": multi-word expressions in sections keyed by their first
// word. The file is kept without its marker and its CR and LF characters,
// which the reading ignores; the records of each section are found once.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

#include "core/fixed_string.h"
#include "lexicon/dictionary_format.h"
#include "lexicon/file_fault.h"
#include "lexicon/key_index.h"

namespace quelvo {

// One record of a section as the scan meets it.
struct PhraseRecord {
    Str30 Spanish;
    std::uint32_t WordCount = 0;  // 1 + the blanks of Spanish
    std::size_t Rest = 0;         // where the Swedish text begins
    std::int32_t Next = -1;       // the record read after this one when it does not match; -1 ends the section
};

// The fields of a matched record.
struct PhraseMatch {
    Str30 Sv;
    Str10 ClassWord;
    Str6 Number;
};

class PhraseFile {
public:
    static constexpr std::string_view kFileName = kPhrasesFileName;
    static std::variant<PhraseFile, FileFault> Read(std::string_view bytes);

    // The first record of the first section keyed `word`, or -1.
    std::int32_t FirstRecord(std::string_view word) const;
    const PhraseRecord& Record(std::int32_t index) const { return records_[static_cast<std::size_t>(index)]; }
    // The Swedish text, class word and number of `record`; false when the
    // file ends before the record does.
    bool ReadMatch(const PhraseRecord& record, PhraseMatch& match) const;

private:
    std::int32_t ReadSection(std::size_t start, std::unordered_map<std::size_t, std::int32_t>& recordAt);

    std::string text_;
    std::vector<PhraseRecord> records_;
    TextIndex<std::int32_t> sections_;
};

}  // namespace quelvo
