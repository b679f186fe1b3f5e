#include "diagnostics.h"

#include <algorithm>

namespace quelvo::lexc {

std::string Diagnostic::Describe() const {
    std::string where = file;
    if (line > 0) where.append(":").append(std::to_string(line));
    return where + (severity == Severity::Error ? ": error: " : ": warning: ") + message;
}

void Diagnostics::Error(std::string_view file, int line, std::string message) {
    list_.push_back({Severity::Error, std::string(file), line, std::move(message)});
}

void Diagnostics::Warning(std::string_view file, int line, std::string message) {
    list_.push_back({Severity::Warning, std::string(file), line, std::move(message)});
}

bool Diagnostics::HasErrors() const {
    return std::ranges::any_of(list_, [](const Diagnostic& d) { return d.severity == Severity::Error; });
}

}  // namespace quelvo::lexc
