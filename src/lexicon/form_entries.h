#pragma once
// "SbAdj.txt": further Spanish noun and adjective forms with the entry
// number of their Swedish entry; the first record of a form wins.
#include <string_view>
#include <variant>

#include "core/fixed_string.h"
#include "lexicon/dictionary_format.h"
#include "lexicon/file_fault.h"
#include "lexicon/key_index.h"

namespace quelvo {

class FormEntryFile {
public:
    static constexpr std::string_view kFileName = kFormEntriesFileName;
    static std::variant<FormEntryFile, FileFault> Read(std::string_view bytes);
    // The entry number of `form`, as written.
    const Str6* Find(std::string_view form) const { return entryNumbers_.Find(form); }

private:
    TextIndex<Str6> entryNumbers_;
};

}  // namespace quelvo
