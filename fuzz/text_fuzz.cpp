// Fuzz target: the splitter of whole texts and their translation. The parts
// of a text put back together must give the text again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "quelvo/text.h"
#include "shared_translator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string joined;
    for (const quelvo::TextPart& part : quelvo::SplitText(text)) joined += part.text;
    if (joined != text) std::abort();
    // The last bit of the size picks the format, so that both are reached.
    quelvo::TranslateText(SharedTranslator(), text, size % 2 == 0 ? quelvo::TextFormat::Plain : quelvo::TextFormat::Html);
    return 0;
}
