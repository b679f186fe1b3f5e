// The time one sentence of the greatest accepted length takes to translate
// with the shipped dictionaries: 19 words and the full stop, 20 tokens.
#include <benchmark/benchmark.h>

#include <string_view>
#include <variant>

#include "quelvo/translator.h"

namespace {

constexpr std::string_view kLongestSentence =
    "El hombre viejo come la carne y el pan en la casa grande de su hermano con mucho gusto.";

void TranslateLongestSentence(benchmark::State& state) {
    auto opened = quelvo::Translator::Open(QUELVO_BUILD_DATA);
    if (const auto* error = std::get_if<quelvo::DataError>(&opened)) {
        state.SkipWithError(error->Describe().c_str());
        return;
    }
    const auto& translator = std::get<quelvo::Translator>(opened);
    if (translator.Translate(kLongestSentence).rejection != quelvo::Rejection::None) {
        state.SkipWithError("the sentence is refused");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(translator.Translate(kLongestSentence));
    state.SetLabel("20 tokens");
}

BENCHMARK(TranslateLongestSentence)->Unit(benchmark::kMicrosecond);

}  // namespace
