#pragma once
// "SvVerb1.pek": the forms of each irregular Swedish verb, records of 136
// bytes keyed by the infinitive.
#include <string_view>
#include <variant>

#include "core/fixed_string.h"
#include "lexicon/dictionary_format.h"
#include "lexicon/file_fault.h"
#include "lexicon/pek_records.h"

namespace quelvo {

struct IrregularVerb {
    Str20 PastForm;
    Str20 SupineForm;
    Str20 ParticipleForm;
    Str20 PresentForm;
    Str30 PresPartForm;
};

class IrregularVerbFile {
public:
    static constexpr std::string_view kFileName = kIrregularVerbsFileName;
    static std::variant<IrregularVerbFile, FileFault> Read(std::string_view bytes);
    const PekRecords<IrregularVerb>& Records() const { return records_; }

private:
    PekRecords<IrregularVerb> records_;
};

}  // namespace quelvo
