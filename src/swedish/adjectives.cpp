#include "swedish/adjectives.h"

#include <array>
#include <string_view>

#include "core/form_codes.h"
#include "core/word_classes.h"
#include "swedish/nouns.h"
#include "swedish/word_output.h"
#include "swedish/word_text.h"

namespace quelvo {
namespace {

constexpr int kIrregularAdjClass = 12;
constexpr int kDropFinalD = -1;  // cut: a final "d" only

// When an adjective class takes its plural/definite ending.
enum class RestWhen {
    Always,                      // every case the singular forms leave
    DefiniteOrPlural,            // definite, or number 3
    DefiniteListedOr14OrPlural,  // definite singular or plural, number 14, or number 3
    DefiniteOr14OrPlural,        // definite, indefinite number 14, or number 3
    DefiniteSingularOrPlural,    // definite singular, or number 3 or 450
};

struct AdjClassEndings {
    int adjClass;
    int cut;  // characters taken off the dictionary form first
    std::string_view common, neuter, rest;
    RestWhen restWhen;
    bool blankIsIndefinite;  // a word without article takes the common form too
};

// The regular adjective classes. Classes 0, 9 and 11 do not inflect, class 12
// lists its forms whole (IrregularAdjectives). Classes 15 and 18 (final -t,
// -tt) keep the common form in the neuter (svart, trött); class 1 takes "a"
// in the definite (den stora), class 10 in the indefinite plural (vackra).
constexpr std::array<AdjClassEndings, 17> AdjectiveEndings{{
    {1, 0, "", "t", "a", RestWhen::Always, true},
    {2, 1, "d", "t", "da", RestWhen::DefiniteListedOr14OrPlural, false},
    {3, kDropFinalD, "d", "t", "de", RestWhen::DefiniteOr14OrPlural, false},
    {4, 0, "", "tt", "a", RestWhen::Always, false},
    {5, 2, "en", "et", "na", RestWhen::Always, false},
    {6, 2, "el", "elt", "la", RestWhen::Always, false},
    {7, 0, "", "t", "ma", RestWhen::Always, false},
    {8, 0, "", "", "a", RestWhen::DefiniteSingularOrPlural, false},
    {10, 2, "er", "ert", "ra", RestWhen::DefiniteOrPlural, false},
    {13, 2, "dd", "tt", "dda", RestWhen::DefiniteOrPlural, false},
    {14, 1, "d", "tt", "da", RestWhen::Always, false},
    {15, 1, "t", "t", "ta", RestWhen::Always, false},
    {16, 2, "d", "t", "da", RestWhen::DefiniteOrPlural, false},
    {17, 1, "d", "t", "da", RestWhen::Always, false},
    {18, 2, "tt", "tt", "tta", RestWhen::Always, false},
    {19, 2, "dd", "tt", "dda", RestWhen::DefiniteOrPlural, false},
    {20, 2, "ad", "at", "ade", RestWhen::Always, false},
}};

struct IrregularAdjective {
    std::string_view key;
    std::string_view indefCommon, indefNeuter, indefPlural, defCommon, defNeuter, defPlural;
    // Set for the comparatives: the superlative they take after a possessive
    // or an article; they have no other forms.
    std::string_view superlative = {};
};

constexpr std::array<IrregularAdjective, 18> IrregularAdjectives{{
    {"gammal", "gammal", "gammalt", "gamla", "gamla", "gamla", "gamla"},
    {"liten", "liten", "litet", "sm\xE5", "lilla", "lilla", "sm\xE5"},
    {"annan", "annan", "annat", "andra", "andra", "andra", "andra"},
    {"ende", "enda", "enda", "enda", "enda", "enda", "enda"},
    {"f\xF6rst", "f\xF6rsta", "f\xF6rsta", "f\xF6rsta", "f\xF6rsta", "f\xF6rsta", "f\xF6rsta"},
    {"vit", "vit", "vitt", "vita", "vita", "vita", "vita"},
    {"b\xE4ttre", "b\xE4ttre", "b\xE4ttre", "b\xE4ttre", "b\xE4ttre", "b\xE4ttre", "b\xE4ttre", "b\xE4sta"},
    {"sist", "sist", "sista", "sista", "sista", "sista", "sista"},
    {"\xF6verge", "\xF6vergiven", "\xF6vergivet", "\xF6vergivna", "\xF6vergivna", "\xF6vergivna", "\xF6vergivna"},
    {"en annan", "en annan", "ett annat", "andra", "andra", "andra", "andra"},
    {"allm\xE4n", "allm\xE4n", "allm\xE4nt", "allm\xE4nna", "allm\xE4nna", "allm\xE4nna", "allm\xE4nna"},
    {"sl\xE4t", "sl\xE4t", "sl\xE4tt", "sl\xE4ta", "sl\xE4ta", "sl\xE4ta", "sl\xE4ta"},
    {"f\xF6rbjuda", "f\xF6rbjuden", "f\xF6rbjudet", "f\xF6rbjudna", "f\xF6rbjudna", "f\xF6rbjudna", "f\xF6rbjudna"},
    {"s\xE4mre", "v\xE4rre", "v\xE4rre", "v\xE4rre", "v\xE4rre", "v\xE4rre", "v\xE4rre"},
    {"v\xE4rre", "v\xE4rre", "v\xE4rre", "v\xE4rre", "v\xE4rre", "v\xE4rre", "v\xE4rre", "v\xE4rsta"},
    {"sk\xE5llhet", "sk\xE5llhet", "sk\xE5llhett", "sk\xE5llheta", "sk\xE5llheta", "sk\xE5llheta", "sk\xE5llheta"},
    {"ljummen", "ljummen", "ljummet", "ljumna", "ljumna", "ljumna", "ljumna"},
    {"bra", "bra", "bra", "goda", "goda", "goda", "goda"},
}};

constexpr bool InSingularSet(int number) {
    return number == fc::kSingular || number == fc::kSingular2 || number == fc::kParticiple || number == fc::kSupine || number == fc::kAdjective || number == fc::kSuperlative;
}

bool RestApplies(RestWhen when, int number, char definiteness) {
    const bool definite = definiteness == 'b';
    switch (when) {
        case RestWhen::Always: return true;
        case RestWhen::DefiniteOrPlural: return definite || number == fc::kPlural;
        case RestWhen::DefiniteListedOr14OrPlural:
            return (definite && (InSingularSet(number) || number == fc::kPlural)) ||
                   (number == fc::kParticiplePlural && (definite || definiteness == 'o')) || number == fc::kPlural;
        case RestWhen::DefiniteOr14OrPlural: return definite || number == fc::kPlural || (definiteness == 'o' && number == fc::kParticiplePlural);
        case RestWhen::DefiniteSingularOrPlural:
            return (definite && InSingularSet(number)) || number == fc::kPlural || number == fc::kSpecialPresent;
    }
    return false;
}

const AdjClassEndings* EndingsOf(int adjClass) {
    for (const AdjClassEndings& row : AdjectiveEndings)
        if (row.adjClass == adjClass) return &row;
    return nullptr;
}

Str30 StemOf(const Str30& form, int cut) {
    if (cut == kDropFinalD) return form.back() == 'd' ? WithoutLast(form, 1) : form;
    return WithoutLast(form, static_cast<std::size_t>(cut));
}

void InflectRegular(const AdjClassEndings& row, Str30& form, char gender, int number, char definiteness) {
    const bool indefinite = definiteness == 'o' || (row.blankIsIndefinite && definiteness != 'b');
    const bool singular = InSingularSet(number);
    const Str30 stem = StemOf(form, row.cut);
    if (indefinite && singular && IsCommonGender(gender))
        form = stem + row.common;
    else if (definiteness == 'o' && singular && gender == 't')
        form = stem + row.neuter;
    else if (RestApplies(row.restWhen, number, definiteness))
        form = stem + row.rest;
}

bool AfterDeterminer(const WordNode* word) {
    const WordNode* prev = word != nullptr ? word->Prev : nullptr;
    return prev != nullptr && (prev->SpClass == wc::kPossessive || prev->SpClass == wc::kDeterminer || prev->SpClass == wc::kDeterminerPronoun);
}

const std::string_view* IrregularFormFor(const IrregularAdjective& row, char definiteness, int number, char gender) {
    const bool singular = number == fc::kSingular || number == fc::kSingular2 || number == fc::kSupine || number == fc::kAdjective;
    const bool plural = number == fc::kPlural || number == fc::kParticiplePlural;
    const bool neuter = !IsCommonGender(gender);
    if (definiteness == 'o' && singular) return neuter ? &row.indefNeuter : &row.indefCommon;
    if (definiteness == 'b' && singular) return neuter ? &row.defNeuter : &row.defCommon;
    if (definiteness == 'o' && plural) return &row.indefPlural;
    if (definiteness == 'b' && plural) return &row.defPlural;
    return nullptr;
}

}  // namespace

void SpecialAdjective(const TranslationState& s, Str30& form, std::uint16_t& code, bool& handled) {
    const WordNode* prev = s.CurWord != nullptr ? s.CurWord->Prev : nullptr;
    if (prev == nullptr) return;
    const std::string_view spWord = s.CurWord->SpWord.view();
    if (spWord == "mismo" && prev->SpClass == wc::kNoun) {
        form = "sj\xE4lv";
        code = 64;
        handled = true;
    } else if (spWord == "mayor" && prev->SpClass == wc::kDeterminer) {
        form = "st\xF6rsta";
        handled = true;
    } else if ((spWord == "otro" || spWord == "otra") && prev->SpClass == wc::kNegation) {
        form = "annan";
        handled = true;
    }
}

void LookupIrregularAdjective(const TranslationState& s, Str30& form, char definiteness, int number, char gender) {
    for (const IrregularAdjective& row : IrregularAdjectives) {
        if (form != row.key) continue;
        if (!row.superlative.empty()) {
            if (s.CurWord != nullptr && s.CurWord->Prev != nullptr)
                form = AfterDeterminer(s.CurWord) ? row.superlative : row.indefCommon;
        } else if (const std::string_view* chosen = IrregularFormFor(row, definiteness, number, gender)) {
            form = *chosen;
        }
        return;
    }
}

void InflectAdjective(TranslationState& s, Str30& form, char gender, int number, std::uint16_t code,
                      char definiteness) {
    bool handled = false;
    SpecialAdjective(s, form, code, handled);
    if (handled) return;
    const int adjClass = AdjClassOf(code);
    if (adjClass == kIrregularAdjClass) {
        LookupIrregularAdjective(s, form, definiteness, number, gender);
        // A "mest" already recorded before an irregular form is taken back.
        if (s.OutCount >= 1 && s.OutCount <= kOutWordSlots && s.OutWords[s.OutCount] == "mest") --s.OutCount;
        return;
    }
    if (const AdjClassEndings* row = EndingsOf(adjClass)) InflectRegular(*row, form, gender, number, definiteness);
}

}  // namespace quelvo
