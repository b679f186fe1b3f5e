#pragma once
#include <string>

namespace quelvo {

// A dictionary file that is missing, unreadable or malformed.
struct DataError {
    std::string file;    // the file's path
    long line = 0;       // line or record number, 0 when the whole file is at fault
    std::string text;    // the offending text, UTF-8, may be empty
    std::string reason;  // what is wrong, in English

    // "FILE:LINE: REASON: TEXT", leaving out what is empty.
    std::string Describe() const;
};

}  // namespace quelvo
