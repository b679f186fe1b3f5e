#pragma once
// Damage any dictionary file can show before its reader sees it: a binary
// text file (UTF-16, random bytes), one re-encoded as UTF-8, a phrase file
// holding a TAB; and an empty text file or one without its closing mark,
// which still loads as the format allows but is reported.
#include <optional>
#include <string>
#include <string_view>

#include "lexicon/file_fault.h"

namespace quelvo {

std::optional<FileFault> CheckFileBytes(std::string_view fileName, std::string_view bytes);

// A warning text when the file is empty or lacks its closing mark.
std::optional<std::string> MissingEndMark(std::string_view fileName, std::string_view bytes);

}  // namespace quelvo
