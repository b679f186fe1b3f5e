#pragma once
#include <string_view>

namespace quelvo::server {

// The page at "/": web/index.html, built into the program.
extern const std::string_view kWebPage;

}  // namespace quelvo::server
