#include "lexicon/lexicon.h"

namespace quelvo {

std::variant<std::shared_ptr<const Lexicon>, DataError> Lexicon::Load(const std::filesystem::path& dir) {
    if (!std::filesystem::is_directory(dir)) return DataError{dir.string(), 0, "", "no such directory"};
    return std::make_shared<const Lexicon>();
}

}  // namespace quelvo
