#include "lexicon/file_fault.h"

#include <algorithm>

#include "core/text_codec.h"

namespace quelvo {
namespace {

constexpr std::size_t kShownCharacters = 60;

// Lines end in CR LF, CR or LF; each counts once.
long LineOf(std::string_view bytes, std::size_t pos) {
    long line = 1;
    for (std::size_t i = 0; i < pos && i < bytes.size(); ++i) {
        const bool crBeforeLf = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
        if ((bytes[i] == '\r' && !crBeforeLf) || bytes[i] == '\n') ++line;
    }
    return line;
}

// Control characters are shown as escapes so that the message stays on one line.
std::string Shown(std::string_view text) {
    std::string out;
    for (char c : text.substr(0, kShownCharacters)) {
        if (c == '\t') out += "\\t";
        else if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else out += c;
    }
    return ToUtf8(out);
}

}  // namespace

FileFault FaultInLine(std::string_view bytes, std::size_t lineStart, std::size_t end, std::string reason) {
    const std::size_t from = std::min(lineStart, bytes.size());
    const std::size_t to = std::clamp(end, from, bytes.size());
    return FileFault{LineOf(bytes, from), Shown(bytes.substr(from, to - from)), std::move(reason)};
}

FileFault FaultAt(std::string_view bytes, std::size_t pos, std::size_t end, std::string reason) {
    const std::size_t lf = bytes.rfind('\n', pos);
    return FaultInLine(bytes, lf == std::string_view::npos ? 0 : lf + 1, end, std::move(reason));
}

}  // namespace quelvo
