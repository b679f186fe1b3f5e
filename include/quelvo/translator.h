#pragma once
// The translator's public interface: load the dictionaries once, then
// translate any number of sentences, from any number of threads.
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
enum class Rejection { None, EmptyText, SeveralSentences, TooManyWords };

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

class Translator {
public:
    // Loads the seven dictionary files of `dataDir`.
    static std::variant<Translator, DataError> Open(const std::filesystem::path& dataDir);

    Translation Translate(std::string_view utf8Text) const;
    TokenSegments Tokens(std::string_view utf8Text) const;
    // Every stage's result for a person who maintains the dictionaries.
    std::string Explain(std::string_view utf8Text, ExplainFormat format) const;

private:
    explicit Translator(std::shared_ptr<const Lexicon> lexicon);
    std::shared_ptr<const Lexicon> lexicon_;
};

// The data directory shipped beside the program: `data` next to the executable.
std::filesystem::path DefaultDataDir(const std::filesystem::path& executable);

}  // namespace quelvo
