// Fuzz target: one dictionary file's reader, QUELVO_FUZZ_READER, on any bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "lexicon/form_entries.h"
#include "lexicon/irregular_nouns.h"
#include "lexicon/irregular_verbs.h"
#include "lexicon/phrase_file.h"
#include "lexicon/spanish_words.h"
#include "lexicon/swedish_entries.h"
#include "lexicon/verb_forms.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quelvo::QUELVO_FUZZ_READER::Read(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
