#include "swedish/nouns.h"

#include <array>
#include <string_view>

#include "core/form_codes.h"
#include "lexicon/dictionary_format.h"
#include "lexicon/lookups.h"
#include "swedish/word_output.h"
#include "swedish/word_text.h"

namespace quelvo {
namespace {

struct NounEnding {
    int declension;
    int cut;  // characters taken off the dictionary form first
    std::string_view indefSg, defSg, indefPl, defPl;
};

// The endings of the regular declension classes; classes 15 and 22 are the
// irregular nouns of "OregSubs.pek" and have no row.
constexpr std::array<NounEnding, 38> NounEndings{{
    {1, 1, "a", "an", "or", "orna"},
    {2, 0, "", "en", "or", "orna"},
    {3, 1, "e", "en", "ar", "arna"},
    {4, 0, "", "en", "ar", "arna"},
    {5, 0, "", "en", "er", "erna"},
    {6, 0, "an", "an", "ningar", "ningarna"},
    {7, 0, "", "n", "", "na"},
    {8, 0, "", "n", "er", "erna"},
    {9, 0, "", "et", "er", "erna"},
    {10, 0, "", "t", "n", "na"},
    {11, 0, "", "et", "", "en"},
    {12, 1, "e", "en", "e", "na"},
    {13, 0, "", "n", "r", "rna"},
    {14, 1, "e", "en", "er", "erna"},
    {16, 2, "el", "let", "el", "len"},
    {17, 2, "er", "ret", "er", "ren"},
    {18, 3, "mer", "ret", "mer", "ren"},
    {19, 2, "en", "net", "en", "nen"},
    {20, 2, "er", "ern", "rar", "rarna"},
    {21, 2, "el", "eln", "lar", "larna"},
    {23, 2, "en", "nen", "nar", "narna"},
    {24, 0, "", "n", "ar", "arna"},
    {25, 2, "um", "et", "er", "erna"},
    {26, 2, "er", "ern", "rer", "rerna"},
    {27, 0, "", "met", "", "men"},
    {28, 0, "", "n", "", "na"},
    {29, 0, "", "men", "mar", "marna"},
    {30, 2, "on", "onen", "nar", "narna"},
    {31, 0, "", "n", "er", "erna"},
    {32, 0, "", "et", "er", "erna"},
    {33, 3, "mel", "len", "lar", "larna"},
    {34, 0, "", "nen", "ner", "nerna"},
    {35, 0, "", "nen", "nar", "narna"},
    {36, 0, "", "en", "er", "erna"},
    {37, 0, "", "t", "", "n"},
    {38, 3, "man", "mannen", "m\xE4n", "m\xE4nnen"},
    {39, 2, "an", "an", "ingar", "ingarna"},
    {40, 2, "el", "eln", "ler", "lerna"},
}};

struct SpecialNoun {
    std::string_view spWord;
    std::string_view indefSg, indefPl, defSg, defPl;
};

// Nouns of declension class 41, chosen by the Spanish word.
constexpr std::array<SpecialNoun, 3> SpecialNouns{{
    {"elecci\xF3n", "val", "valen", "valet", "valen"},
    {"comicio", "val", "valen", "valet", "valen"},
    {"desplome", "ras", "ras", "raset", "rasen"},
}};

constexpr bool IsSingular(int number) { return number == fc::kSingular || number == fc::kSingular2 || number == fc::kAdjective; }

const NounEnding* EndingOf(int declension) {
    for (const NounEnding& row : NounEndings)
        if (row.declension == declension) return &row;
    return nullptr;
}

// Picks the form for number and definiteness; nullptr for any other pair.
template <typename Row>
const std::string_view* FormFor(const Row& row, int number, char definiteness) {
    if (IsSingular(number) && definiteness == 'o') return &row.indefSg;
    if (IsSingular(number) && definiteness == 'b') return &row.defSg;
    if (number == fc::kPlural && definiteness == 'o') return &row.indefPl;
    if (number == fc::kPlural && definiteness == 'b') return &row.defPl;
    return nullptr;
}

void InflectSpecialNoun(const TranslationState& s, Str30& form, int number, char definiteness) {
    const std::string_view spWord = SpWordOf(s.CurWord);
    for (const SpecialNoun& row : SpecialNouns) {
        if (row.spWord != spWord) continue;
        if (const std::string_view* chosen = FormFor(row, number, definiteness)) form = *chosen;
        return;
    }
}

// The diminutive is rendered with a separate adjective before the noun.
void EmitDiminutiveWord(TranslationState& s) {
    constexpr std::string_view kLittle = "liten/litet/lilla";
    EmitCounted(s, SpWordOf(s.CurWord), kLittle, "adj");
}

}  // namespace

void ChkKatForm(TranslationState& s, Str30& form, std::uint16_t code, int number, char definiteness) {
    int declension = DeclensionOf(code);
    if (declension == kIrregularDeclension2) declension = kIrregularDeclension;
    if (declension == kIrregularDeclension) {
        LookupIrregularNoun(s, form, definiteness, number);
        return;
    }
    if (declension == kSpecialDeclension) {
        InflectSpecialNoun(s, form, number, definiteness);
        return;
    }
    const NounEnding* row = EndingOf(declension);
    if (row != nullptr) form = WithoutLast(form, row->cut);
    if (number == fc::kDiminutive) {
        EmitDiminutiveWord(s);
        number = fc::kSingular2;
    }
    if (row == nullptr) return;
    if (const std::string_view* ending = FormFor(*row, number, definiteness)) form += *ending;
}

void TranslateArticle(TranslationState& s, char gender, int number, char& definiteness, Str30& form) {
    const std::string_view spWord = SpWordOf(s.CurWord);
    if (spWord == "un" || spWord == "una") {
        if (gender == 't')
            form = "ett";
        else if (IsCommonGender(gender))
            form = "en";
        definiteness = 'o';
    } else if (spWord == "el" || spWord == "la") {
        if (number == fc::kSingular || number == fc::kSingular2 || number == fc::kDiminutive) {
            if (gender == 't')
                form = "det";
            else if (IsCommonGender(gender))
                form = "den";
        }
        definiteness = 'b';
    } else if (spWord == "los" || spWord == "las") {
        form = "de";
        definiteness = 'b';
    }
    if (s.CurWord != nullptr) {
        s.CurWord->SvWord = form;
        s.CurWord->ClassTag = "det";
    }
}

void GenderOfCode(std::uint16_t code, char& gender) {
    const auto bits = static_cast<std::size_t>(GenderBits(code));
    if (bits < kGenderLetters.size()) gender = kGenderLetters[bits];
}

}  // namespace quelvo
