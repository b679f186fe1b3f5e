#include "import_text.h"

#include <fstream>
#include <sstream>

namespace quelvo::limp {
namespace {

constexpr unsigned char kLatin1Lead = 0xC3;        // UTF-8 lead byte of U+00C0..U+00FF
constexpr unsigned char kCapitalFirst = 0x80;      // second byte of "À"
constexpr unsigned char kCapitalLast = 0x9E;       // second byte of "Þ"
constexpr unsigned char kMultiplicationSign = 0x97;
constexpr unsigned char kCaseDistance = 0x20;

}  // namespace

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> SplitText(std::string_view s, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= s.size(); ++i)
        if (i == s.size() || s[i] == separator) {
            parts.push_back(s.substr(start, i - start));
            start = i + 1;
        }
    return parts;
}

std::string LowerCase(std::string_view s) {
    std::string out(s);
    for (std::size_t i = 0; i < out.size(); ++i) {
        auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'A' && c <= 'Z') out[i] = static_cast<char>(c + kCaseDistance);
        if (c == kLatin1Lead && i + 1 < out.size()) {
            const auto next = static_cast<unsigned char>(out[i + 1]);
            if (next >= kCapitalFirst && next <= kCapitalLast && next != kMultiplicationSign)
                out[i + 1] = static_cast<char>(next + kCaseDistance);
            ++i;
        }
    }
    return out;
}

bool IsLowerCaseWord(std::string_view s) {
    if (s.empty() || s.front() == '-' || s.back() == '-') return false;
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80 && !(c >= 'a' && c <= 'z') && c != '-') return false;
    }
    return LowerCase(s) == s;
}

std::string ReadWholeFile(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) error = path + ": cannot be read";
    return text.str();
}

}  // namespace quelvo::limp
