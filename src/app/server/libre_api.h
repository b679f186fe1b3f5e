#pragma once
// The LibreTranslate API: /translate, /languages, /detect, /frontend/settings, /spec.
#include <nlohmann/json.hpp>

#include "service.h"

namespace quelvo::server {

ApiResponse LibreTranslate(const Translator& translator, const ServiceOptions& options, const nlohmann::json& fields);
ApiResponse LibreLanguages();
ApiResponse LibreDetect(const nlohmann::json& fields);
ApiResponse LibreSettings(const ServiceOptions& options);
ApiResponse LibreSpec();

}  // namespace quelvo::server
