#include "lexicon/file_checks.h"

#include "lexicon/dictionary_format.h"

namespace quelvo {
namespace {

bool IsRecordFile(std::string_view fileName) { return fileName.ends_with(".pek"); }

char EndMarkOf(std::string_view fileName) { return fileName == kPhrasesFileName ? kPhraseFileEnd : kEndMark; }

bool IsBinaryByte(char c) { return (c >= '\0' && c < ' ' && c != '\t' && c != '\r' && c != '\n') || c == '\x7F'; }

// Lead byte C2 or C3 and a continuation byte: "á" and the other Latin-1
// letters as UTF-8 writes them. In code page 1252 the pair reads "Ã¡", which
// no dictionary word holds.
bool IsUtf8Latin1Letter(std::string_view bytes, std::size_t i) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if ((lead != 0xC2 && lead != 0xC3) || i + 1 >= bytes.size()) return false;
    const auto next = static_cast<unsigned char>(bytes[i + 1]);
    return next >= 0x80 && next <= 0xBF;
}

// Whether any byte is one the checks below stop at: one pass of plain
// compares, which the compiler turns into vector code, clears a sound file.
bool MayHoldDamage(std::string_view bytes, bool phraseFile) {
    const unsigned char allowedTab = phraseFile ? ' ' : '\t';
    unsigned char hit = 0;
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        hit |= ((c < ' ') & (c != allowedTab) & (c != '\r') & (c != '\n')) | (c == 0x7F) | (c == 0xC2) | (c == 0xC3);
    }
    return hit != 0;
}

std::optional<FileFault> CheckTextBytes(std::string_view fileName, std::string_view bytes) {
    const bool phraseFile = fileName == kPhrasesFileName;
    if (!MayHoldDamage(bytes, phraseFile)) return std::nullopt;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (IsBinaryByte(bytes[i])) {
            return FaultAt(bytes, i, i,
                               "a binary byte " + std::to_string(static_cast<unsigned char>(bytes[i])) +
                                   " in a text file (UTF-16 or a damaged file?)");
        }
        if (IsUtf8Latin1Letter(bytes, i)) {
            return FaultAt(bytes, i, i + 2, "the file is written in UTF-8, not in code page 1252");
        }
        if (bytes[i] == '\t' && phraseFile) {
            return FaultAt(bytes, i, i, "a TAB in the phrase file (a source table in its place?)");
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<FileFault> CheckFileBytes(std::string_view fileName, std::string_view bytes) {
    if (IsRecordFile(fileName)) return std::nullopt;
    if (bytes.find_first_not_of(" \r\n") == std::string_view::npos) {
        return FileFault{0, "", std::string("the file is empty (one without entries holds just its closing \"") +
                                    EndMarkOf(fileName) + "\")"};
    }
    return CheckTextBytes(fileName, bytes);
}

std::optional<std::string> MissingEndMark(std::string_view fileName, std::string_view bytes) {
    if (IsRecordFile(fileName)) return std::nullopt;
    if (fileName == kPhrasesFileName) {
        if (bytes.find(kPhraseFileEnd) != std::string_view::npos) return std::nullopt;
        return std::string("the file lacks its closing \"") + kPhraseFileEnd + "\"";
    }
    if (bytes.starts_with(kEndMark) || bytes.rfind(std::string(kLineEnd) + kEndMark) != std::string_view::npos)
        return std::nullopt;
    return std::string("the file lacks its closing \"") + kEndMark + "\" line";
}

}  // namespace quelvo
