#pragma once
// "SpOrd.txt": Spanish word forms with the entry number of their Swedish
// entry and three codes, indexed by form; the first record of a form wins.
#include <cstdint>
#include <string_view>
#include <variant>

#include "core/fixed_string.h"
#include "lexicon/dictionary_format.h"
#include "lexicon/file_fault.h"
#include "lexicon/key_index.h"

namespace quelvo {

struct SpanishForm {
    Str6 SvKey;
    std::uint16_t SpCode1 = 0;
    std::uint16_t SpCode2 = 0;
    std::uint16_t SpCode3 = 0;
};

class SpanishWordFile {
public:
    static constexpr std::string_view kFileName = kSpanishWordsFileName;
    static std::variant<SpanishWordFile, FileFault> Read(std::string_view bytes);
    const SpanishForm* Find(std::string_view form) const { return forms_.Find(form); }

private:
    TextIndex<SpanishForm> forms_;
};

}  // namespace quelvo
