#include "text_mode.h"

#include <fstream>
#include <iostream>
#include <iterator>

#include "quelvo/text.h"

namespace {

constexpr int kExitKept = 1;
constexpr int kExitUnreadable = 2;

}  // namespace

int RunTextMode(const quelvo::Translator& translator, const TextModeOptions& options) {
    std::ifstream file;
    if (!options.file.empty()) {
        file.open(options.file, std::ios::binary);
        if (!file) {
            std::cerr << "quelvo: cannot read " << options.file << '\n';
            return kExitUnreadable;
        }
    }
    std::istream& in = options.file.empty() ? std::cin : file;
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto format = options.format == "html" ? quelvo::TextFormat::Html : quelvo::TextFormat::Plain;
    const quelvo::TextTranslation result = quelvo::TranslateText(translator, text, format);
    std::cout << result.text;
    if (result.replacedCharacters) std::cerr << "characters that cannot be translated were replaced by \"_\"\n";
    for (const auto& kept : result.untranslated)
        std::cerr << "kept in Spanish (" << quelvo::MessageOf(kept.rejection) << "): " << kept.source << '\n';
    return result.untranslated.empty() ? 0 : kExitKept;
}
