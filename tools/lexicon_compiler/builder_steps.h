#pragma once
// The checks and conversions of each source file. Each step reads one file's
// text into the model; later steps may look at what earlier ones read.
#include <cstddef>
#include <string_view>

#include "diagnostics.h"
#include "lexicon/dictionary_format.h"
#include "lexicon_model.h"

namespace quelvo::lexc {

// Capacities of the text dictionary fields, terminator excluded.
inline constexpr std::size_t kWordFieldChars = kWordFieldCapacity - 1;
inline constexpr std::size_t kPhraseFieldChars = kPhraseFieldCapacity - 1;

void ReadSwedishEntries(std::string_view text, LexiconModel& model, Diagnostics& diagnostics);
void ReadSpanishForms(std::string_view text, LexiconModel& model, Diagnostics& diagnostics);
void ReadFormEntries(std::string_view text, LexiconModel& model, Diagnostics& diagnostics);
void ReadPhrases(std::string_view text, LexiconModel& model, Diagnostics& diagnostics);
void ReadVerbForms(std::string_view text, LexiconModel& model, Diagnostics& diagnostics);
void ReadIrregularVerbs(std::string_view text, LexiconModel& model, Diagnostics& diagnostics);
void ReadIrregularNouns(std::string_view text, LexiconModel& model, Diagnostics& diagnostics);

// Checks that need several files: irregular verbs and nouns without their
// record, entries the rules name by number.
void CheckAcrossFiles(const LexiconModel& model, Diagnostics& diagnostics);

}  // namespace quelvo::lexc
