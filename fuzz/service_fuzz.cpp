// Fuzz target: one HTTP request through the service, without sockets. The
// first byte picks the method, the path and the content type; the bytes up
// to the first line break are the query, the rest the body. Every answer to
// a JSON request must be a JSON document.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include <nlohmann/json.hpp>

#include "service.h"
#include "shared_translator.h"

namespace {

constexpr std::array<const char*, 4> kMethods = {"POST", "GET", "OPTIONS", "PUT"};
constexpr std::array<const char*, 8> kPaths = {"/translate", "/detect", "/languages", "/frontend/settings",
                                               "/listPairs", "/health", "/spec", "/nowhere"};
constexpr std::array<const char*, 4> kContentTypes = {"application/json", "application/x-www-form-urlencoded", "",
                                                      "text/plain"};
constexpr int kPathShift = 2;
constexpr int kContentTypeShift = 5;

const quelvo::server::Service& SharedService() {
    static const quelvo::server::Service service(SharedTranslator(), {});
    return service;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const unsigned pick = data[0];
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t lineEnd = rest.find('\n');
    quelvo::server::ApiRequest request;
    request.method = kMethods[pick % kMethods.size()];
    request.path = kPaths[(pick >> kPathShift) % kPaths.size()];
    request.contentType = kContentTypes[(pick >> kContentTypeShift) % kContentTypes.size()];
    request.query = rest.substr(0, lineEnd);
    request.body = lineEnd == std::string_view::npos ? std::string_view{} : rest.substr(lineEnd + 1);
    const quelvo::server::ApiResponse response = SharedService().Handle(request);
    if (response.contentType == "application/json" && !nlohmann::json::accept(response.body)) std::abort();
    return 0;
}
