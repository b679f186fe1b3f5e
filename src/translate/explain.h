#pragma once
// What every stage made of a sentence, for a person who maintains the
// dictionaries: one JSON document, or the same as fixed-width tables.
#include <string>

#include <nlohmann/json.hpp>

#include "core/translation_state.h"

namespace quelvo {

// Every word of WordList with all its fields and its WordTags and
// WordClassTexts entries, texts in UTF-8.
nlohmann::json DumpWords(const TranslationState& s);

// One segment: {"words", "phrases", "clauses", "output"}.
nlohmann::json DumpSegment(const TranslationState& s);

// The document {"segments": [...]} as readable tables, one per segment,
// after the "rejection" of a refused input.
std::string ExplainTable(const nlohmann::json& document);

}  // namespace quelvo
