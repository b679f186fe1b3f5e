#include "swedish/comparison.h"

#include <array>
#include <string_view>

#include "core/form_codes.h"
#include "lexicon/dictionary_format.h"
#include "swedish/adjectives.h"
#include "swedish/word_output.h"
#include "swedish/word_text.h"

namespace quelvo {
namespace {

struct WordPair {
    std::string_view from, to;
};

constexpr std::array<WordPair, 10> DefiniteSuperlatives{{
    {"h\xF6g", "h\xF6gst"},
    {"liten", "minst"},
    {"d\xE5lig", "s\xE4mst"},
    {"n\xE4sta", "n\xE4rmast"},
    {"gammal", "\xE4ldst"},
    {"tung", "tyngst"},
    {"stor", "st\xF6rst"},
    {"l\xE5ng", "l\xE4ngst"},
    {"ung", "yngst"},
    {"l\xE5g", "l\xE4gst"},
}};

constexpr std::array<WordPair, 11> IrregularComparatives{{
    {"h\xF6g", "h\xF6gre"},
    {"liten", "mindre"},
    {"d\xE5lig", "s\xE4mre"},
    {"n\xE4sta", "n\xE4rmre"},
    {"gammal", "\xE4ldre"},
    {"n\xE4ra", "n\xE4rmre"},
    {"stor", "st\xF6rre"},
    {"l\xE5ng", "l\xE4ngre"},
    {"ung", "yngre"},
    {"tung", "tyngre"},
    {"l\xE5g", "l\xE4gre"},
}};

// The endings "en", "er", "el" and what replaces them in the comparative
// and the definite superlative (vackrare, vackraste).
struct UnstressedEnding {
    std::string_view ending, comparative, superlative;
};

constexpr std::array<UnstressedEnding, 3> UnstressedEndings{{
    {"en", "nare", "naste"},
    {"er", "rare", "raste"},
    {"el", "lare", "laste"},
}};

template <std::size_t N>
const WordPair* Find(const std::array<WordPair, N>& table, std::string_view word) {
    for (const WordPair& row : table)
        if (row.from == word) return &row;
    return nullptr;
}

const UnstressedEnding* UnstressedEndingOf(std::string_view word) {
    for (const UnstressedEnding& row : UnstressedEndings)
        if (word.ends_with(row.ending)) return &row;
    return nullptr;
}

void EmitAdjective(TranslationState& s, std::string_view form) { EmitAndRecord(s, form, "adj"); }

constexpr std::string_view SwedishVowels = "aeiouy\xE5\xE4\xF6";

bool IsVowel(char c) { return SwedishVowels.find(c) != std::string_view::npos; }

}  // namespace

std::uint32_t ComparisonGroupOf(std::uint16_t code) {
    const auto group = static_cast<std::uint32_t>(ComparisonGroupBits(code));
    return group == 0 ? 3 : group;
}

bool HasDefiniteSuperlative(const Str30& adjective) {
    return Find(DefiniteSuperlatives, adjective) != nullptr || UnstressedEndingOf(adjective) != nullptr;
}

bool HasIrregularComparative(const Str30& adjective) { return Find(IrregularComparatives, adjective) != nullptr; }

void EmitDefiniteSuperlative(TranslationState& s, const Str30& adjective) {
    const WordPair* row = Find(DefiniteSuperlatives, adjective);
    if (row == nullptr) {
        const UnstressedEnding* ending = UnstressedEndingOf(adjective);
        EmitAdjective(s, ending != nullptr ? WithoutLast(adjective, ending->ending.size()) + ending->superlative : adjective);
        return;
    }
    Str30 form(row->to);
    form += row->from == "n\xE4sta" ? "e" : "a";
    EmitAdjective(s, form);
}

void FyllIAdjSup_4(TranslationState& s, const Str30& adjective) {
    const UnstressedEnding* row = UnstressedEndingOf(adjective);
    EmitAdjective(s, row != nullptr ? WithoutLast(adjective, row->ending.size()) + row->comparative
                                    : Str30("mer ") + adjective.view());
}

Str30 SuffixStem(const Str30& adjective) {
    const std::string_view word = adjective.view();
    const bool vowelThenM = word.size() >= 2 && word.back() == 'm' && IsVowel(word[word.size() - 2]);
    return vowelThenM ? adjective + "m" : adjective;
}

void EmitComparativeAre(TranslationState& s, const Str30& adjective) { EmitAdjective(s, SuffixStem(adjective) + "are"); }

void EmitIrregularComparative(TranslationState& s, char mark, char gender) {
    Str30 form = s.CurWord != nullptr ? s.CurWord->SvWord : Str30();
    if (const WordPair* row = Find(IrregularComparatives, form)) form = row->to;
    EmitAndRecord(s, form, "adj", mark, gender);
}

}  // namespace quelvo
