#include "lexicon/lexicon.h"

#include <fstream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "lexicon/file_checks.h"

namespace quelvo {
namespace {

// What stands in the way of reaching `path`, said as it is: a directory that
// cannot be searched or a loop of symbolic links is not a missing file.
std::optional<DataError> Unreachable(const std::filesystem::path& path, bool wantDirectory) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error == std::errc::permission_denied) return DataError{path.string(), 0, "", "a directory on the way cannot be searched"};
    if (error == std::errc::too_many_symbolic_link_levels) return DataError{path.string(), 0, "", "a loop of symbolic links"};
    if (!std::filesystem::exists(status)) return DataError{path.string(), 0, "", wantDirectory ? "no such directory" : "the file is missing"};
    if (wantDirectory && !std::filesystem::is_directory(status)) return DataError{path.string(), 0, "", "not a directory"};
    if (!wantDirectory && !std::filesystem::is_regular_file(status)) return DataError{path.string(), 0, "", "not a regular file"};
    return std::nullopt;
}

// Reads the file whole, at the size it reports, into `bytes`: one buffer
// serves every file, so that its pages are touched once.
std::optional<DataError> ReadDataFile(const std::filesystem::path& path, std::string& bytes) {
    if (auto error = Unreachable(path, false)) return *error;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    bytes.clear();
    const std::streamoff size = in ? std::streamoff(in.tellg()) : -1;
    if (size >= 0) {
        bytes.resize(static_cast<std::size_t>(size));
        in.seekg(0);
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    if (!in || in.bad()) return DataError{path.string(), 0, "", "the file cannot be read"};
    return std::nullopt;
}

// Reads one dictionary file into `index`, the file named by its kind.
// A file without its closing mark is read, and a warning says so.
template <typename Index>
std::optional<DataError> ReadInto(const std::filesystem::path& dir, Index& index, std::vector<DataError>& warnings,
                                  std::string& text) {
    const std::filesystem::path path = dir / Index::kFileName;
    if (auto error = ReadDataFile(path, text)) return error;
    if (auto fault = CheckFileBytes(Index::kFileName, text)) return DataError{path.string(), fault->line, fault->text, fault->reason};
    if (auto warning = MissingEndMark(Index::kFileName, text)) warnings.push_back(DataError{path.string(), 0, "", *warning});
    auto read = Index::Read(text);
    if (auto* fault = std::get_if<FileFault>(&read)) return DataError{path.string(), fault->line, fault->text, fault->reason};
    index = std::get<Index>(std::move(read));
    return std::nullopt;
}

}  // namespace

std::variant<std::shared_ptr<const Lexicon>, DataError> Lexicon::Load(const std::filesystem::path& dir) {
    if (auto error = Unreachable(dir, true)) return *error;
    auto lexicon = std::make_shared<Lexicon>();
    auto& w = lexicon->warnings_;
    std::string buffer;  // each file in turn
    for (auto error : {ReadInto(dir, lexicon->spanishWords_, w, buffer), ReadInto(dir, lexicon->swedishEntries_, w, buffer),
                       ReadInto(dir, lexicon->formEntries_, w, buffer), ReadInto(dir, lexicon->verbForms_, w, buffer),
                       ReadInto(dir, lexicon->phrases_, w, buffer), ReadInto(dir, lexicon->irregularNouns_, w, buffer),
                       ReadInto(dir, lexicon->irregularVerbs_, w, buffer)}) {
        if (error) return *error;
    }
    return std::shared_ptr<const Lexicon>(std::move(lexicon));
}

}  // namespace quelvo
