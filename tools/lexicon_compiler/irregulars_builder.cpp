// The record files of irregular Swedish verbs and nouns, and the checks that
// tie them and the rules to the Swedish entries.
#include <algorithm>
#include <array>

#include "builder_steps.h"
#include "dictionary_codes.h"
#include "dictionary_files.h"
#include "source_fields.h"

namespace quelvo::lexc {
namespace {

constexpr ColumnSpec kIrregularVerbColumns[] = {{"infinitive", true}, {"past", true},
                                                {"supine", true},     {"participle", false},
                                                {"present", true},    {"present_participle", false}};

constexpr ColumnSpec kIrregularNounColumns[] = {
    {"indefinite_singular", true}, {"definite_singular", true}, {"indefinite_plural", true}, {"definite_plural", true}};

constexpr int kIrregularDeclensions[] = {kIrregularDeclension, kIrregularDeclension2};

// The lookups read every record and compare each with the form as the
// earlier records have left it, so a form that is a later record's key is
// changed twice.
template <std::size_t N>
void WarnAboutChains(const RowContext& at, const std::vector<FormRecord<N>>& earlier, const std::string& key) {
    for (const FormRecord<N>& record : earlier) {
        if (std::find(record.forms.begin() + 1, record.forms.end(), key) != record.forms.end())
            at.Warning("a form on line " + std::to_string(record.line) + " is " + Quoted(key) +
                       ", which this line then changes again");
    }
}

template <std::size_t N>
void ReadRecords(std::string_view file, std::string_view text, const ColumnSpec (&columns)[N],
                 const std::array<std::size_t, N>& capacities, std::vector<FormRecord<N>>& records, Diagnostics& diagnostics) {
    for (const SourceRow& row : ReadSourceTable(file, text, columns, diagnostics)) {
        const RowContext at = ContextOf(file, row, diagnostics);
        FormRecord<N> record{row.line, {}};
        bool ok = true;
        for (std::size_t c = 0; c < N; ++c) {
            const auto form = FieldText(at, columns[c].name, row.fields[c], capacities[c]);
            ok = ok && form.has_value();
            record.forms[c] = form.value_or("");
        }
        if (!ok) continue;
        if (std::ranges::any_of(records, [&](const FormRecord<N>& r) { return r.forms[0] == record.forms[0]; })) {
            at.Error(Quoted(row.fields[0]) + " is listed twice");
            continue;
        }
        WarnAboutChains(at, records, record.forms[0]);
        records.push_back(std::move(record));
    }
}

std::string VerbPart(std::string_view word) { return std::string(word.substr(0, word.find(' '))); }

void CheckIrregularRecords(const LexiconModel& model, Diagnostics& diagnostics) {
    for (const SwedishEntry& e : model.entries) {
        if ((e.codes[2] & kVerbGroupMask) == kIrregularVerbGroup &&
            std::ranges::none_of(model.irregularVerbs,
                                 [&](const IrregularVerb& v) { return v.forms[0] == VerbPart(e.word); }))
            diagnostics.Warning(
                kSwedishFile.source, e.line,
                "verb group 9 without a line in swedish_irregular_verbs.tsv; the verb keeps its infinitive");
        if (std::ranges::find(kIrregularDeclensions, e.codes[1] & kDeclensionMask) != std::end(kIrregularDeclensions) &&
            std::ranges::none_of(model.irregularNouns, [&](const IrregularNoun& n) { return n.forms[0] == e.word; }))
            diagnostics.Warning(
                kSwedishFile.source, e.line,
                "an irregular declension without a line in irregular_nouns.tsv; the noun keeps its form");
    }
}

void CheckRuleNamedEntries(const LexiconModel& model, Diagnostics& diagnostics) {
    for (const RuleNamedEntry& named : kRuleNamedEntries) {
        const auto it = std::ranges::find(model.entries, named.number, &SwedishEntry::number);
        if (it != model.entries.end() && it->word != named.word)
            diagnostics.Warning(kSwedishFile.source, it->line,
                                "entry " + std::to_string(named.number) + " is used by the rules for " +
                                    std::string(named.use) + " and should hold their word");
    }
}

}  // namespace

void ReadIrregularVerbs(std::string_view text, LexiconModel& model, Diagnostics& diagnostics) {
    ReadRecords(kIrregularVerbFile.source, text, kIrregularVerbColumns, kIrregularVerbChars, model.irregularVerbs,
                diagnostics);
}

void ReadIrregularNouns(std::string_view text, LexiconModel& model, Diagnostics& diagnostics) {
    ReadRecords(kIrregularNounFile.source, text, kIrregularNounColumns, kIrregularNounChars, model.irregularNouns,
                diagnostics);
}

void CheckAcrossFiles(const LexiconModel& model, Diagnostics& diagnostics) {
    CheckIrregularRecords(model, diagnostics);
    CheckRuleNamedEntries(model, diagnostics);
}

}  // namespace quelvo::lexc
