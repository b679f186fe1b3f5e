#include "lexicon/lexicon.h"

#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace quelvo {
namespace {

std::variant<std::string, DataError> ReadDataFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return DataError{path.string(), 0, "", "the file is missing"};
    if (!std::filesystem::is_regular_file(path, error)) return DataError{path.string(), 0, "", "not a regular file"};
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    if (in) bytes << in.rdbuf();
    if (!in || in.bad()) return DataError{path.string(), 0, "", "the file cannot be read"};
    return std::move(bytes).str();
}

// Reads one dictionary file into `index`, the file named by its kind.
template <typename Index>
std::optional<DataError> ReadInto(const std::filesystem::path& dir, Index& index) {
    const std::filesystem::path path = dir / Index::kFileName;
    auto bytes = ReadDataFile(path);
    if (auto* error = std::get_if<DataError>(&bytes)) return *error;
    auto read = Index::Read(std::get<std::string>(bytes));
    if (auto* fault = std::get_if<FileFault>(&read)) return DataError{path.string(), fault->line, fault->text, fault->reason};
    index = std::get<Index>(std::move(read));
    return std::nullopt;
}

}  // namespace

std::variant<std::shared_ptr<const Lexicon>, DataError> Lexicon::Load(const std::filesystem::path& dir) {
    if (!std::filesystem::is_directory(dir)) return DataError{dir.string(), 0, "", "no such directory"};
    auto lexicon = std::make_shared<Lexicon>();
    for (auto error : {ReadInto(dir, lexicon->spanishWords_), ReadInto(dir, lexicon->swedishEntries_),
                       ReadInto(dir, lexicon->formEntries_), ReadInto(dir, lexicon->verbForms_),
                       ReadInto(dir, lexicon->phrases_), ReadInto(dir, lexicon->irregularNouns_),
                       ReadInto(dir, lexicon->irregularVerbs_)}) {
        if (error) return *error;
    }
    return std::shared_ptr<const Lexicon>(std::move(lexicon));
}

}  // namespace quelvo
