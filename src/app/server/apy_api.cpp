#include "apy_api.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "api_answers.h"
#include "request_fields.h"
#include "quelvo/text.h"

namespace quelvo::server {
namespace {

// The pair as APy names it, and as two-letter codes.
constexpr std::array<std::string_view, 2> kPairNames = {"spa|swe", "es|sv"};

ApiResponse ApyError(int status, const char* message, const char* explanation) {
    return JsonAnswer(status, {{"status", "error"}, {"code", status}, {"message", message}, {"explanation", explanation}});
}

// An unknown word, "< palabra >", as APy marks it ("*palabra") or bare.
std::string UnknownWordsMarked(std::string_view text, bool mark) {
    constexpr std::string_view kOpen = "< ", kClose = " >";
    std::string out;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t open = text.find(kOpen, pos);
        const std::size_t close = open == std::string_view::npos ? open : text.find(kClose, open + kOpen.size());
        const std::string_view word =
            close == std::string_view::npos ? std::string_view{} : text.substr(open + kOpen.size(), close - open - kOpen.size());
        if (word.empty() || word.find(' ') != std::string_view::npos) {
            const std::size_t end = open == std::string_view::npos ? text.size() : open + 1;
            out += text.substr(pos, end - pos);
            pos = end;
            continue;
        }
        out.append(text.substr(pos, open - pos)).append(mark ? "*" : "").append(word);
        pos = close + kClose.size();
    }
    return out;
}

}  // namespace

ApiResponse ApyTranslate(const Translator& translator, const nlohmann::json& fields) {
    const std::string pair = FieldText(fields, "langpair");
    if (std::find(kPairNames.begin(), kPairNames.end(), pair) == kPairNames.end())
        return ApyError(kBadRequest, "Bad Request", "That pair is not installed");
    const auto q = fields.find("q");
    if (q == fields.end() || !q->is_string()) return ApyError(kBadRequest, "Bad Request", "Missing q argument");
    const bool mark = FieldText(fields, "markUnknown", "yes") != "no";
    const std::string text = UnknownWordsMarked(TranslateText(translator, q->get<std::string>()).text, mark);
    return JsonAnswer(kOk, {{"responseData", {{"translatedText", text}}},
                            {"responseDetails", nullptr},
                            {"responseStatus", kOk}});
}

ApiResponse ApyListPairs() {
    const nlohmann::json pair = {{"sourceLanguage", "spa"}, {"targetLanguage", "swe"}};
    return JsonAnswer(kOk, {{"responseData", {pair}}, {"responseDetails", nullptr}, {"responseStatus", kOk}});
}

}  // namespace quelvo::server
