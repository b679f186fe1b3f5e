#include "code_fields.h"

#include <algorithm>

#include "core/word_classes.h"

namespace quelvo::lexc {

std::optional<std::uint16_t> ClassCode(const RowContext& at, std::string_view label) {
    const std::optional<int> number = WordClassByLabel(label);
    if (!number) {
        at.Error("unknown word class " + Quoted(label));
        return std::nullopt;
    }
    if (*number >= (1 << kClassBits)) {
        at.Error("the word class " + Quoted(label) + " (" + std::to_string(*number) +
                 ") is set by the rules and cannot be stored in a dictionary code");
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(*number);
}

FlagBits FlagCodes(const RowContext& at, std::string_view field, std::initializer_list<CodeField> allowed) {
    FlagBits bits;
    for (const std::string& name : SplitNames(field)) {
        const FlagName* flag = FindFlag(name);
        if (flag == nullptr) {
            at.Error("unknown flag " + Quoted(name));
            continue;
        }
        if (std::ranges::find(allowed, flag->field) == allowed.end()) {
            at.Error("the flag " + Quoted(name) + " belongs to " +
                     (flag->field == CodeField::SvCode3 ? "swedish.tsv" : "spanish.tsv"));
            continue;
        }
        switch (flag->field) {
            case CodeField::SpCode1:
                bits.spCode1 |= flag->bits;
                break;
            case CodeField::SpCode2:
                bits.spCode2 |= flag->bits;
                break;
            case CodeField::SpCode3:
                bits.spCode3 |= flag->bits;
                break;
            case CodeField::SvCode3:
                bits.svCode3 |= flag->bits;
                break;
        }
    }
    return bits;
}

std::optional<std::uint16_t> NounAdjectiveCode(const RowContext& at, std::string_view gender,
                                               std::string_view declension, std::string_view adjective) {
    std::optional<int> genderCode = 0;
    if (!gender.empty()) {
        genderCode = GenderCode(gender);
        if (!genderCode) at.Error("unknown gender " + Quoted(gender) + "; write m, f, n or t");
    }
    const std::optional<int> declensionClass = FieldNumber(at, "declension", declension, 1, kMaxDeclension);
    const std::optional<int> adjectiveClass = FieldNumber(at, "adjective", adjective, 0, kMaxAdjectiveClass);
    if (!genderCode || !declensionClass || !adjectiveClass) return std::nullopt;
    return static_cast<std::uint16_t>(*declensionClass | (*adjectiveClass << kAdjectiveShift) |
                                      (*genderCode << kGenderShift));
}

std::optional<std::uint16_t> CompoundCode(const RowContext& at, std::string_view name) {
    if (name.empty()) return 0;
    const std::optional<int> value = FindNamedValue(kCompoundForms, name);
    if (!value) {
        at.Error("unknown compound form " + Quoted(name));
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(*value);
}

}  // namespace quelvo::lexc
