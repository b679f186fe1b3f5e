#pragma once
// The fields of a request: URL query parameters and the body's JSON object
// or form fields, as one JSON object.
#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace quelvo::server {

// "a=1&b=x+y%21" as {"a":"1","b":"x y!"}; a later field of the same name wins.
void AddFormFields(std::string_view form, nlohmann::json& fields);

// The query's fields, then the body's; nullopt when a JSON body is not a JSON object.
std::optional<nlohmann::json> RequestFields(std::string_view query, std::string_view contentType,
                                            std::string_view body);

// A field as text: a string as it is, another value as JSON, `fallback` when absent or null.
std::string FieldText(const nlohmann::json& fields, const char* name, const std::string& fallback = "");

}  // namespace quelvo::server
