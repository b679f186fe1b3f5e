#include <gtest/gtest.h>

#include "noun_render_support.h"
#include "swedish/noun_phrase_assembly.h"

namespace quelvo {
namespace {

using testing_support::AdjCode;
using testing_support::kCommon;
using testing_support::kNeuter;
using testing_support::NounCode;
using testing_support::Scene;
using testing_support::Utf;
using testing_support::Wd;

constexpr int kParticiple = 10;

// Nouns: "bil" takes -en/-ar, "hus" is neuter and keeps its form in the plural.
const Wd Coche{.sp = "coche", .sv = "bil", .tag = "n", .spClass = 1, .svCode2 = NounCode(4, kCommon), .gender = 'n'};
const Wd Coches{.sp = "coche", .sv = "bil", .tag = "n", .spClass = 1, .formCode = 3, .svCode2 = NounCode(4, kCommon),
                .gender = 'n'};
const Wd Casa{.sp = "casa", .sv = "hus", .tag = "n", .spClass = 1, .svCode2 = NounCode(11, kNeuter), .gender = 't'};
const Wd Casas{.sp = "casa", .sv = "hus", .tag = "n", .spClass = 1, .formCode = 3, .svCode2 = NounCode(11, kNeuter),
               .gender = 't'};
// Adjectives: "stor" regular, "vit" from the irregular table.
const Wd Grande{.sp = "grande", .sv = "stor", .tag = "adj", .spClass = 2, .svCode2 = AdjCode(1), .svClass = 2};
const Wd Blanca{.sp = "blanco", .sv = "vit", .tag = "adj", .spClass = 2, .svCode2 = AdjCode(12), .svClass = 2};
// A participle of a first-group verb: "måla", målad, målat, målade.
const Wd Pintado{.sp = "pintar", .sv = "måla", .tag = "vadj", .formCode = kParticiple, .svCode3 = 1, .svClass = 3};
// Its plural form, as the Spanish analysis marks "pintadas".
const Wd Pintadas{.sp = "pintar", .sv = "måla", .tag = "vadj", .formCode = 14, .svCode3 = 1, .svClass = 3};
const Wd El{.sp = "el", .sv = "den", .tag = "det", .spClass = 15};
const Wd La{.sp = "la", .sv = "den", .tag = "det", .spClass = 15};
const Wd Las{.sp = "las", .sv = "de", .tag = "det", .spClass = 15};
const Wd Un{.sp = "un", .sv = "en", .tag = "det", .spClass = 15};
const Wd Una{.sp = "una", .sv = "en", .tag = "det", .spClass = 15};
const Wd Mi{.sp = "mi", .sv = "min", .tag = "poss", .spClass = 12};

using Routine = void (*)(TranslationState&);

struct AssemblyCase {
    const char* name;
    Routine routine;
    std::vector<Wd> words;
    std::vector<std::string> out;
    std::vector<std::string> outTags;
    int wordAfter;
};

void PrintTo(const AssemblyCase& c, std::ostream* os) { *os << c.name; }

class NounAssembly : public testing::TestWithParam<AssemblyCase> {};

TEST_P(NounAssembly, EmitsTheWordsInSwedishOrder) {
    const AssemblyCase& c = GetParam();
    Scene t(c.words);
    c.routine(t.s);
    EXPECT_EQ(t.Out(), c.out);
    EXPECT_EQ(t.OutTags(), c.outTags);
    EXPECT_EQ(t.CurWordPosition(), c.wordAfter);
}

void ArticleNoun(TranslationState& s) { EmitArticleNoun(s); }
void NounAdjectiveIndef(TranslationState& s) { EmitNounAdjective(s, 'o'); }
void NounAdjectiveDef(TranslationState& s) { EmitNounAdjective(s, 'b'); }
void NounParticipleIndef(TranslationState& s) { EmitNounParticiple(s, 'o'); }
void ParticipleNounIndef(TranslationState& s) { EmitParticipleNoun(s, 'o'); }
void MeraParticiple(TranslationState& s) { EmitMeraParticipleNoun(s, 'o'); }
void PossessiveNoun(TranslationState& s) { EmitPossessiveNoun(s); }
void PossessiveAdjectiveNoun(TranslationState& s) { EmitPossessiveAdjectiveNoun(s); }
void AdjectiveNounDef(TranslationState& s) {
    const WordNode& noun = *s.CurWord->Next;
    EmitAdjectiveNoun(s, s.CurWord->SvWord, noun.FormCode, 'b', GenderOfNoun(noun), s.CurWord->SvCode2);
}

INSTANTIATE_TEST_SUITE_P(
    Routines, NounAssembly,
    testing::Values(
        AssemblyCase{"la_casa_definite_noun_alone", ArticleNoun, {La, Casa}, {"Huset"}, {"n"}, 3},
        AssemblyCase{"las_casas", ArticleNoun, {Las, Casas}, {"Husen"}, {"n"}, 3},
        AssemblyCase{"un_coche", ArticleNoun, {Un, Coche}, {"En", "bil"}, {"det", "n"}, 3},
        AssemblyCase{"una_casa_neuter", ArticleNoun, {Una, Casa}, {"Ett", "hus"}, {"det", "n"}, 3},
        AssemblyCase{"lo_bueno", ArticleNoun, {{.sp = "lo", .sv = "det"}, {.sp = "bueno", .sv = "god"}},
                     {"Det", "goda"}, {"ppsu", "adj"}, 3},
        AssemblyCase{"este_coche_not_lost", ArticleNoun, {{.sp = "este", .sv = "den här", .tag = "det"}, Coche},
                     {"Den här", "bilen"}, {"det", "n"}, 3},
        AssemblyCase{"casa_blanca", NounAdjectiveIndef, {Casa, Blanca}, {"Vitt", "hus"}, {"adj", "n"}, 3},
        AssemblyCase{"coches_blancos_definite", NounAdjectiveDef, {Coches, Blanca}, {"Vita", "bilarna"},
                     {"adj", "n"}, 3},
        AssemblyCase{"casa_last_word", NounAdjectiveIndef, {Casa}, {"Hus"}, {"n"}, 2},
        AssemblyCase{"coche_pintado", NounParticipleIndef, {Coche, Pintado}, {"Målad", "bil"}, {"vadj", "n"}, 3},
        AssemblyCase{"casa_pintada_neuter", NounParticipleIndef, {Casa, Pintado}, {"Målat", "hus"}, {"vadj", "n"},
                     3},
        AssemblyCase{"casas_pintadas", NounParticipleIndef, {Casas, Pintadas}, {"Målade", "hus"}, {"vadj", "n"}, 3},
        AssemblyCase{"pintado_coche", ParticipleNounIndef, {Pintado, Coche}, {"Målad", "bil"}, {"vadj", "n"}, 3},
        AssemblyCase{"coche_mas_pintado", MeraParticiple, {Coche, {.sp = "más", .sv = "mer"}, Pintado},
                     {"Mera", "målad", "bil"}, {"mer", "adj", "n"}, 4},
        AssemblyCase{"gran_coche_definite", AdjectiveNounDef, {Grande, Coche}, {"Stora", "bilen"}, {"adj", "n"}, 3},
        AssemblyCase{"pintada_casa_definite", AdjectiveNounDef, {Pintado, Casa}, {"Målade", "huset"}, {"adj", "n"},
                     3},
        AssemblyCase{"mi_casa_blanca", PossessiveNoun, {Mi, Casa, Blanca}, {"Mitt", "vita", "hus"},
                     {"poss", "adj", "n"}, 4},
        AssemblyCase{"mi_coche_alone", PossessiveNoun, {Mi, Coche}, {"Min", "bil"}, {"poss", "n"}, 3},
        AssemblyCase{"mi_gran_casa", PossessiveAdjectiveNoun, {Mi, Grande, Casa}, {"Mitt", "stora", "hus"},
                     {"poss", "adj", "n"}, 4},
        AssemblyCase{"mi_alone", PossessiveAdjectiveNoun, {Mi}, {"Min"}, {"poss"}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

struct ArticleCase {
    const char* name;
    Wd article;
    std::uint16_t nounCode;
    const char* out;
    char definiteness;
};

void PrintTo(const ArticleCase& c, std::ostream* os) { *os << c.name; }

class EmittedArticles : public testing::TestWithParam<ArticleCase> {};

TEST_P(EmittedArticles, AgreeWithTheNounsGender) {
    const ArticleCase& c = GetParam();
    Scene t({c.article, Coche});
    char definiteness = ' ';
    EmitArticle(t.s, definiteness, c.nounCode, 'n');
    EXPECT_EQ(t.Out(), std::vector<std::string>{c.out});
    EXPECT_EQ(t.OutTags(), std::vector<std::string>{"det"});
    EXPECT_EQ(definiteness, c.definiteness);
    EXPECT_EQ(t.Word(1)->DefMark, c.definiteness);
    EXPECT_EQ(t.CurWordPosition(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Spanish, EmittedArticles,
    testing::Values(ArticleCase{"la_common", La, NounCode(4, kCommon), "Den", 'b'},
                    ArticleCase{"el_neuter", El, NounCode(11, kNeuter), "Det", 'b'},
                    ArticleCase{"un_neuter", Un, NounCode(11, kNeuter), "Ett", 'o'},
                    ArticleCase{"una_common", Una, NounCode(4, kCommon), "En", 'o'},
                    ArticleCase{"los", {.sp = "los", .sv = "de"}, NounCode(11, kNeuter), "De", 'b'},
                    ArticleCase{"lo", {.sp = "lo", .sv = "det"}, NounCode(4, kCommon), "Det", 'b'},
                    ArticleCase{"other_determiner", {.sp = "aquel", .sv = "den där"}, NounCode(4, kCommon),
                                "Den där", 'b'}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EmittedArticles, WithoutAWordEmitNothing) {
    Scene t({Coche});
    t.s.CurWord = nullptr;
    char definiteness = ' ';
    EmitArticle(t.s, definiteness, 0, 'n');
    EXPECT_TRUE(t.Out().empty());
}

struct FormCodeCase {
    const char* name;
    int formCode;
    int personBefore;
    int expected;
};

void PrintTo(const FormCodeCase& c, std::ostream* os) { *os << c.name; }

class ParticipleFormCodes : public testing::TestWithParam<FormCodeCase> {};

TEST_P(ParticipleFormCodes, FollowNumberAndPerson) {
    const FormCodeCase& c = GetParam();
    Scene t({{.sp = "x", .person = c.personBefore}, {.sp = "pintar", .formCode = c.formCode}});
    t.StartAt(2);
    ParticipleFormCode(t.s);
    EXPECT_EQ(t.Word(2)->FormCode, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Codes, ParticipleFormCodes,
                         testing::Values(FormCodeCase{"singular", 10, 0, 33}, FormCodeCase{"plural", 3, 0, 34},
                                         FormCodeCase{"plural_14", 14, 0, 34}, FormCodeCase{"other", 12, 3, 12},
                                         FormCodeCase{"after_plural_person", 10, 6, 34},
                                         FormCodeCase{"after_first_plural", 12, 4, 34}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NounAssembly, AnAdjectiveThatJoinsItsNounIsRecordedWithAJoint) {
    Wd joined = Blanca;
    joined.tag = "xadj";
    Scene t({Casa, joined});
    EmitNounAdjective(t.s, 'o');
    EXPECT_EQ(t.Out(), (std::vector<std::string>{"Vitt", "hus"}));
    EXPECT_EQ(Utf(t.Word(2)->SvForm), "vitt-");
    EXPECT_EQ(t.Recorded(), (std::vector<std::string>{"vitt-", "hus"}));
}

TEST(NounAssembly, AParticipleThatJoinsItsNounShowsNoJoint) {
    Wd joined = Pintado;
    joined.tag = "xadj";
    Scene t({Coche, joined});
    EmitNounParticiple(t.s, 'o');
    EXPECT_EQ(t.Out(), (std::vector<std::string>{"Målad", "bil"}));
    EXPECT_EQ(Utf(t.Word(2)->SvForm), "målad-");
}

TEST(NounAssembly, TheHeldNounKeepsItsOwnWordUntouched) {
    Scene t({Casa, Blanca});
    EmitNounAdjective(t.s, 'b');
    EXPECT_EQ(Utf(t.Word(1)->SvForm), "hus");
    EXPECT_EQ(t.Recorded(), (std::vector<std::string>{"vita", "huset"}));
}

}  // namespace
}  // namespace quelvo
