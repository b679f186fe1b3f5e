#pragma once
// How the two APIs answer: JSON documents with a status.
#include <nlohmann/json.hpp>

#include <string>

#include "service.h"

namespace quelvo::server {

inline ApiResponse JsonAnswer(int status, const nlohmann::json& document) {
    // Text a client sent may be malformed UTF-8; it is answered, not refused.
    return {status, "application/json", document.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)};
}

// LibreTranslate's error: {"error": "..."}.
inline ApiResponse LibreError(int status, const std::string& message) {
    return JsonAnswer(status, {{"error", message}});
}

constexpr int kOk = 200;
constexpr int kNoContent = 204;
constexpr int kBadRequest = 400;
constexpr int kForbidden = 403;
constexpr int kNotFound = 404;
constexpr int kMethodNotAllowed = 405;
constexpr int kPayloadTooLarge = 413;
constexpr int kTooManyRequests = 429;
constexpr int kInternalError = 500;

}  // namespace quelvo::server
