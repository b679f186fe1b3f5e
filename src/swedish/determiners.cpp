#include "swedish/determiners.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/form_codes.h"
#include "core/word_classes.h"
#include "swedish/nouns.h"
#include "swedish/period_nouns.h"
#include "swedish/word_text.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

// Quantifiers after which the noun is indefinite.
constexpr std::array<std::string_view, 6> IndefiniteQuantifiers{"unos", "unas", "pocos", "pocas", "algunos", "algunas"};
// The singular quantifiers (looked up under "alguno", "mucho" ...) take an
// indefinite noun as well: "någon bok", "mycket vatten".
constexpr std::array<std::string_view, 15> IndefiniteAfter{
    "muchos", "muchas",  "varios", "varias", "unos",      "unas",     "alg\xFAn", "tal",
    "cada",   "alguno",  "ninguno", "mucho", "poco",      "bastante", "demasiado"};

template <std::size_t N>
bool Contains(const std::array<std::string_view, N>& table, std::string_view word) {
    return std::find(table.begin(), table.end(), word) != table.end();
}

void HereByGender(char gender, Str30& form) {
    if (gender == 't')
        form = "det h\xE4r";
    else if (IsCommonGender(gender))
        form = "den h\xE4r";
}

void ThereByGender(char gender, Str30& form, int number) {
    if (number == fc::kPlural)
        form = "de d\xE4r";
    else if (gender == 't')
        form = "det d\xE4r";
    else if (IsCommonGender(gender))
        form = "den d\xE4r";
}

// The quantifiers and "eso" that are emitted and recorded whole; false when
// CurWord is none of them.
bool TranslateQuantifier(TranslationState& s, char& definiteness) {
    const WordNode* word = s.CurWord;
    const WordNode* next = word->Next;
    const std::string_view spWord = word->SpWord.view();
    if (spWord == "cualquier" && next != nullptr && next->ClassTag == "n") {
        definiteness = 'o';
        EmitAndRecord(s, "vilken", "indf");
        s.CurWord->SvWord = Str30("som helst ") + s.CurWord->SvWord.view();
        return true;
    }
    Str30 form = word->SvWord;
    if (spWord == "tal") {
        definiteness = 'o';
        form = "s\xE5";
        form += next != nullptr && next->FormCode == fc::kPlural ? "dana" : "dan";
    } else if (spWord == "todo" && next != nullptr) {
        definiteness = 'b';
        if (next->SpClass == wc::kVerb)
            form = "allt";
        else if (word->FormCode == fc::kSingular)
            form = "hela";
        else if (word->FormCode == fc::kPlural)
            form = "alla";
    } else if ((spWord == "unos" || spWord == "unas") && next != nullptr && next->SpClass == wc::kNumeral) {
        // "unos veinte libros": an amount given roughly.
        definiteness = 'o';
        form = "ungef\xE4r";
    } else if (spWord == "eso") {
        form = word->FormCode == fc::kPlural ? "de" : "detta";
    } else {
        return false;
    }
    EmitAndRecord(s, form, "indf");
    return true;
}

}  // namespace

void TranslateAllWhole(const TranslationState& s, Str30& form, char gender, int number) {
    const WordNode* next = s.CurWord != nullptr ? s.CurWord->Next : nullptr;
    if (next == nullptr) return;
    if ((next->SpWord == "un" || next->SpWord == "una") && number == fc::kSingular) {
        if (gender == 't')
            form = "helt";
        else if (IsCommonGender(gender))
            form = "hel";
    } else if (next->SpWord == "el" || next->SpWord == "la") {
        form = "hela";
    } else {
        form = "alla";
    }
}

void TranslateDeterminer(TranslationState& s, char& definiteness, char gender) {
    WordNode* word = s.CurWord;
    if (word == nullptr || TranslateQuantifier(s, definiteness)) return;
    Str30 form = word->SvWord;
    if (form == "den d\xE4r" || form == "det d\xE4r") {
        ThereByGender(gender, form, word->FormCode);
        // "aquella noche": a time gone by is "den natten", without "där".
        const WordNode* noun = word->Next;
        if (noun != nullptr && noun->SpClass == wc::kNoun && IsPeriodNoun(noun->SvWord.view()))
            form = WithoutLast(form, std::string_view(" d\xE4r").size());
        definiteness = 'b';
    } else if (form == "denna" || form == "den h\xE4r" || form == "det h\xE4r") {
        HereByGender(gender, form);
        definiteness = 'b';
        word->SvWord = form;
        word->ClassTag = "indf";
        word->DefMark = definiteness;
    } else {
        definiteness = Contains(IndefiniteQuantifiers, word->SpWord) ? 'o' : 'b';
        // "någon" agrees with a neuter noun in the singular: "något hus".
        if (form == "n\xE5gon" && gender == 't' && word->FormCode != fc::kPlural) form = "n\xE5got";
    }
    EmitCounted(s, word->SpWord, form, "indf");
    s.CurWord = word->Next;
    if (Contains(IndefiniteAfter, word->SpWord)) definiteness = 'o';
}

}  // namespace quelvo
