#pragma once
// Conversion between UTF-8 (the world outside) and code page 1252 (the
// engine's text). Only the edges of the program convert.
#include <string>
#include <string_view>

namespace quelvo {

struct Cp1252Text {
    std::string bytes;
    bool replaced = false;  // some characters had no code page 1252 form and became "_"
};

Cp1252Text ToCp1252(std::string_view utf8);
std::string ToUtf8(std::string_view cp1252);

}  // namespace quelvo
