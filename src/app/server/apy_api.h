#pragma once
// The Apertium APy API: /translate?langpair=spa|swe&q=... and /listPairs.
#include <nlohmann/json.hpp>

#include "service.h"

namespace quelvo::server {

ApiResponse ApyTranslate(const Translator& translator, const nlohmann::json& fields);
ApiResponse ApyListPairs();

}  // namespace quelvo::server
