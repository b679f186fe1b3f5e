#include <gtest/gtest.h>

#include "swedish/nouns.h"
#include "support.h"

namespace quelvo {
namespace {

using testing_support::Form;
using Sentence = testing_support::Scene;
using testing_support::Utf;
using W = testing_support::Wd;

struct NounCase {
    const char* name;
    const char* spanish;
    const char* swedish;
    std::uint16_t code;
    int number;
    char definiteness;
    const char* expected;
};

void PrintTo(const NounCase& c, std::ostream* os) { *os << c.name; }

std::string Inflected(const NounCase& c) {
    Sentence t({W{.sp = c.spanish, .sv = c.swedish}});
    Str30 form = Form(c.swedish);
    ChkKatForm(t.s, form, c.code, c.number, c.definiteness);
    return Utf(form);
}

class NounForms : public testing::TestWithParam<NounCase> {};

TEST_P(NounForms, FollowNumberAndDefiniteness) { EXPECT_EQ(Inflected(GetParam()), GetParam().expected); }

constexpr std::uint16_t kCommon = 2 << 11;
constexpr std::uint16_t kNeuter = 3 << 11;

INSTANTIATE_TEST_SUITE_P(
    Endings, NounForms,
    testing::Values(NounCase{"bil_indefinite", "coche", "bil", kCommon | 4, 1, 'o', "bil"},
                    NounCase{"bil_definite", "coche", "bil", kCommon | 4, 1, 'b', "bilen"},
                    NounCase{"bil_plural", "coche", "bil", kCommon | 4, 3, 'o', "bilar"},
                    NounCase{"bil_definite_plural", "coche", "bil", kCommon | 4, 3, 'b', "bilarna"},
                    NounCase{"bil_number_30", "coche", "bil", 4, 30, 'b', "bilen"},
                    NounCase{"flicka_indefinite", "chica", "flicka", 1, 2, 'o', "flicka"},
                    NounCase{"flicka_definite", "chica", "flicka", 1, 2, 'b', "flickan"},
                    NounCase{"flicka_plural", "chica", "flicka", 1, 3, 'o', "flickor"},
                    NounCase{"flicka_definite_plural", "chica", "flicka", 1, 3, 'b', "flickorna"},
                    NounCase{"hus_neuter_class_11", "casa", "hus", kNeuter | 11, 3, 'b', "husen"},
                    NounCase{"man_class_38_plural", "hombre", "man", 38, 3, 'o', "män"},
                    NounCase{"man_class_38_definite_plural", "hombre", "man", 38, 3, 'b', "männen"},
                    NounCase{"fagel_class_21", "pájaro", "fågel", 21, 3, 'b', "fåglarna"},
                    NounCase{"class_0_no_ending", "x", "bil", 0, 3, 'b', "bil"},
                    NounCase{"class_50_no_row", "x", "bil", 50, 3, 'b', "bil"},
                    NounCase{"no_definiteness", "coche", "bil", 4, 3, ' ', "bil"},
                    NounCase{"cut_longer_than_word", "x", "a", 18, 3, 'b', "ren"},
                    NounCase{"result_cut_to_30", "x", "abcdefghijklmnopqrstuvwxyzåäö", 4, 3, 'b',
                             "abcdefghijklmnopqrstuvwxyzåäöa"}),
    [](const auto& info) { return std::string(info.param.name); });

// Declension class 41: a few nouns chosen by the Spanish word.
INSTANTIATE_TEST_SUITE_P(Class41, NounForms,
                         testing::Values(NounCase{"eleccion", "elección", "val", 41, 1, 'o', "val"},
                                         NounCase{"eleccion_plural", "elección", "val", 41, 3, 'o', "valen"},
                                         NounCase{"comicio_definite", "comicio", "val", 41, 2, 'b', "valet"},
                                         NounCase{"comicio_definite_plural", "comicio", "val", 41, 3, 'b', "valen"},
                                         NounCase{"desplome", "desplome", "ras", 41, 30, 'o', "ras"},
                                         NounCase{"desplome_plural", "desplome", "ras", 41, 3, 'o', "ras"},
                                         NounCase{"desplome_definite", "desplome", "ras", 41, 1, 'b', "raset"},
                                         NounCase{"desplome_definite_plural", "desplome", "ras", 41, 3, 'b', "rasen"},
                                         NounCase{"other_word_unchanged", "casa", "hus", 41, 3, 'b', "hus"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Irregular nouns come from "OregSubs.pek" of the fixture.
INSTANTIATE_TEST_SUITE_P(OregSubs, NounForms,
                         testing::Values(NounCase{"man", "hombre", "man", 15, 1, 'o', "man"},
                                         NounCase{"man_definite", "hombre", "man", 15, 2, 'b', "mannen"},
                                         NounCase{"man_plural", "hombre", "man", 15, 3, 'o', "män"},
                                         NounCase{"man_definite_plural", "hombre", "man", 15, 3, 'b', "männen"},
                                         NounCase{"class_22_is_irregular", "ratón", "mus", 22, 3, 'b', "mössen"},
                                         NounCase{"number_30_unchanged", "hombre", "man", 15, 30, 'b', "man"},
                                         NounCase{"not_in_file", "perro", "hund", 15, 3, 'b', "hund"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Diminutive, EmitsLitenBeforeTheSingularNoun) {
    Sentence t({W{.sp = "cochecito", .sv = "bil"}});
    t.ContinueSentence();
    Str30 form = Form("bil");
    ChkKatForm(t.s, form, 4, 51, 'b');
    EXPECT_EQ(Utf(form), "bilen");
    EXPECT_EQ(t.Out(), std::vector<std::string>{"liten/litet/lilla"});
    EXPECT_EQ(t.s.OutCount, 2);
    EXPECT_EQ(Utf(t.s.OutWords[1]), "liten/litet/lilla");
    EXPECT_EQ(t.s.CurWord, t.Word(1));
}

TEST(ArticleWithoutWord, ChangesNothing) {
    Sentence t;
    Str30 form = "-";
    char definiteness = ' ';
    TranslateArticle(t.s, 't', 1, definiteness, form);
    EXPECT_EQ(form.view(), "-");
    EXPECT_EQ(definiteness, ' ');
}

}  // namespace
}  // namespace quelvo
