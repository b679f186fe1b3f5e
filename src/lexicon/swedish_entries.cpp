#include "lexicon/swedish_entries.h"

#include <array>

#include "lexicon/field_reading.h"
#include "lexicon/lexicon.h"
#include "lexicon/lookups.h"
#include "lexicon/tab_records.h"

namespace quelvo {
namespace {

// Entry number (at most five characters), word, four codes.
constexpr std::array<std::size_t, 6> kCapacities{6, 20, 20, 20, 20, 20};

}  // namespace

std::variant<SwedishEntryFile, FileFault> SwedishEntryFile::Read(std::string_view bytes) {
    SwedishEntryFile entries;
    auto fault = ReadTabRecords(bytes, kCapacities, [&entries](const TabFields& f) {
        entries.entries_.try_emplace(ReadNumber(f[0]),
                                     SwedishEntry{f[1], ReadCode(f[2]), ReadCode(f[3]), ReadCode(f[4]), ReadCode(f[5])});
    });
    if (fault) return *std::move(fault);
    return entries;
}

const SwedishEntry* SwedishEntryFile::Find(std::int32_t entryNumber) const {
    const auto it = entries_.find(entryNumber);
    return it == entries_.end() ? nullptr : &it->second;
}

void LookupSwedishEntry(TranslationState& s, bool& found) {
    const SwedishEntry* entry = s.Dict.SwedishEntries().Find(ReadNumber(s.StagedWord.SvKey));
    if (entry == nullptr) return;
    found = true;
    WordFields& w = s.StagedWord;
    w.SpWord = s.LookupWord;
    w.SvWord = entry->SvWord;
    w.SvCode1 = entry->SvCode1;
    w.SvCode2 = entry->SvCode2;
    w.SvCode3 = entry->SvCode3;
    w.SvCode4 = entry->SvCode4;
    w.SvClass = entry->SvCode1 & 63;
}

}  // namespace quelvo
