#pragma once
// The loaded dictionaries: read once, never changed, shared by every translation.
// A default-made lexicon is empty: every lookup in it finds nothing.
#include <filesystem>
#include <memory>
#include <variant>
#include <vector>

#include "lexicon/form_entries.h"
#include "lexicon/irregular_nouns.h"
#include "lexicon/irregular_verbs.h"
#include "lexicon/phrase_file.h"
#include "lexicon/spanish_words.h"
#include "lexicon/swedish_entries.h"
#include "lexicon/verb_forms.h"
#include "quelvo/data_error.h"

namespace quelvo {

class Lexicon {
public:
    // Reads the seven dictionary files of `dir`.
    static std::variant<std::shared_ptr<const Lexicon>, DataError> Load(const std::filesystem::path& dir);

    const SpanishWordFile& SpanishWords() const { return spanishWords_; }
    const SwedishEntryFile& SwedishEntries() const { return swedishEntries_; }
    const FormEntryFile& FormEntries() const { return formEntries_; }
    const VerbFormFile& VerbForms() const { return verbForms_; }
    const PhraseFile& Phrases() const { return phrases_; }
    const IrregularNounFile& IrregularNouns() const { return irregularNouns_; }
    const IrregularVerbFile& IrregularVerbs() const { return irregularVerbs_; }
    // Damage that did not stop the reading: a file without its closing mark.
    const std::vector<DataError>& Warnings() const { return warnings_; }

private:
    SpanishWordFile spanishWords_;
    SwedishEntryFile swedishEntries_;
    FormEntryFile formEntries_;
    VerbFormFile verbForms_;
    PhraseFile phrases_;
    IrregularNounFile irregularNouns_;
    IrregularVerbFile irregularVerbs_;
    std::vector<DataError> warnings_;
};

}  // namespace quelvo
