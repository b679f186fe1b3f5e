#include "service.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string_view>

#include "api_answers.h"
#include "apy_api.h"
#include "libre_api.h"
#include "request_fields.h"
#include "web_page.h"

namespace quelvo::server {
namespace {

struct Context {
    const Translator& translator;
    const ServiceOptions& options;
    const nlohmann::json& fields;
};

struct Route {
    std::string_view path;
    bool get;
    bool post;
    ApiResponse (*answer)(const Context&);
};

ApiResponse Page(const Context&) { return {kOk, "text/html; charset=utf-8", std::string(kWebPage)}; }
ApiResponse Health(const Context&) { return JsonAnswer(kOk, {{"status", "ok"}}); }

// One path for both APIs: APy's requests name a `langpair`.
ApiResponse Translate(const Context& c) {
    if (c.fields.contains("langpair")) return ApyTranslate(c.translator, c.fields);
    return LibreTranslate(c.translator, c.options, c.fields);
}

constexpr std::array<Route, 9> kRoutes{{
    {"/", true, false, Page},
    {"/health", true, false, Health},
    {"/translate", true, true, Translate},
    {"/languages", true, true, [](const Context&) { return LibreLanguages(); }},
    {"/detect", false, true, [](const Context& c) { return LibreDetect(c.fields); }},
    {"/frontend/settings", true, false, [](const Context& c) { return LibreSettings(c.options); }},
    {"/spec", true, false, [](const Context&) { return LibreSpec(); }},
    {"/listPairs", true, true, [](const Context&) { return ApyListPairs(); }},
    {"/index.html", true, false, Page},
}};

}  // namespace

Service::Service(const Translator& translator, ServiceOptions options)
    : translator_(translator), options_(std::move(options)) {}

ApiResponse Service::ErrorOf(int status) {
    switch (status) {
        case kNotFound: return LibreError(status, "Not Found");
        case kMethodNotAllowed: return LibreError(status, "Method Not Allowed");
        case kPayloadTooLarge: return LibreError(status, "Payload Too Large");
        case kTooManyRequests: return LibreError(status, "Too many requests, slow down");
        case kBadRequest: return LibreError(status, "Bad Request");
        default: return LibreError(status, "Internal Server Error");
    }
}

ApiResponse Service::Handle(const ApiRequest& request) const {
    if (request.method == "OPTIONS") return {kNoContent, "text/plain", ""};
    const auto route = std::find_if(kRoutes.begin(), kRoutes.end(), [&](const Route& r) { return r.path == request.path; });
    if (route == kRoutes.end()) return ErrorOf(kNotFound);
    const bool allowed = (request.method == "GET" && route->get) || (request.method == "POST" && route->post);
    if (!allowed) return ErrorOf(kMethodNotAllowed);
    if (request.overloaded) return ErrorOf(kTooManyRequests);
    const auto fields = RequestFields(request.query, request.contentType, request.body);
    if (!fields) return LibreError(kBadRequest, "Invalid request: the body is not a JSON object");
    return route->answer({translator_, options_, *fields});
}

}  // namespace quelvo::server
