#pragma once
// The four record kinds that carry a sentence through every stage.
#include <array>
#include <cstdint>

#include "core/fixed_string.h"
#include "core/form_codes.h"
#include "core/word_classes.h"

namespace quelvo {

struct TextNode {
    Str30 Text;
    bool Attached = false;  // a pronoun split off the verb before it
    TextNode* Next = nullptr;
    TextNode* Prev = nullptr;
};

// Every field of an analysed word; the staging record holds one of these.
struct WordFields {
    Str30 SpWord;
    Str30 SvWord;
    Str30 SvForm;
    Str30 SpText;
    Str6 SvKey;
    std::uint16_t SpCode1 = 0;
    std::uint16_t SpCode2 = 0;
    std::uint16_t SpCode3 = 0;
    std::int32_t SpClass = wc::kUnknown;
    std::uint16_t SvCode1 = 0;
    std::uint16_t SvCode2 = 0;
    std::uint16_t SvCode3 = 0;
    std::uint16_t SvCode4 = 0;
    std::int32_t SvClass = wc::kUnknown;
    std::int32_t FormCode = fc::kNone;
    std::int32_t PersonNo = 0;
    Str6 ClassTag;
    char DefMark = ' ';
    char Gender = '\0';
    std::uint8_t Known = 0;
};

struct WordNode : WordFields {
    bool Attached = false;  // a pronoun written onto the verb before it
    WordNode* Next = nullptr;
    WordNode* Prev = nullptr;
};

inline constexpr int kMaxMembers = 7;
using MemberTags = std::array<Str8, kMaxMembers + 1>;  // entries 1..7

struct PhraseNode {
    std::int32_t Pos = 0;
    Str10 Tag;
    std::int32_t RuleNo = 0;
    MemberTags Members{};
    std::int32_t MemberCount = 0;
    PhraseNode* Next = nullptr;
    PhraseNode* Prev = nullptr;
};

struct OutWordNode {
    std::int32_t OutPos = 0;
    Str30 SvText;
    Str6 OutTag;
    OutWordNode* Next = nullptr;
    OutWordNode* Prev = nullptr;
};

}  // namespace quelvo
