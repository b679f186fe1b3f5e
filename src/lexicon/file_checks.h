#pragma once
// Damage any dictionary file can show before its reader sees it: an empty
// text file (one without entries still holds its closing mark), a binary
// text file (UTF-16, random bytes, zeros), one re-encoded as UTF-8, a phrase
// file holding a TAB; and a text file without its closing mark, which still
// loads as the format allows but is reported.
#include <optional>
#include <string>
#include <string_view>

#include "lexicon/file_fault.h"

namespace quelvo {

std::optional<FileFault> CheckFileBytes(std::string_view fileName, std::string_view bytes);

// A warning text when a text file lacks its closing mark.
std::optional<std::string> MissingEndMark(std::string_view fileName, std::string_view bytes);

}  // namespace quelvo
