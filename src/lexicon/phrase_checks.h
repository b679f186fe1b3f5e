#pragma once
// The records of "FrasText.txt" as the reader walks them: each holds its four
// fields ("spanish/swedish/class word/number") and a number in the last. A
// record with a field too many or too few, or text where the number stands,
// would hand a changed phrase to every lookup that reaches it.
#include <optional>
#include <string_view>

#include "lexicon/file_fault.h"

namespace quelvo {

// `text` is the file's content as the reader keeps it: without its first
// character and without CR and LF. Faults are placed in `bytes`, the file.
std::optional<FileFault> CheckPhraseRecords(std::string_view bytes, std::string_view text);

}  // namespace quelvo
