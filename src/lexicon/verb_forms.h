#pragma once
// "Spvb.dat": Spanish verb forms, one line per infinitive and form code,
// indexed by form; the first line holding a form, and its first place on
// that line, win.
#include <cstdint>
#include <string_view>
#include <variant>

#include "core/fixed_string.h"
#include "core/form_codes.h"
#include "lexicon/dictionary_format.h"
#include "lexicon/file_fault.h"
#include "lexicon/key_index.h"

namespace quelvo {

struct VerbForm {
    Str30 Infinitive;
    std::int32_t FormCode = fc::kNone;
    std::int32_t Position = 0;  // 1 for the first form of the line
};

class VerbFormFile {
public:
    static constexpr std::string_view kFileName = kVerbFormsFileName;
    static std::variant<VerbFormFile, FileFault> Read(std::string_view bytes);
    const VerbForm* Find(std::string_view form) const { return forms_.Find(form); }

private:
    TextIndex<VerbForm> forms_;
};

}  // namespace quelvo
