// The irregular Spanish verb forms of "Spvb.dat".
#include <algorithm>

#include "builder_steps.h"
#include "dictionary_codes.h"
#include "dictionary_files.h"

namespace quelvo::lexc {
namespace {

enum VerbFormColumn { kInfinitive, kForm, kFirstPerson };
constexpr ColumnSpec kVerbFormColumns[] = {{"infinitive", true}, {"form", true}, {"1sg", false}, {"2sg", false},
                                           {"3sg", false},       {"1pl", false}, {"2pl", false}, {"3pl", false}};
constexpr std::size_t kPersonCount = 6;

// Fields end at commas.
constexpr std::string_view kReserved = ",";

void WarnAboutShadowing(const RowContext& at, const LexiconModel& model, const VerbFormLine& line) {
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

}  // namespace

void ReadVerbForms(std::string_view text, LexiconModel& model, Diagnostics& diagnostics) {
    const std::string_view file = kVerbFormFile.source;
    for (const SourceRow& row : ReadSourceTable(file, text, kVerbFormColumns, diagnostics)) {
        const RowContext at = ContextOf(file, row, diagnostics);
        std::optional<std::string> infinitive = FieldText(at, "infinitive", row.fields[kInfinitive], kVerbFormChars, kReserved);
        if (infinitive && infinitive->starts_with('!')) {
            at.Error("an infinitive may not start with \"!\", which ends the file");
            infinitive.reset();
        }
        const std::optional<int> formCode = FindNamedValue(kVerbFormCodes, row.fields[kForm]);
        if (!formCode) at.Error("unknown form code " + Quoted(row.fields[kForm]));
        bool formsOk = true;
        std::vector<std::string> forms;
        for (std::size_t p = 0; p < kPersonCount; ++p) {
            const std::size_t column = kFirstPerson + p;
            const auto form = FieldText(at, kVerbFormColumns[column].name, row.fields[column], kVerbFormChars, kReserved);
            formsOk = formsOk && form.has_value();
            forms.push_back(form.value_or(""));
        }
        while (!forms.empty() && forms.back().empty()) forms.pop_back();
        if (formsOk && forms.empty()) at.Error("a line without forms");
        if (!infinitive || !formCode || !formsOk || forms.empty()) continue;
        const VerbFormLine line{row.line, *infinitive, *formCode, std::move(forms)};
        WarnAboutShadowing(at, model, line);
        model.verbForms.push_back(line);
    }
}

}  // namespace quelvo::lexc
