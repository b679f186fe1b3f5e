#pragma once
// The loaded dictionaries: read once, never changed, shared by every translation.
#include <filesystem>
#include <memory>
#include <variant>

#include "quelvo/data_error.h"

namespace quelvo {

class Lexicon {
public:
    static std::variant<std::shared_ptr<const Lexicon>, DataError> Load(const std::filesystem::path& dir);
};

}  // namespace quelvo
