#include "dict_reader.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <optional>

#include "import_text.h"

namespace quelvo::limp {
namespace {

constexpr std::string_view kBase64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr int kBase64Bits = 6;
constexpr std::string_view kInfoHeadwordPrefix = "00database";  // dictd's own records
constexpr unsigned kReadChunk = 1U << 16;

// Words that only mark the class in front of a translation ("att springa").
constexpr std::array<std::string_view, 13> kLeadingMarkers = {"att ", "en ", "ett ", "to ",  "a ",  "an ", "el ",
                                                              "la ",  "der ", "die ", "das ", "le ", "il "};
// Brackets whose content is a comment, not a translation.
constexpr std::array<std::pair<char, char>, 4> kCommentBrackets = {{{'<', '>'}, {'[', ']'}, {'(', ')'}, {'{', '}'}}};

std::optional<std::size_t> DecodeBase64(std::string_view s) {
    std::size_t value = 0;
    for (const char c : s) {
        const std::size_t digit = kBase64.find(c);
        if (digit == std::string_view::npos) return std::nullopt;
        value = (value << kBase64Bits) | digit;
    }
    return s.empty() ? std::nullopt : std::optional<std::size_t>(value);
}

std::string WithoutComments(std::string_view s) {
    std::string out;
    int depth = 0;
    for (const char c : s) {
        for (const auto& [open, close] : kCommentBrackets) {
            if (c == open) ++depth;
            if (c == close && depth > 0) --depth;
        }
        const bool bracket = std::ranges::any_of(kCommentBrackets, [c](auto b) { return c == b.first || c == b.second; });
        if (depth == 0 && !bracket) out += c;
    }
    return out;
}

std::string CleanTranslation(std::string_view item) {
    std::string text(TrimBlanks(item));
    for (const std::string_view marker : kLeadingMarkers)
        if (text.starts_with(marker)) text.erase(0, marker.size());
    return std::string(TrimBlanks(text));
}

// "1. word" -> "word"; a line that does not start a numbered sense -> nullopt.
std::optional<std::string_view> NumberedSense(std::string_view line) {
    std::size_t digits = 0;
    while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') ++digits;
    if (digits == 0 || !line.substr(digits).starts_with(". ")) return std::nullopt;
    return line.substr(digits + 2);
}

void AddTranslations(std::string_view line, Article& article) {
    const std::string text = WithoutComments(line);
    for (std::string_view part : SplitText(text, ';'))
        for (std::string_view item : SplitText(part, ',')) {
            std::string text = CleanTranslation(item);
            if (!text.empty()) article.translations.push_back(std::move(text));
        }
}

// First line: headword, pronunciations between slashes, "<pos, gender>".
// Then each sense: a line of translations (numbered when there are several),
// possibly followed by a gloss in the headword's language.
Article ParseArticle(std::string_view text) {
    Article article;
    const std::vector<std::string_view> lines = SplitText(text, '\n');
    const std::string_view first = lines.front();
    const std::size_t tagStart = first.find('<');
    if (tagStart != std::string_view::npos) {
        const std::string_view tag = first.substr(tagStart + 1, first.find_first_of(",>", tagStart) - tagStart - 1);
        article.partOfSpeech = std::string(TrimBlanks(tag));
    }
    const std::string_view head = first.substr(0, std::min(first.find(" /"), tagStart));
    article.headword = std::string(TrimBlanks(SplitText(head, ',').front()));
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (const auto sense = NumberedSense(lines[i])) AddTranslations(*sense, article);
        else if (i == 1) AddTranslations(lines[i], article);
    }
    return article;
}

std::string Decompress(const std::string& path, std::string& error) {
    gzFile file = gzopen(path.c_str(), "rb");
    if (file == nullptr) {
        error = path + ": cannot be opened";
        return {};
    }
    std::string out;
    std::array<char, kReadChunk> chunk{};
    int got = 0;
    while ((got = gzread(file, chunk.data(), kReadChunk)) > 0) out.append(chunk.data(), static_cast<std::size_t>(got));
    int status = Z_OK;
    const char* message = gzerror(file, &status);
    if (got < 0 || (status != Z_OK && status != Z_STREAM_END)) error = path + ": damaged compressed data (" + message + ")";
    gzclose(file);
    return out;
}

}  // namespace

DictionaryRead ParseDictionary(const std::string& indexFile, std::string_view indexText, std::string_view dictText) {
    DictionaryRead read;
    int lineNumber = 0;
    for (std::string_view line : SplitText(indexText, '\n')) {
        ++lineNumber;
        if (TrimBlanks(line).empty() || line.starts_with(kInfoHeadwordPrefix)) continue;
        if (line.ends_with('\r')) line.remove_suffix(1);
        const std::vector<std::string_view> fields = SplitText(line, '\t');
        const auto offset = fields.size() == 3 ? DecodeBase64(fields[1]) : std::nullopt;
        const auto length = fields.size() == 3 ? DecodeBase64(fields[2]) : std::nullopt;
        if (!offset || !length || *offset + *length > dictText.size() || *length == 0) {
            read.error = indexFile + ":" + std::to_string(lineNumber) + ": not an index line of this dictionary";
            read.articles.clear();
            return read;
        }
        read.articles.push_back(ParseArticle(dictText.substr(*offset, *length)));
    }
    return read;
}

DictionaryRead ReadDictionary(const std::string& base) {
    std::string error;
    const std::string index = ReadWholeFile(base + ".index", error);
    const std::string dict = error.empty() ? Decompress(base + ".dict.dz", error) : std::string();
    if (!error.empty()) return {{}, error};
    return ParseDictionary(base + ".index", index, dict);
}

}  // namespace quelvo::limp
