#include <gtest/gtest.h>

#include "support.h"
#include "morphology/ending_analysis.h"

namespace quelvo {
namespace {

using namespace testing_support;  // the analysis helpers

using Analyser = void (*)(TranslationState&, const Str30&, bool&);

struct EndingCase {
    const char* name;
    Analyser analyse;
    std::string word;
    // "SpWord FormCode PersonNo SpClass" of the base form found, or "not found".
    std::string expected;
};

void PrintTo(const EndingCase& c, std::ostream* os) { *os << c.word; }

std::string Analysed(Analyser analyse, const std::string& utf8) {
    TranslationState s(FixtureLexicon("analysis"));
    bool found = false;
    analyse(s, Str30(Cp(utf8)), found);
    if (!found) return "not found";
    const WordFields& w = s.StagedWord;
    // The base form found is the word's SpWord, except that an adverb in "mente" keeps its own.
    if (w.FormCode != 55) {
        EXPECT_EQ(w.SpWord, s.LookupWord);
    }
    return Utf(w.SpWord) + " " + std::to_string(w.FormCode) + " " + std::to_string(w.PersonNo) + " " +
           std::to_string(w.SpClass);
}

class EndingAnalysis : public testing::TestWithParam<EndingCase> {};

TEST_P(EndingAnalysis, FindsTheBaseFormAndItsCodes) {
    EXPECT_EQ(Analysed(GetParam().analyse, GetParam().word), GetParam().expected);
}

std::string Name(const testing::TestParamInfo<EndingCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(
    LastLetter, EndingAnalysis,
    testing::Values(EndingCase{"possessive_plural", AnalyseEnding1, "mis", "mi 3 1 12"},
                    EndingCase{"noun_plural", AnalyseEnding1, "perros", "perro 3 6 1"},
                    EndingCase{"stem_vowel_o", AnalyseEnding1, "puedo", "poder 4 1 42"},
                    EndingCase{"present_a_verb", AnalyseEnding1, "habla", "hablar 4 3 3"},
                    EndingCase{"present_a_needs_a_verb", AnalyseEnding1, "ma", "not found"},
                    EndingCase{"present_e", AnalyseEnding1, "come", "comer 4 3 3"},
                    EndingCase{"subjunctive_e", AnalyseEnding1, "hable", "hablar 20 1 3"},
                    EndingCase{"subjunctive_after_c", AnalyseEnding1, "empiece", "empezar 20 1 3"},
                    EndingCase{"subjunctive_after_u", AnalyseEnding1, "pague", "pagar 20 1 3"},
                    EndingCase{"preterite_first", AnalyseEnding1, "habl\xC3\xA9", "hablar 6 1 3"},
                    EndingCase{"preterite_i", AnalyseEnding1, "com\xC3\xAD", "comer 6 1 3"},
                    EndingCase{"si_is_no_preterite", AnalyseEnding1, "s\xC3\xAD", "not found"},
                    EndingCase{"preterite_third", AnalyseEnding1, "habl\xC3\xB3", "hablar 6 3 3"},
                    EndingCase{"feminine_of_o_form", AnalyseEnding1, "lenta", "lento 30 0 2"}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    LastTwoLetters, EndingAnalysis,
    testing::Values(EndingCase{"preterite_io", AnalyseEnding2, "comi\xC3\xB3", "comer 6 3 3"},
                    EndingCase{"imperfect_ia", AnalyseEnding2, "com\xC3\xAD" "a", "comer 5 3 3"},
                    EndingCase{"present_an", AnalyseEnding2, "hablan", "hablar 4 6 3"},
                    EndingCase{"present_en", AnalyseEnding2, "comen", "comer 4 6 3"},
                    EndingCase{"present_as", AnalyseEnding2, "hablas", "hablar 4 2 3"},
                    EndingCase{"present_es", AnalyseEnding2, "comes", "comer 4 2 3"},
                    EndingCase{"present_is", AnalyseEnding2, "viv\xC3\xADs", "vivir 4 5 3"},
                    EndingCase{"too_short", AnalyseEnding2, "ven", "not found"}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    LastThreeLetters, EndingAnalysis,
    testing::Values(EndingCase{"zco", AnalyseEnding3, "conozco", "conocer 4 1 3"},
                    EndingCase{"future_short_word", AnalyseEnding3, "dar\xC3\xA1", "dar 8 3 3"},
                    EndingCase{"future_first", AnalyseEnding3, "hablar\xC3\xA9", "hablar 8 1 3"},
                    EndingCase{"participle_ado", AnalyseEnding3, "cansado", "cansar 10 0 102"},
                    EndingCase{"participle_ada", AnalyseEnding3, "cansada", "cansar 10 0 104"},
                    EndingCase{"diminutive", AnalyseEnding3, "perrito", "perro 51 3 1"},
                    EndingCase{"diminutive_feminine", AnalyseEnding3, "casita", "casa 51 3 1"},
                    EndingCase{"visita_is_no_diminutive", AnalyseEnding3, "visita", "not found"},
                    EndingCase{"imperfect_aba", AnalyseEnding3, "hablaba", "hablar 5 3 3"},
                    EndingCase{"imperfect_ian", AnalyseEnding3, "com\xC3\xAD" "an", "comer 5 6 3"}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    LastFourLetters, EndingAnalysis,
    testing::Values(EndingCase{"amos_present_or_preterite", AnalyseEnding4, "hablamos", "hablar 7 4 3"},
                    EndingCase{"emos_present", AnalyseEnding4, "comemos", "comer 4 4 3"},
                    EndingCase{"imos_of_er_verb_is_preterite", AnalyseEnding4, "comimos", "comer 6 4 3"},
                    EndingCase{"imos_of_ir_verb", AnalyseEnding4, "vivimos", "vivir 7 4 3"},
                    EndingCase{"gerund", AnalyseEnding4, "cantando", "cantar 11 0 101"},
                    EndingCase{"participle_plural", AnalyseEnding4, "cansados", "cansar 14 0 104"},
                    EndingCase{"preterite_plural", AnalyseEnding4, "hablaron", "hablar 6 6 3"},
                    EndingCase{"future_by_letter", AnalyseEnding4, "comer\xC3\xA1n", "comer 8 6 3"}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    LongEndings, EndingAnalysis,
    testing::Values(EndingCase{"gerund_iendo", AnalyseEnding5, "comiendo", "comer 11 0 101"},
                    EndingCase{"mente_from_o_form", AnalyseEnding5, "lentamente", "lentamente 55 0 5"},
                    EndingCase{"mente_accented", AnalyseEnding5, "r\xC3\xA1pidamente", "r\xC3\xA1pidamente 55 0 5"},
                    EndingCase{"superlative_respelt", AnalyseEnding5, "rapid\xC3\xADsimo", "r\xC3\xA1pido 32 0 2"},
                    EndingCase{"imperfect_first_plural", AnalyseEnding6, "habl\xC3\xA1" "bamos", "hablar 5 4 3"},
                    EndingCase{"future_first_plural", AnalyseEnding6, "comeremos", "comer 8 4 3"},
                    EndingCase{"conditional_first_plural", AnalyseEnding7, "hablar\xC3\xAD" "amos", "hablar 9 4 3"}),
    Name);

// A six-letter ending needs more than eight letters, a seven-letter one more
// than nine, so these short forms are not taken apart by them.
INSTANTIATE_TEST_SUITE_P(
    LengthGuards, EndingAnalysis,
    testing::Values(EndingCase{"seven_letters_need_ten", AnalyseEnding, "dar\xC3\xAD" "amos", "not found"},
                    EndingCase{"six_letters_need_nine", AnalyseEnding, "d\xC3\xA1" "bamos", "not found"},
                    EndingCase{"cascade_takes_shortest_first", AnalyseEnding, "casas", "casa 3 6 1"},
                    EndingCase{"cascade_reaches_long_endings", AnalyseEnding, "hablar\xC3\xAD" "amos", "hablar 9 4 3"}),
    Name);

TEST(EndingAnalysis, PluralMarkStaysWhenNothingIsFound) {
    TranslationState s(FixtureLexicon("analysis"));
    bool found = false;
    AnalyseEnding1(s, Str30("xyzs"), found);
    EXPECT_FALSE(found);
    EXPECT_EQ(s.StagedWord.FormCode, 3);
}

TEST(EndingAnalysis, AnalysersLeaveTheWordUnchanged) {
    TranslationState s(FixtureLexicon("analysis"));
    const Str30 word("hablamos");
    bool found = false;
    AnalyseEnding(s, word, found);
    EXPECT_TRUE(found);
    EXPECT_EQ(word, "hablamos");
}

struct StemCase {
    const char* name;
    std::string before;
    bool restoreO;
    std::string after;
};

class StemRestore : public testing::TestWithParam<StemCase> {};

TEST_P(StemRestore, ReplacesTheFirstPairOnly) {
    TranslationState s(FixtureLexicon("analysis"));
    s.LookupWord = Cp(GetParam().before);
    if (GetParam().restoreO) {
        RestoreStemO(s);
    } else {
        RestoreStemE(s);
    }
    EXPECT_EQ(Utf(s.LookupWord), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Pairs, StemRestore,
                         testing::Values(StemCase{"ue_to_o", "pueder", true, "poder"},
                                         StemCase{"first_ue_only", "muestruer", true, "mostruer"},
                                         StemCase{"ie_to_e", "quierer", false, "querer"},
                                         StemCase{"without_pair_unchanged", "hablar", true, "hablar"},
                                         StemCase{"ue_left_by_e", "pueder", false, "pueder"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quelvo
