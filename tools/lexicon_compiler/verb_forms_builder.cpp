// The irregular Spanish verb forms of "Spvb.dat".
#include <algorithm>
#include <iterator>
#include <optional>

#include "builder_steps.h"
#include "dictionary_codes.h"
#include "dictionary_files.h"
#include "source_fields.h"

namespace quelvo::lexc {
namespace {

enum VerbFormColumn { kInfinitive, kForm, kFirstPerson };
constexpr ColumnSpec kVerbFormColumns[] = {{"infinitive", true}, {"form", true}, {"1sg", false}, {"2sg", false},
                                           {"3sg", false},       {"1pl", false}, {"2pl", false}, {"3pl", false}};

// Fields end at commas.
constexpr std::string_view kReserved = ",";

void WarnAboutUnreachableForms(const RowContext& at, const LexiconModel& model, const VerbFormLine& line) {
    if (std::ranges::find(model.spanishForms, line.infinitive, &SpanishForm::form) == model.spanishForms.end())
        at.Warning("the infinitive " + Quoted(line.infinitive) + " is not in spanish.tsv; its forms are not found");
    for (const std::string& form : line.forms) {
        if (form.empty()) continue;
        for (const VerbFormLine& earlier : model.verbForms) {
            if (std::ranges::find(earlier.forms, form) != earlier.forms.end()) {
                at.Warning("the form " + Quoted(form) + " is also on line " + std::to_string(earlier.line) +
                           ", which is always found first");
                break;
            }
        }
    }
}

std::optional<std::string> Infinitive(const RowContext& at, const SourceRow& row) {
    std::optional<std::string> infinitive =
        FieldText(at, "infinitive", row.fields[kInfinitive], kVerbFormChars, kReserved);
    if (infinitive && infinitive->starts_with(kEndMark)) {
        at.Error("an infinitive may not start with \"!\", which ends the file");
        return std::nullopt;
    }
    return infinitive;
}

// The forms by person; trailing empty ones are dropped, inner ones keep
// the places of the forms after them.
std::optional<std::vector<std::string>> PersonForms(const RowContext& at, const SourceRow& row) {
    bool ok = true;
    std::vector<std::string> forms;
    for (std::size_t column = kFirstPerson; column < std::size(kVerbFormColumns); ++column) {
        const auto form = FieldText(at, kVerbFormColumns[column].name, row.fields[column], kVerbFormChars, kReserved);
        ok = ok && form.has_value();
        forms.push_back(form.value_or(""));
    }
    while (!forms.empty() && forms.back().empty()) forms.pop_back();
    if (!ok) return std::nullopt;
    if (forms.empty()) {
        at.Error("a line without forms");
        return std::nullopt;
    }
    return forms;
}

}  // namespace

void ReadVerbForms(std::string_view text, LexiconModel& model, Diagnostics& diagnostics) {
    const std::string_view file = kVerbFormFile.source;
    for (const SourceRow& row : ReadSourceTable(file, text, kVerbFormColumns, diagnostics)) {
        const RowContext at = ContextOf(file, row, diagnostics);
        const std::optional<std::string> infinitive = Infinitive(at, row);
        const std::optional<int> formCode = FindNamedValue(kVerbFormCodes, row.fields[kForm]);
        if (!formCode) at.Error("unknown form code " + Quoted(row.fields[kForm]));
        std::optional<std::vector<std::string>> forms = PersonForms(at, row);
        if (!infinitive || !formCode || !forms) continue;
        const VerbFormLine line{row.line, *infinitive, *formCode, std::move(*forms)};
        WarnAboutUnreachableForms(at, model, line);
        model.verbForms.push_back(line);
    }
}

}  // namespace quelvo::lexc
