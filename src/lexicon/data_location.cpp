// Where the shipped dictionaries are, found from the running program.
#include <array>
#include <system_error>

#include "quelvo/translator.h"

namespace quelvo {
namespace {

// Linux names the running program here, whatever PATH entry or symbolic
// link started it; argv[0] names it only when started by its path.
constexpr const char* kRunningProgram = "/proc/self/exe";

std::filesystem::path ExecutablePath(const std::filesystem::path& argv0) {
    std::error_code error;
    auto path = std::filesystem::read_symlink(kRunningProgram, error);
    if (!error) return path;
    path = std::filesystem::canonical(argv0, error);
    return error ? argv0 : path;
}

}  // namespace

std::filesystem::path DefaultDataDir(const std::filesystem::path& argv0) {
    const auto programDir = ExecutablePath(argv0).parent_path();
    // A build tree keeps the data beside the program; an installation keeps
    // the program in PREFIX/bin and the data in PREFIX/share/quelvo.
    const std::array candidates = {programDir / "data", programDir.parent_path() / "share" / "quelvo"};
    for (const auto& dir : candidates) {
        std::error_code error;
        if (std::filesystem::is_directory(dir, error)) return dir;
    }
    return candidates.front();
}

}  // namespace quelvo
