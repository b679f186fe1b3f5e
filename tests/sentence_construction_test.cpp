#include <gtest/gtest.h>

#include "support.h"

namespace quelvo {
namespace {

using namespace testing_support;  // the analysis helpers

TEST_P(BuiltWord, HasItsEntryCodesAndTag) {
    const auto s = Built(GetParam().sentence);
    EXPECT_EQ(Compact(*s, GetParam().position), GetParam().expected);
}

// "SpWord SvWord SpClass FormCode PersonNo WordTag".
INSTANTIATE_TEST_SUITE_P(
    LookupDictionary, BuiltWord,
    testing::Values(WordCase{"infinitive", "Comer.", 1, "comer äta 99 19 0 inf_i"},
                    WordCase{"hay_is_present", "Hay perro.", 1, "hay finnas 3 4 0 vt"},
                    WordCase{"noun", "El perro.", 2, "perro hund 1 1 0 n"},
                    WordCase{"adjective_is_feminine_form", "Lento.", 1, "lento långsam 2 30 0 adj"},
                    WordCase{"fuera", "Fuera.", 1, "fuera ute 130 1 0 adv"},
                    WordCase{"subject_pronoun_person", "Tú comes.", 1, "tú du 10 1 2 ppsu"},
                    WordCase{"su_is_looked_up_as_el", "Su casa.", 1, "el den 15 1 0 det"},
                    WordCase{"sus_is_looked_up_as_los", "Sus casas.", 1, "los de 48 1 0 det"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    LookupVerbForms, BuiltWord,
    testing::Values(WordCase{"hablamos", "Hablamos.", 1, "hablar tala 3 4 4 vi"},
                    WordCase{"comemos", "Comemos.", 1, "comer äta 3 4 4 vi"},
                    WordCase{"comimos", "Comimos.", 1, "comer äta 3 6 4 vi"},
                    WordCase{"puedo", "Puedo.", 1, "poder kunna 42 4 1 vi"},
                    WordCase{"conozco", "Conozco.", 1, "conocer känna 3 4 1 vi"},
                    WordCase{"dara", "Dará.", 1, "dar ge 3 8 3 vi"},
                    WordCase{"cantando", "Cantando.", 1, "cantar sjunga 101 11 0 vi"},
                    WordCase{"listed_form", "Veo.", 1, "ver se 3 4 1 vi"},
                    WordCase{"listed_participle", "Comido.", 1, "comer äta 104 10 0 vadj"},
                    WordCase{"estar_is_auxiliary", "Está.", 1, "estar vara 4 4 3 hjv"},
                    WordCase{"continuar_first_plural", "Continuamos.", 1, "continuar fortsätta 3 4 4 vi"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    LookupBuiltInWords, BuiltWord,
    testing::Values(WordCase{"mente_table", "Rápidamente.", 1, "rápidamente snabbt 5 0 0 adv"},
                    WordCase{"mente_by_ending", "Lentamente.", 1, "lentamente långsam 5 55 0 adv"},
                    WordCase{"special_word", "Carrobomba.", 1, "carrobomba bilbomb 1 1 0 n"},
                    WordCase{"plural_table", "Jóvenes.", 1, "joven ung 20 3 0 n"},
                    WordCase{"acronym", "Veo la ONU.", 3, "ONU FN 16 1 3 egnm"},
                    WordCase{"name_in_sentence", "Veo a Juan.", 3, "Juan Juan 16 1 3 egnm"},
                    WordCase{"name_opening_sentence", "Pedro come.", 1, "Pedro Pedro 16 1 3 egnm"},
                    WordCase{"name_after_question_mark", "¿Pedro come?", 2, "Pedro Pedro 16 1 3 egnm"},
                    WordCase{"name_after_exclamation_mark", "¡Pedro come!", 2, "Pedro Pedro 16 1 3 egnm"},
                    WordCase{"word_after_exclamation_mark", "¡Come!", 2, "comer äta 3 16 2 vi"},
                    WordCase{"word_after_quote", "\"Come\".", 2, "comer äta 3 4 3 vi"},
                    WordCase{"feminine_participle", "Abierta.", 1, "abierta öppen 104 10 0 vadj"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    LookupNumbersMarksAndUnknownWords, BuiltWord,
    testing::Values(WordCase{"year", "En 2005.", 2, "2005 2005 6 1 0 rord"},
                    WordCase{"letter_and_digit", "Es A4.", 2, "A4 A4 6 1 0 rord"},
                    WordCase{"digit_and_letter_is_unknown", "Es 4x.", 2, "4x < 4x > 0 1 0 x"},
                    WordCase{"comma", "Sí, no.", 2, ", , 103 1 0 komma"},
                    WordCase{"full_stop", "Sí, no.", 4, ". . 100 1 0 sklj"},
                    WordCase{"unknown", "Perro xyzq.", 2, "xyzq < xyzq > 0 1 0 x"}),
    CaseName);

// "poder" in these forms is the auxiliary "kunna" under its fixed entry; as a
// participle without "haber" it is then read as an adjective.
TEST(SentenceConstruction, PoderParticipleIsTheAuxiliary) {
    const auto s = Built("Podido.");
    const WordNode* w = WordAt(*s, 1);
    EXPECT_EQ(Utf(w->SvKey), "147");
    EXPECT_EQ(w->SvCode3, 9);
    EXPECT_EQ(Compact(*s, 1), "poder kunna 104 10 0 vadj");
}

TEST(SentenceConstruction, KeepsTheTypedTokenInSpText) {
    const auto s = Built("Su casa.");
    EXPECT_EQ(Utf(WordAt(*s, 1)->SpText), "su");
    EXPECT_EQ(Utf(WordAt(*s, 2)->SpText), "casa");
}

TEST(SentenceConstruction, ListsUnknownWords) {
    const auto s = Built("Perro xyzq abcq.");
    EXPECT_EQ(s->UnknownIndex, 3);
    EXPECT_EQ(Utf(s->UnknownWords[1]), "xyzq");
    EXPECT_EQ(Utf(s->UnknownWords[2]), "abcq");
    EXPECT_EQ(WordAt(*s, 2)->Known, 0);
    EXPECT_EQ(WordAt(*s, 1)->Known, 1);
}

TEST(SentenceConstruction, LowersTheFirstWordAfterAnOpeningQuote) {
    const auto s = Built("«Perro» come.");
    EXPECT_EQ(Utf(WordAt(*s, 2)->SpText), "perro");
    EXPECT_EQ(Utf(WordAt(*s, 2)->SvWord), "hund");
}

TEST(SentenceConstruction, EverySegmentStartsWithASmallLetter) {
    const auto s = Built("Perro: Casa.");
    EXPECT_EQ(CompactSentence(*s), (std::vector<std::string>{"casa hus 1 1 0 n", ". . 100 1 0 sklj"}));
}

TEST(SentenceConstruction, FillsThePerWordArrays) {
    const auto s = Built("Tú comes perros.");
    ASSERT_EQ(s->WordCount, 4);
    EXPECT_EQ(s->WordClassNos.Get(1), 10);
    EXPECT_EQ(s->WordClassNos.Get(3), 1);
    EXPECT_EQ(s->WordPersonNos.Get(1), 2);
    EXPECT_EQ(s->WordPersonNos.Get(2), 2);
    EXPECT_EQ(s->WordPersonNos.Get(3), 6);
    EXPECT_EQ(Utf(s->WordClassTexts.Get(2)), "v");
    EXPECT_EQ(s->OutTags.Size(), s->SlotCount + 5);
}

struct ClassRuleCase {
    const char* name;
    std::string sentence;
    int position;
    int wordClass;
    int personNo;
};

void PrintTo(const ClassRuleCase& c, std::ostream* os) { *os << c.sentence; }

class ClassRules : public testing::TestWithParam<ClassRuleCase> {};

// The class as the word was appended, before the correction passes.
TEST_P(ClassRules, SetTheClassFromTheCodeBits) {
    const auto s = Built(GetParam().sentence);
    EXPECT_EQ(s->WordClassNos.Get(GetParam().position), GetParam().wordClass);
    EXPECT_EQ(s->WordPersonNos.Get(GetParam().position), GetParam().personNo);
}

INSTANTIATE_TEST_SUITE_P(
    Bits, ClassRules,
    testing::Values(ClassRuleCase{"noun_with_participle_bit", "Paseo.", 1, 22, 3},
                    ClassRuleCase{"sbadj_with_participle_bit", "Dicho.", 1, 23, 3},
                    ClassRuleCase{"noun_with_bit_11", "El pedido.", 2, 120, 0},
                    ClassRuleCase{"adjective_with_bit_12", "Lleno.", 1, 28, 0},
                    ClassRuleCase{"plain_noun", "Perro.", 1, 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quelvo
