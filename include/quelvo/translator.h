#pragma once
// The translator's public interface: load the dictionaries once, then
// translate any number of sentences, from any number of threads.
#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "quelvo/data_error.h"

namespace quelvo {

class Lexicon;

// Why an input was refused before translation.
enum class Rejection { None, EmptyText, SeveralSentences, TooManyWords, TooLongText };

// The longest input one translation accepts, in characters.
inline constexpr std::size_t kMaxInputCharacters = 10000;

// The message shown for a rejection ("Ingen text!", ...), UTF-8.
std::string_view MessageOf(Rejection rejection);

struct Translation {
    Rejection rejection = Rejection::None;
    std::string text;                  // the Swedish line, UTF-8, without a trailing blank
    bool replacedCharacters = false;   // the input held characters the translator cannot represent
};

struct TokenSegments {
    Rejection rejection = Rejection::None;
    std::vector<std::vector<std::string>> segments;  // UTF-8 tokens of each segment
    bool replacedCharacters = false;
};

enum class ExplainFormat { Table, Json };

struct Explanation {
    Rejection rejection = Rejection::None;  // a refused input is named in the document too
    std::string document;                   // UTF-8, in the format asked for
    bool replacedCharacters = false;
};

class Translator {
public:
    // Loads the seven dictionary files of `dataDir`.
    static std::variant<Translator, DataError> Open(const std::filesystem::path& dataDir);
    // What the dictionaries loaded with but should not have: a file without
    // its closing mark. To be shown once.
    const std::vector<DataError>& Warnings() const;

    Translation Translate(std::string_view utf8Text) const;
    TokenSegments Tokens(std::string_view utf8Text) const;
    // Every stage's result for a person who maintains the dictionaries.
    Explanation Explain(std::string_view utf8Text, ExplainFormat format) const;

private:
    explicit Translator(std::shared_ptr<const Lexicon> lexicon);
    std::shared_ptr<const Lexicon> lexicon_;
};

// The data directory shipped with the running program: `data` beside it (a
// build tree), else `../share/quelvo` from it (an installation); the first
// when neither exists. `argv0` is used only where the system cannot name the
// running program.
std::filesystem::path DefaultDataDir(const std::filesystem::path& argv0);

}  // namespace quelvo
