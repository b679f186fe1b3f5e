#include "lexicon/swedish_entries.h"

#include <algorithm>
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
    const std::size_t lines = CountLines(bytes);
    entries.entries_.reserve(lines);
    entries.byNumber_.Reserve(lines);
    entries.byWord_.Reserve(lines);
    auto fault = ReadTabRecords(bytes, kLayout, [&entries](const TabFields& f) {
        const SwedishEntry entry{f[1], ReadCode(f[2]), ReadCode(f[3]), ReadCode(f[4]), ReadCode(f[5])};
        const auto position = static_cast<std::uint32_t>(entries.entries_.size());
        const bool firstOfNumber = entries.byNumber_.Add(ReadNumber(f[0]), position);
        if (entries.byWord_.Add(entry.SvWord.view(), position) || firstOfNumber) entries.entries_.push_back(entry);
    });
    if (fault) return *std::move(fault);
    return entries;
}

const SwedishEntry* SwedishEntryFile::Find(std::int32_t entryNumber) const { return EntryAt(byNumber_.Find(entryNumber)); }

const SwedishEntry* SwedishEntryFile::FindByWord(std::string_view svWord) const { return EntryAt(byWord_.Find(svWord)); }

const SwedishEntry* SwedishEntryFile::FindByWordAndClass(std::string_view svWord, int svClass) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const SwedishEntry& e) {
        return e.SvWord == svWord && ClassOfCode(e.SvCode1) == svClass;
    });
    return found == entries_.end() ? nullptr : &*found;
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
