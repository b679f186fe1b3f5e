#include "input/punctuation.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

#include "input/abbreviations.h"

namespace quelvo {
namespace {

// How a mark is rewritten; "M" stands for the mark itself, "_" for a blank.
// TextLen grows by the blanks actually added: counting fewer would leave the
// end of the text beyond TextLen, and the last token of the sentence unread.
struct MarkRule {
    char mark;
    std::string_view afterBlank;  // when the mark opens the text or follows a blank
    std::string_view otherwise;
};

constexpr MarkRule kMarkRules[] = {
    {'\xBF', "M_", "M_"},      // ¿ (and the capital after it is lowered)
    {'"', "M_", "_M"},
    {'\'', "M_", "_M"},
    {'_', "M_", "_M"},
    {'.', "_M", "_M"},
    {',', "_M", "_M"},
    {'%', "_M", "_M"},
    {':', "_M", "_M"},
    {';', "_M", "_M"},
    {'!', "_M", "_M"},
    {')', "_M", "_M"},
    {']', "_M", "_M"},
    {'\xBB', "_M", "_M"},      // »
    {'?', "_M_", "_M_"},
    {'[', "_M_", "_M_"},
    {'\xA1', "M__", "M__"},    // ¡
    {'(', "M_", "M_"},
    {'\xAB', "M_", "M_"},      // «
    {'\x93', "M_", "M_"},      // “
    {'-', "_M__", "_M__"},
    {'\x94', "_M__", "_M__"},  // ”
};

// The rule of each byte, found once: the text is rewritten a byte at a time.
constexpr std::size_t kNoRule = std::size(kMarkRules);
constexpr auto kRuleOfByte = [] {
    std::array<std::size_t, 256> rules{};
    rules.fill(kNoRule);
    for (std::size_t r = std::size(kMarkRules); r-- > 0;) rules[static_cast<unsigned char>(kMarkRules[r].mark)] = r;
    return rules;
}();

const MarkRule* RuleFor(char c) {
    const std::size_t rule = kRuleOfByte[static_cast<unsigned char>(c)];
    return rule == kNoRule ? nullptr : &kMarkRules[rule];
}

bool IsCapital(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') || (u >= 192 && u <= 222 && u != 215);
}

}  // namespace

void SpacePunctuation(TranslationState& s) {
    const std::string& in = s.InputText;
    std::string out;
    out.reserve(in.size() * 2);
    bool lowerNext = false;
    for (std::size_t i = 0; i < in.size(); ++i) {
        char c = in[i];
        if (lowerNext) c = static_cast<char>(static_cast<unsigned char>(c) + 32);
        lowerNext = false;
        // An abbreviation stays one word, its blanks taken out ("EE.UU.").
        if (const std::size_t length = AbbreviationAt(in, i).length; length > 0) {
            for (std::size_t k = i; k < i + length; ++k)
                if (in[k] != ' ') out += k == i ? c : in[k];
            s.TextLen -= static_cast<int>(std::count(in.begin() + static_cast<long>(i), in.begin() + static_cast<long>(i + length), ' '));
            i += length - 1;
            continue;
        }
        const MarkRule* rule = IsNumberDot(in, i) ? nullptr : RuleFor(in[i]);
        if (rule == nullptr) {
            out += c;
            continue;
        }
        const bool afterBlank = i == 0 || in[i - 1] == ' ';
        const std::string_view steps = afterBlank ? rule->afterBlank : rule->otherwise;
        for (char step : steps) out += step == 'M' ? c : ' ';
        s.TextLen += static_cast<int>(steps.size()) - 1;
        if (c == '\xBF' && i + 1 < in.size() && IsCapital(in[i + 1])) lowerNext = true;
    }
    s.InputText = std::move(out);
}

}  // namespace quelvo
