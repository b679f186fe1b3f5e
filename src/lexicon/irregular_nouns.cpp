#include "lexicon/irregular_nouns.h"

#include <array>

#include "core/form_codes.h"
#include "lexicon/dictionary_format.h"
#include "lexicon/lexicon.h"
#include "lexicon/lookups.h"

namespace quelvo {
namespace {

constexpr PekField FieldOf(std::string_view name, std::size_t field) {
    return {name, FieldOffset(kIrregularNounChars, field), kIrregularNounChars[field]};
}

constexpr std::array<PekField, 4> kFields{{
    FieldOf("IndefSg", 0),
    FieldOf("DefSg", 1),
    FieldOf("IndefPl", 2),
    FieldOf("DefPl", 3),
}};

// The form asked for, or null for a combination that changes nothing.
Str30 IrregularNoun::*FormFor(char definiteness, int number) {
    const bool singular = number == fc::kSingular || number == fc::kSingular2;
    const bool plural = number == fc::kPlural;
    if (definiteness == 'b') return singular ? &IrregularNoun::DefSg : plural ? &IrregularNoun::DefPl : nullptr;
    if (definiteness == 'o') return singular ? &IrregularNoun::IndefSg : plural ? &IrregularNoun::IndefPl : nullptr;
    return nullptr;
}

}  // namespace

std::variant<IrregularNounFile, FileFault> IrregularNounFile::Read(std::string_view bytes) {
    IrregularNounFile file;
    auto fault = ReadPekRecords(bytes, kIrregularNounRecordSize, kFields, [&file](std::span<const std::string_view> f) {
        file.records_.Add(f[0], IrregularNoun{f[0], f[1], f[2], f[3]});
    });
    if (fault) return *std::move(fault);
    return file;
}

void LookupIrregularNoun(const TranslationState& s, Str30& form, char definiteness, int number) {
    Str30 IrregularNoun::*field = FormFor(definiteness, number);
    if (field == nullptr) return;
    s.Dict.IrregularNouns().Records().Follow(form, [field](const IrregularNoun& noun) { return noun.*field; });
}

}  // namespace quelvo
