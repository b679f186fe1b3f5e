#include "lexicon/irregular_verbs.h"

#include <array>

#include "core/form_codes.h"
#include "lexicon/dictionary_format.h"
#include "lexicon/lexicon.h"
#include "lexicon/lookups.h"

namespace quelvo {
namespace {

constexpr PekField FieldOf(std::string_view name, std::size_t field) {
    return {name, FieldOffset(kIrregularVerbChars, field), kIrregularVerbChars[field]};
}

constexpr std::array<PekField, 6> kFields{{
    FieldOf("InfKey", 0),
    FieldOf("PastForm", 1),
    FieldOf("SupineForm", 2),
    FieldOf("ParticipleForm", 3),
    FieldOf("PresentForm", 4),
    FieldOf("PresPartForm", 5),
}};

enum class VerbFormKind { Present, Past, PresentAndPast, Supine, PresentParticiple, PastParticiple };

struct FormCodeRow {
    int formCode;
    VerbFormKind kind;
};

// The form each form code takes from a record; other codes change nothing.
constexpr std::array<FormCodeRow, 16> kFormOfCode{{
    {fc::kPresent, VerbFormKind::Present},
    {fc::kFuture, VerbFormKind::Present},
    {fc::kPresentSubjunctive, VerbFormKind::Present},
    {fc::kSpecialPresent, VerbFormKind::Present},
    {fc::kSpecialPresent2, VerbFormKind::Present},
    {fc::kImperfect, VerbFormKind::Past},
    {fc::kPreterite, VerbFormKind::Past},
    {fc::kSpecialImperfect, VerbFormKind::Past},
    {fc::kSpecialPreterite, VerbFormKind::Past},
    {fc::kPresentOrPreterite, VerbFormKind::PresentAndPast},
    {fc::kParticiple, VerbFormKind::Supine},
    {fc::kSupine, VerbFormKind::Supine},
    {fc::kParticiplePlural, VerbFormKind::Supine},
    {fc::kGerund, VerbFormKind::PresentParticiple},
    {fc::kPastParticiple, VerbFormKind::PastParticiple},
    {fc::kPastParticiple2, VerbFormKind::PastParticiple},
}};

Str30 FormOf(const IrregularVerb& verb, VerbFormKind kind) {
    switch (kind) {
        case VerbFormKind::Present: return verb.PresentForm;
        case VerbFormKind::Past: return verb.PastForm;
        case VerbFormKind::PresentAndPast: return Str30(verb.PresentForm) + "/" + verb.PastForm.view();
        case VerbFormKind::Supine: return verb.SupineForm;
        case VerbFormKind::PresentParticiple: return verb.PresPartForm;
        case VerbFormKind::PastParticiple: return verb.ParticipleForm;
    }
    return {};
}

}  // namespace

std::variant<IrregularVerbFile, FileFault> IrregularVerbFile::Read(std::string_view bytes) {
    IrregularVerbFile file;
    auto fault = ReadPekRecords(bytes, kIrregularVerbRecordSize, kFields, [&file](std::span<const std::string_view> f) {
        file.records_.Add(f[0], IrregularVerb{f[1], f[2], f[3], f[4], f[5]});
    });
    if (fault) return *std::move(fault);
    return file;
}

void LookupIrregularVerb(const TranslationState& s, Str30& form, int formCode) {
    const auto row = std::find_if(kFormOfCode.begin(), kFormOfCode.end(),
                                  [formCode](const FormCodeRow& r) { return r.formCode == formCode; });
    if (row == kFormOfCode.end()) return;
    s.Dict.IrregularVerbs().Records().Follow(form, [kind = row->kind](const IrregularVerb& verb) { return FormOf(verb, kind); });
}

}  // namespace quelvo
