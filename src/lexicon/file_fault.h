#pragma once
// What is wrong with the contents of one dictionary file; the loader adds
// the file's path.
#include <cstddef>
#include <string>
#include <string_view>

namespace quelvo {

struct FileFault {
    long line = 0;       // line or record number, 0 for the whole file
    std::string text;    // the offending text, UTF-8
    std::string reason;
};

// A fault in the line that starts at `lineStart`, showing its text up to `end`.
FileFault FaultInLine(std::string_view bytes, std::size_t lineStart, std::size_t end, std::string reason);

// A fault at `pos`, showing the text of its line up to `end`.
FileFault FaultAt(std::string_view bytes, std::size_t pos, std::size_t end, std::string reason);

}  // namespace quelvo
