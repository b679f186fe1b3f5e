#pragma once
// The translator of the fuzz targets, opened once on the dictionaries of
// QUELVO_FUZZ_DATA; a target without them stops at once.
#include <cstdlib>
#include <variant>

#include "quelvo/translator.h"

inline const quelvo::Translator& SharedTranslator() {
    static const auto opened = quelvo::Translator::Open(QUELVO_FUZZ_DATA);
    if (!std::holds_alternative<quelvo::Translator>(opened)) std::abort();
    return std::get<quelvo::Translator>(opened);
}
