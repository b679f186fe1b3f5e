// Fuzz target: one input through the whole translator, with the dictionaries
// of QUELVO_FUZZ_DATA. QUELVO_FUZZ_INSPECT also runs the maintainers' views
// (Tokens and Explain) on the same input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "quelvo/translator.h"
#include "shared_translator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto& translator = SharedTranslator();
#ifdef QUELVO_FUZZ_INSPECT
    // The token view refuses exactly what the translation refuses.
    const auto tokens = translator.Tokens(text);
    if (tokens.rejection != translator.Translate(text).rejection) std::abort();
    translator.Explain(text, size % 2 == 0 ? quelvo::ExplainFormat::Json : quelvo::ExplainFormat::Table);
#else
    translator.Translate(text);
#endif
    return 0;
}
