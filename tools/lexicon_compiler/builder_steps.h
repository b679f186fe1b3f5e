#pragma once
// The checks and conversions of each source file. Each step reads one file's
// text into the model; later steps may look at what earlier ones read.
#include <cstddef>
#include <string_view>

#include "diagnostics.h"
#include "lexicon_model.h"

namespace quelvo::lexc {

// Capacities of the text dictionary fields, terminator excluded.
inline constexpr std::size_t kWordFieldChars = 19;    // "SpOrd.txt", "SvFile.txt", "SbAdj.txt" words
inline constexpr std::size_t kPhraseFieldChars = 29;  // "FrasText.txt" texts
inline constexpr std::size_t kVerbFormChars = 30;     // "Spvb.dat" fields
inline constexpr std::size_t kShortRecordChars = 20;  // string[20] of "SvVerb1.pek"
inline constexpr std::size_t kLongRecordChars = 30;   // string[30] of the record files

// The strings of one record of "SvVerb1.pek" and of "OregSubs.pek".
inline constexpr std::size_t kIrregularVerbChars[] = {kShortRecordChars, kShortRecordChars, kShortRecordChars,
                                                      kShortRecordChars, kShortRecordChars, kLongRecordChars};
inline constexpr std::size_t kIrregularNounChars[] = {kLongRecordChars, kLongRecordChars, kLongRecordChars,
                                                      kLongRecordChars};

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
