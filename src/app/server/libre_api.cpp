#include "libre_api.h"

#include <algorithm>
#include <string>
#include <vector>

#include "api_answers.h"
#include "request_fields.h"
#include "quelvo/text.h"

namespace quelvo::server {
namespace {

constexpr const char* kRefusalPrefix = "Cannot translate text: ";
constexpr double kCertain = 100.0;
constexpr int kFrontendTimeoutMs = 500;

const nlohmann::json kSpanish = {{"code", "es"}, {"name", "Spanish"}};
const nlohmann::json kSwedish = {{"code", "sv"}, {"name", "Swedish"}};

bool KeyAccepted(const ServiceOptions& options, const nlohmann::json& fields) {
    if (options.apiKeys.empty()) return true;
    const std::string key = FieldText(fields, "api_key", FieldText(fields, "apiKey"));
    return std::find(options.apiKeys.begin(), options.apiKeys.end(), key) != options.apiKeys.end();
}

// The texts of `q`: one string, or a list of strings for a batch.
std::optional<std::vector<std::string>> Texts(const nlohmann::json& q) {
    if (q.is_string()) return std::vector<std::string>{q.get<std::string>()};
    if (!q.is_array() || !std::all_of(q.begin(), q.end(), [](const auto& t) { return t.is_string(); }))
        return std::nullopt;
    return q.get<std::vector<std::string>>();
}

std::optional<ApiResponse> CheckedLanguages(const nlohmann::json& fields) {
    const std::string source = FieldText(fields, "source");
    const std::string target = FieldText(fields, "target");
    if (source != "es" && source != "auto") return LibreError(kBadRequest, source + " is not supported");
    if (target != "sv") return LibreError(kBadRequest, target + " is not supported");
    const std::string format = FieldText(fields, "format", "text");
    if (format != "text" && format != "html") return LibreError(kBadRequest, format + " format is not supported");
    return std::nullopt;
}

// Every field as LibreTranslate checks it, in its order; nullopt when all is well.
std::optional<ApiResponse> CheckedRequest(const ServiceOptions& options, const nlohmann::json& fields,
                                          const std::optional<std::vector<std::string>>& texts) {
    for (const char* name : {"q", "source", "target"})
        if (!fields.contains(name)) return LibreError(kBadRequest, std::string("Invalid request: missing ") + name + " parameter");
    if (!KeyAccepted(options, fields)) return LibreError(kForbidden, "Invalid API key");
    if (!texts) return LibreError(kBadRequest, "Invalid request: q must be a text or a list of texts");
    if (auto refused = CheckedLanguages(fields)) return refused;
    std::size_t chars = 0;
    for (const std::string& t : *texts) chars += t.size();
    if (chars > options.charLimit)
        return LibreError(kBadRequest, "Invalid request: request (" + std::to_string(chars) + ") exceeds text limit (" +
                                           std::to_string(options.charLimit) + ")");
    const auto blank = [](const std::string& t) { return t.find_first_not_of(" \t\r\n") == std::string::npos; };
    if (std::any_of(texts->begin(), texts->end(), blank))
        return LibreError(kBadRequest, kRefusalPrefix + std::string(MessageOf(Rejection::EmptyText)));
    return std::nullopt;
}

}  // namespace

ApiResponse LibreTranslate(const Translator& translator, const ServiceOptions& options, const nlohmann::json& fields) {
    const auto texts = fields.contains("q") ? Texts(fields["q"]) : std::nullopt;
    if (auto refused = CheckedRequest(options, fields, texts)) return *refused;
    const auto format = FieldText(fields, "format", "text") == "html" ? TextFormat::Html : TextFormat::Plain;
    nlohmann::json translated = nlohmann::json::array();
    for (const std::string& text : *texts) translated.push_back(TranslateText(translator, text, format).text);
    const bool batch = fields["q"].is_array();
    nlohmann::json answer = {{"translatedText", batch ? translated : translated[0]}};
    const auto one = [batch, &texts](const nlohmann::json& value) {
        return batch ? nlohmann::json(std::vector<nlohmann::json>(texts->size(), value)) : value;
    };
    if (FieldText(fields, "source") == "auto")
        answer["detectedLanguage"] = one({{"confidence", kCertain}, {"language", "es"}});
    if (std::atoi(FieldText(fields, "alternatives", "0").c_str()) > 0) answer["alternatives"] = one(nlohmann::json::array());
    return JsonAnswer(kOk, answer);
}

ApiResponse LibreLanguages() {
    nlohmann::json spanish = kSpanish, swedish = kSwedish;
    spanish["targets"] = {"sv"};
    swedish["targets"] = nlohmann::json::array();
    return JsonAnswer(kOk, {spanish, swedish});
}

ApiResponse LibreDetect(const nlohmann::json& fields) {
    const auto texts = fields.contains("q") ? Texts(fields["q"]) : std::nullopt;
    if (!texts) return LibreError(kBadRequest, "Invalid request: missing q parameter");
    const nlohmann::json guess = nlohmann::json::array({{{"confidence", kCertain}, {"language", "es"}}});
    if (!fields["q"].is_array()) return JsonAnswer(kOk, guess);
    return JsonAnswer(kOk, std::vector<nlohmann::json>(texts->size(), guess));
}

ApiResponse LibreSettings(const ServiceOptions& options) {
    return JsonAnswer(kOk, {{"apiKeys", !options.apiKeys.empty()},
                            {"keyRequired", !options.apiKeys.empty()},
                            {"charLimit", options.charLimit},
                            {"frontendTimeout", kFrontendTimeoutMs},
                            {"suggestions", false},
                            {"filesTranslation", false},
                            {"supportedFilesFormat", nlohmann::json::array()},
                            {"language", {{"source", kSpanish}, {"target", kSwedish}}}});
}

ApiResponse LibreSpec() {
    const auto operation = [](const char* summary) { return nlohmann::json{{"summary", summary}}; };
    return JsonAnswer(kOk, {{"swagger", "2.0"},
                            {"info", {{"title", "LibreTranslate"}, {"version", "1.0"}}},
                            {"basePath", "/"},
                            {"paths",
                             {{"/translate", {{"post", operation("Translate text from a language to another")}}},
                              {"/languages", {{"get", operation("Retrieve list of supported languages")}}},
                              {"/detect", {{"post", operation("Detect the language of a single text")}}},
                              {"/frontend/settings", {{"get", operation("Retrieve frontend specific settings")}}}}}});
}

}  // namespace quelvo::server
