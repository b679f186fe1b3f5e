#pragma once
// "SvFile.txt": Swedish entries by entry number. Numbers compare as numbers,
// so 007 finds entry 7; the first record of a number wins.
#include <cstdint>
#include <string_view>
#include <vector>
#include <variant>

#include "core/fixed_string.h"
#include "core/records.h"
#include "lexicon/dictionary_format.h"
#include "lexicon/file_fault.h"
#include "lexicon/key_index.h"

namespace quelvo {

struct SwedishEntry {
    Str20 SvWord;
    std::uint16_t SvCode1 = 0;
    std::uint16_t SvCode2 = 0;
    std::uint16_t SvCode3 = 0;
    std::uint16_t SvCode4 = 0;
};

// Copies an entry's word, codes and class into a staging record.
void StageSwedishEntry(WordFields& staged, const SwedishEntry& entry);

class SwedishEntryFile {
public:
    static constexpr std::string_view kFileName = kSwedishEntriesFileName;
    static std::variant<SwedishEntryFile, FileFault> Read(std::string_view bytes);
    const SwedishEntry* Find(std::int32_t entryNumber) const;
    // The first entry whose Swedish word is `svWord`.
    const SwedishEntry* FindByWord(std::string_view svWord) const;
    // The first entry of `svWord` in the word class `svClass` ("kort" the
    // adjective, not the noun); a scan, for the few rules that need it.
    const SwedishEntry* FindByWordAndClass(std::string_view svWord, int svClass) const;

private:
    const SwedishEntry* EntryAt(const std::uint32_t* position) const {
        return position == nullptr ? nullptr : &entries_[*position];
    }

    std::vector<SwedishEntry> entries_;
    // Positions in entries_ of the first entry of each number and of each word.
    NumberIndex<std::uint32_t> byNumber_;
    TextIndex<std::uint32_t> byWord_;
};

}  // namespace quelvo
