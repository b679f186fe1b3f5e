#include "lexicon/swedish_word_lookup.h"

#include "lexicon/lexicon.h"

namespace quelvo {

void LookupSwedishWord(TranslationState& s, std::string_view svWord, bool& found) {
    const SwedishEntry* entry = s.Dict.SwedishEntries().FindByWord(svWord);
    if (entry == nullptr) return;
    found = true;
    StageSwedishEntry(s.StagedWord, *entry);
}

std::uint16_t SwedishAdverbCode(const TranslationState& s, std::string_view svWord) {
    const SwedishEntry* entry = s.Dict.SwedishEntries().FindByWord(svWord);
    return entry != nullptr && ClassOfCode(entry->SvCode1) == wc::kAdverb ? entry->SvCode3 : 0;
}

}  // namespace quelvo
