#pragma once
// The columns that become numeric codes: word class, flags, the noun and
// adjective codes, the compound form.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "dictionary_codes.h"
#include "source_fields.h"

namespace quelvo::lexc {

// The class number of a word-class label that a dictionary code can hold.
std::optional<std::uint16_t> ClassCode(const RowContext& at, std::string_view label);

struct FlagBits {
    std::uint16_t spCode1 = 0;
    std::uint16_t spCode2 = 0;
    std::uint16_t spCode3 = 0;
    std::uint16_t svCode3 = 0;
};

// The bits of the flag names in `field`; names of other code fields than
// `allowed` are reported as belonging to another file.
FlagBits FlagCodes(const RowContext& at, std::string_view field, std::initializer_list<CodeField> allowed);

// SvCode2 from the gender letter, declension class and adjective class columns.
std::optional<std::uint16_t> NounAdjectiveCode(const RowContext& at, std::string_view gender,
                                               std::string_view declension, std::string_view adjective);

// SvCode4 from a compound-form name; empty is 0.
std::optional<std::uint16_t> CompoundCode(const RowContext& at, std::string_view name);

}  // namespace quelvo::lexc
