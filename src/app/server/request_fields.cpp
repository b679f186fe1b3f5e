#include "request_fields.h"

#include <string>

namespace quelvo::server {
namespace {

constexpr int kHexBase = 16;

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string UrlDecoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int high = i + 2 < text.size() && text[i] == '%' ? HexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
        if (low >= 0) {
            out += static_cast<char>(high * kHexBase + low);
            i += 2;
        } else {
            out += text[i] == '+' ? ' ' : text[i];
        }
    }
    return out;
}

}  // namespace

void AddFormFields(std::string_view form, nlohmann::json& fields) {
    while (!form.empty()) {
        const std::size_t amp = form.find('&');
        const std::string_view field = form.substr(0, amp);
        form = amp == std::string_view::npos ? std::string_view{} : form.substr(amp + 1);
        if (field.empty()) continue;
        const std::size_t eq = field.find('=');
        const std::string_view value = eq == std::string_view::npos ? std::string_view{} : field.substr(eq + 1);
        fields[UrlDecoded(field.substr(0, eq))] = UrlDecoded(value);
    }
}

std::string FieldText(const nlohmann::json& fields, const char* name, const std::string& fallback) {
    const auto it = fields.find(name);
    if (it == fields.end() || it->is_null()) return fallback;
    return it->is_string() ? it->get<std::string>() : it->dump();
}

std::optional<nlohmann::json> RequestFields(std::string_view query, std::string_view contentType,
                                            std::string_view body) {
    nlohmann::json fields = nlohmann::json::object();
    AddFormFields(query, fields);
    if (contentType.empty() || contentType.starts_with("application/x-www-form-urlencoded")) {
        AddFormFields(body, fields);
        return fields;
    }
    if (!contentType.starts_with("application/json") || body.empty()) return fields;
    const nlohmann::json parsed = nlohmann::json::parse(body, nullptr, false);
    if (!parsed.is_object()) return std::nullopt;
    fields.update(parsed);
    return fields;
}

}  // namespace quelvo::server
