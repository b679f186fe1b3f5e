#include "lexicon/form_entries.h"

#include <array>

#include "lexicon/dictionary_format.h"
#include "lexicon/field_reading.h"
#include "lexicon/lexicon.h"
#include "lexicon/lookups.h"
#include "lexicon/tab_records.h"

namespace quelvo {
namespace {

// Form, entry number.
constexpr std::array<TabField, 2> kLayout{{{kWordFieldCapacity}, {kEntryNumberCapacity, FieldKind::Number}}};
// The form searched for is the word's SpWord cut to this length.
constexpr std::size_t kKeyLength = 25;

}  // namespace

std::variant<FormEntryFile, FileFault> FormEntryFile::Read(std::string_view bytes) {
    FormEntryFile entries;
    entries.entryNumbers_.Reserve(CountLines(bytes));
    auto fault = ReadTabRecords(bytes, kLayout, [&entries](const TabFields& f) {
        entries.entryNumbers_.Add(f[0], Str6(f[1]));
    });
    if (fault) return *std::move(fault);
    return entries;
}

void LookupFormEntry(TranslationState& s, const WordNode& node) {
    const Str6* entryNumber = s.Dict.FormEntries().Find(node.SpWord.view().substr(0, kKeyLength));
    if (entryNumber == nullptr) return;
    s.StagedWord.SvKey = *entryNumber;
    bool found = false;
    LookupSwedishEntry(s, found);
}

}  // namespace quelvo
