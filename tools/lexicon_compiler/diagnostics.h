#pragma once
// What the lexicon compiler found wrong with the sources, by file and line.
#include <string>
#include <string_view>
#include <vector>

namespace quelvo::lexc {

enum class Severity { Warning, Error };

struct Diagnostic {
    Severity severity;
    std::string file;  // source file name, e.g. "spanish.tsv"
    int line;          // 1-based; 0 when the whole file is meant
    std::string message;

    // "spanish.tsv:12: error: MESSAGE" (no line part when line is 0).
    std::string Describe() const;
};

class Diagnostics {
public:
    void Error(std::string_view file, int line, std::string message);
    void Warning(std::string_view file, int line, std::string message);

    bool HasErrors() const;
    const std::vector<Diagnostic>& All() const { return list_; }

private:
    std::vector<Diagnostic> list_;
};

}  // namespace quelvo::lexc
