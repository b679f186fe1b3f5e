#pragma once
// Small text helpers shared by the readers of the importer: UTF-8 text,
// split and trimmed the way the dictionary formats need it.
#include <string>
#include <string_view>
#include <vector>

namespace quelvo::limp {

std::string_view TrimBlanks(std::string_view s);
std::vector<std::string_view> SplitText(std::string_view s, char separator);
// Lower case for ASCII and the Latin-1 letters of UTF-8 ("Ä" -> "ä").
std::string LowerCase(std::string_view s);
bool IsLowerCaseWord(std::string_view s);  // one word, no capital, no digit or sign but "-"

// A readable file's whole text; `error` names the file when it cannot be read.
std::string ReadWholeFile(const std::string& path, std::string& error);

}  // namespace quelvo::limp
