#pragma once
// "OregSubs.pek": the four forms of each irregular Swedish noun, records of
// 132 bytes keyed by the indefinite singular.
#include <string_view>
#include <variant>

#include "core/fixed_string.h"
#include "lexicon/dictionary_format.h"
#include "lexicon/file_fault.h"
#include "lexicon/pek_records.h"

namespace quelvo {

struct IrregularNoun {
    Str30 IndefSg;
    Str30 DefSg;
    Str30 IndefPl;
    Str30 DefPl;
};

class IrregularNounFile {
public:
    static constexpr std::string_view kFileName = kIrregularNounsFileName;
    static std::variant<IrregularNounFile, FileFault> Read(std::string_view bytes);
    const PekRecords<IrregularNoun>& Records() const { return records_; }

private:
    PekRecords<IrregularNoun> records_;
};

}  // namespace quelvo
