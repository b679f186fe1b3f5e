#pragma once
// Characters that would lose words or reach the output unseen: NUL, TAB,
// no-break space and the other blank controls separate words as a space
// does; the remaining control characters and terminal escape sequences go.
#include <string>
#include <string_view>

namespace quelvo {

// `text` in code page 1252; line breaks are kept.
std::string CleanInputText(std::string_view text);

// `utf8` with decomposed accents composed (Unicode NFC), so that "n" and a
// combining tilde become the one letter the code page holds.
std::string ComposeAccents(std::string_view utf8);

}  // namespace quelvo
