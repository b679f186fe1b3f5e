#pragma once
// The HTTP service without its sockets: a request in, a response out. It
// speaks the LibreTranslate API and the Apertium APy API, and serves the
// web page. Nothing is kept from one request to the next.
#include <cstddef>
#include <string>
#include <vector>

#include "quelvo/translator.h"

namespace quelvo::server {

struct ApiRequest {
    std::string method;  // "GET", "POST", "OPTIONS", ...
    std::string path;
    std::string query;  // the URL's query string, without "?"
    std::string contentType;
    std::string body;
    bool overloaded = false;  // the server has more requests waiting than it takes
};

struct ApiResponse {
    int status = 200;
    std::string contentType = "application/json";
    std::string body;
};

struct ServiceOptions {
    std::vector<std::string> apiKeys;  // none: every key, and none, is accepted
    std::size_t charLimit = 10000;     // characters of all texts of one request
};

// The headers that let a page of any origin call the service.
struct HeaderRow {
    const char* name;
    const char* value;
};
inline constexpr HeaderRow kCorsHeaders[] = {
    {"Access-Control-Allow-Origin", "*"},
    {"Access-Control-Allow-Methods", "GET, POST, OPTIONS"},
    {"Access-Control-Allow-Headers", "Content-Type, Authorization"},
};

class Service {
public:
    Service(const Translator& translator, ServiceOptions options);
    ApiResponse Handle(const ApiRequest& request) const;
    // The answer for a status the transport gives by itself (413, 404 ...).
    static ApiResponse ErrorOf(int status);

private:
    const Translator& translator_;
    ServiceOptions options_;
};

}  // namespace quelvo::server
