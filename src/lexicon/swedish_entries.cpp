#include "lexicon/swedish_entries.h"

#include <array>

#include "lexicon/dictionary_format.h"
#include "lexicon/field_reading.h"
#include "lexicon/lexicon.h"
#include "lexicon/lookups.h"
#include "lexicon/tab_records.h"

namespace quelvo {
namespace {

// Entry number, word, four codes.
constexpr std::array<TabField, 6> kLayout{{{kEntryNumberCapacity, FieldKind::Number},
                                           {kWordFieldCapacity},
                                           {kWordFieldCapacity, FieldKind::Number},
                                           {kWordFieldCapacity, FieldKind::Number},
                                           {kWordFieldCapacity, FieldKind::Number},
                                           {kWordFieldCapacity, FieldKind::Number}}};

}  // namespace

std::variant<SwedishEntryFile, FileFault> SwedishEntryFile::Read(std::string_view bytes) {
    SwedishEntryFile entries;
    auto fault = ReadTabRecords(bytes, kLayout, [&entries](const TabFields& f) {
        const SwedishEntry entry{f[1], ReadCode(f[2]), ReadCode(f[3]), ReadCode(f[4]), ReadCode(f[5])};
        entries.entries_.try_emplace(ReadNumber(f[0]), entry);
        entries.byWord_.try_emplace(std::string(entry.SvWord.view()), entry);
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
    s.StagedWord.SpWord = s.LookupWord;
    StageSwedishEntry(s.StagedWord, *entry);
}

void StageSwedishEntry(WordFields& staged, const SwedishEntry& entry) {
    staged.SvWord = entry.SvWord;
    staged.SvCode1 = entry.SvCode1;
    staged.SvCode2 = entry.SvCode2;
    staged.SvCode3 = entry.SvCode3;
    staged.SvCode4 = entry.SvCode4;
    staged.SvClass = ClassOfCode(entry.SvCode1);
}

}  // namespace quelvo
