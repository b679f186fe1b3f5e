// The Swedish entries, the Spanish forms that point to them and the further
// forms of "SbAdj.txt".
#include <algorithm>
#include <set>

#include "builder_steps.h"
#include "code_fields.h"
#include "core/word_classes.h"
#include "dictionary_files.h"

namespace quelvo::lexc {
namespace {

enum SwedishColumn {
    kKey,
    kNumber,
    kWord,
    kSvClass,
    kGender,
    kDeclension,
    kAdjective,
    kComparison,
    kGroup,
    kCompound,
    kSvFlags
};
constexpr ColumnSpec kSwedishColumns[] = {
    {"key", false},    {"number", false},     {"word", true},       {"class", true},
    {"gender", false}, {"declension", false}, {"adjective", false}, {"comparison", false},
    {"group", false},  {"compound", false},   {"flags", false},
};

enum SpanishColumn { kSpanish, kEntry, kSpClass, kSpFlags };
constexpr ColumnSpec kSpanishColumns[] = {{"spanish", true}, {"entry", true}, {"class", true}, {"flags", false}};

enum FormEntryColumn { kForm, kFormEntry };
constexpr ColumnSpec kFormEntryColumns[] = {{"spanish", true}, {"entry", true}};

// SvCode1..SvCode4 of an entry; warns about an incomplete noun or s-verb.
std::array<std::uint16_t, 4> SwedishCodes(const RowContext& at, const SourceRow& row) {
    const auto& f = row.fields;
    const std::uint16_t svClass = ClassCode(at, f[kSvClass]).value_or(0);
    const int comparison = FieldNumber(at, "comparison", f[kComparison], 1, kMaxComparisonGroup).value_or(0);
    const int group = FieldNumber(at, "group", f[kGroup], 1, kMaxVerbGroup).value_or(0);
    const FlagBits flags = FlagCodes(at, f[kSvFlags], {CodeField::SvCode3});
    const bool sVerb = HasFlag(flags.svCode3, kSVerbFlag);
    if (group == kSVerbGroup && !sVerb) at.Warning("verb group 12 without the flag \"s-verb\"");
    if (sVerb && group != kSVerbGroup) at.Warning("the flag \"s-verb\" without verb group 12");
    if (svClass == wc::kNoun && f[kGender].empty()) at.Warning("a noun without gender");
    if (svClass == wc::kNoun && f[kDeclension].empty()) at.Warning("a noun without declension class");
    return {static_cast<std::uint16_t>(svClass | (comparison << kComparisonShift)),
            NounAdjectiveCode(at, f[kGender], f[kDeclension], f[kAdjective]).value_or(0),
            static_cast<std::uint16_t>(group | flags.svCode3), CompoundCode(at, f[kCompound]).value_or(0)};
}

// Gives every entry without a fixed number the lowest number not yet taken.
void NumberEntries(std::vector<SwedishEntry>& entries) {
    std::set<int> taken;
    for (const SwedishEntry& e : entries)
        if (e.number != 0) taken.insert(e.number);
    int next = 1;
    for (SwedishEntry& e : entries) {
        if (e.number != 0) continue;
        while (taken.contains(next)) ++next;
        e.number = next++;
    }
}

std::optional<int> EntryNumberOf(const LexiconModel& model, std::string_view key, const RowContext& at) {
    const auto it = std::ranges::find(model.entries, key, &SwedishEntry::key);
    if (it == model.entries.end()) {
        at.Error("no entry " + Quoted(key) + " in swedish.tsv");
        return std::nullopt;
    }
    return it->number;
}

}  // namespace

void ReadSwedishEntries(std::string_view text, LexiconModel& model, Diagnostics& diagnostics) {
    const std::string_view file = kSwedishFile.source;
    std::set<std::string> keys;
    std::set<int> fixedNumbers;
    for (const SourceRow& row : ReadSourceTable(file, text, kSwedishColumns, diagnostics)) {
        const RowContext at = ContextOf(file, row, diagnostics);
        const std::string key = row.fields[kKey].empty() ? row.fields[kWord] : row.fields[kKey];
        if (!keys.insert(key).second) {
            at.Error("the entry key " + Quoted(key) + " is used twice");
            continue;
        }
        const int number = FieldNumber(at, "number", row.fields[kNumber], 1, kMaxEntryNumber).value_or(0);
        if (number != 0 && !fixedNumbers.insert(number).second)
            at.Error("the entry number " + std::to_string(number) + " is used twice");
        const std::string word = FieldText(at, "word", row.fields[kWord], kWordFieldChars).value_or("");
        model.entries.push_back({row.line, key, number, word, SwedishCodes(at, row)});
    }
    NumberEntries(model.entries);
}

void ReadSpanishForms(std::string_view text, LexiconModel& model, Diagnostics& diagnostics) {
    const std::string_view file = kSpanishFile.source;
    std::set<std::string> forms;
    for (const SourceRow& row : ReadSourceTable(file, text, kSpanishColumns, diagnostics)) {
        const RowContext at = ContextOf(file, row, diagnostics);
        const std::optional<std::string> form = FieldText(at, "spanish", row.fields[kSpanish], kWordFieldChars);
        const std::optional<int> entry = EntryNumberOf(model, row.fields[kEntry], at);
        const std::optional<std::uint16_t> spClass = ClassCode(at, row.fields[kSpClass]);
        const FlagBits flags =
            FlagCodes(at, row.fields[kSpFlags], {CodeField::SpCode1, CodeField::SpCode2, CodeField::SpCode3});
        if (!form || !entry || !spClass) continue;
        if (!forms.insert(*form).second) {
            at.Error("the Spanish form " + Quoted(row.fields[kSpanish]) +
                     " is listed twice; only the first is ever found");
            continue;
        }
        model.spanishForms.push_back(
            {row.line,
             *form,
             *entry,
             {static_cast<std::uint16_t>(*spClass | flags.spCode1), flags.spCode2, flags.spCode3}});
    }
}

void ReadFormEntries(std::string_view text, LexiconModel& model, Diagnostics& diagnostics) {
    const std::string_view file = kFormEntryFile.source;
    std::set<std::string> forms;
    for (const SourceRow& row : ReadSourceTable(file, text, kFormEntryColumns, diagnostics)) {
        const RowContext at = ContextOf(file, row, diagnostics);
        // "!" where a record starts ends the file, and the form is the first field.
        const std::optional<std::string> form = FieldText(at, "spanish", row.fields[kForm], kWordFieldChars, std::string_view(&kEndMark, 1));
        const std::optional<int> entry = EntryNumberOf(model, row.fields[kFormEntry], at);
        if (!form || !entry) continue;
        if (!forms.insert(*form).second) {
            at.Error("the Spanish form " + Quoted(row.fields[kForm]) +
                     " is listed twice; only the first is ever found");
            continue;
        }
        model.formEntries.push_back({row.line, *form, *entry});
    }
}

}  // namespace quelvo::lexc
