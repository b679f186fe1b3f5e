#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace quelvo {

// Runs `translate` on the text between the tags of an HTML document (its
// character references decoded, the result encoded again); tags, comments,
// scripts and styles are copied unchanged.
using TextFunction = std::function<std::string(std::string_view)>;
std::string TranslateHtmlText(std::string_view html, const TextFunction& translate);

}  // namespace quelvo
