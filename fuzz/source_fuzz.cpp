// Fuzz target: the lexicon compiler on one source file; the first byte picks
// which file the rest of the input stands for.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "lexicon_compiler.h"

namespace {

constexpr std::array<const char*, 7> kSourceNames = {
    "spanish.tsv", "swedish.tsv", "form_entries.tsv", "spanish_verbs.tsv",
    "phrases.tsv", "irregular_nouns.tsv", "swedish_irregular_verbs.tsv"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string name = kSourceNames[data[0] % kSourceNames.size()];
    quelvo::lexc::CompileLexicon({{name, std::string(reinterpret_cast<const char*>(data) + 1, size - 1)}});
    return 0;
}
