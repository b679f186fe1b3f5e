#include <gtest/gtest.h>

#include <sstream>

#include "noun_render_support.h"
#include "render/noun_phrase_recipes.h"
#include "render/noun_phrases.h"

namespace quelvo {
namespace {

using testing_support::AdjCode;
using testing_support::ComparisonCode;
using testing_support::kCommon;
using testing_support::kNeuter;
using testing_support::NounCode;
using testing_support::Ph;
using testing_support::Scene;
using testing_support::Wd;

constexpr std::uint16_t kBil = NounCode(4, kCommon);
constexpr std::uint16_t kHus = NounCode(11, kNeuter);

const Wd El{.sp = "el", .sv = "den", .tag = "det", .spClass = 15};
const Wd La{.sp = "la", .sv = "den", .tag = "det", .spClass = 15};
const Wd Los{.sp = "los", .sv = "de", .tag = "det", .spClass = 15};
const Wd Un{.sp = "un", .sv = "en", .tag = "det", .spClass = 15};
const Wd Coche{.sp = "coche", .sv = "bil", .tag = "n", .spClass = 1, .svCode2 = kBil, .gender = 'n'};
const Wd Coches{.sp = "coche", .sv = "bil", .tag = "n", .spClass = 1, .formCode = 3, .svCode2 = kBil, .gender = 'n'};
const Wd Casa{.sp = "casa", .sv = "hus", .tag = "n", .spClass = 1, .svCode2 = kHus, .gender = 't'};
const Wd Casas{.sp = "casa", .sv = "hus", .tag = "n", .spClass = 1, .formCode = 3, .svCode2 = kHus, .gender = 't'};
const Wd Blanca{.sp = "blanco", .sv = "vit", .tag = "adj", .spClass = 2, .svCode2 = AdjCode(12), .svClass = 2};
const Wd Azul{.sp = "azul", .sv = "blå", .tag = "adj", .spClass = 2, .svCode2 = AdjCode(4), .svClass = 2};
const Wd Verde{.sp = "verde", .sv = "grön", .tag = "adj", .spClass = 2, .svCode2 = AdjCode(1), .svClass = 2};
// Adjectives by comparison group: suffix (1), "mer"/"mest" (3), irregular (4 and 7), where a
// word outside the irregular tables is compared by its ending "en"/"er"/"el" or with "mest".
const Wd Rapido{.sp = "rápido", .sv = "snabb", .tag = "adj", .spClass = 2, .svCode1 = ComparisonCode(1),
                .svCode2 = AdjCode(1), .svClass = 2};
const Wd Interesante{.sp = "interesante", .sv = "intressant", .tag = "adj", .spClass = 2,
                     .svCode1 = ComparisonCode(3), .svCode2 = AdjCode(1), .svClass = 2};
const Wd Bonito{.sp = "bonito", .sv = "vacker", .tag = "adj", .spClass = 2, .svCode1 = ComparisonCode(4),
                .svCode2 = AdjCode(10), .svClass = 2};
const Wd Grande{.sp = "grande", .sv = "stor", .tag = "adj", .spClass = 2, .svCode1 = ComparisonCode(7),
                .svCode2 = AdjCode(1), .svClass = 2};
const Wd Alto{.sp = "alto", .sv = "hög", .tag = "adj", .spClass = 2, .svCode1 = ComparisonCode(4),
              .svCode2 = AdjCode(1), .svClass = 2};
const Wd Pintado{.sp = "pintar", .sv = "måla", .tag = "vadj", .formCode = 10, .svCode3 = 1, .svClass = 3};
const Wd Mas{.sp = "más", .sv = "mer", .tag = "mer"};
const Wd Y{.sp = "y", .sv = "och", .tag = "ykon"};
const Wd Mi{.sp = "mi", .sv = "min", .tag = "poss", .spClass = 12};
const Wd Para{.sp = "para", .sv = "för", .tag = "prep", .spClass = 7};
const Wd Todo{.sp = "todo", .sv = "all", .tag = "indf", .spClass = 13};
const Wd Juan{.sp = "Juan", .sv = "Juan", .tag = "egnm", .spClass = 16};
const Wd Perez{.sp = "Pérez", .sv = "Pérez", .tag = "egnm", .spClass = 16};
const Wd Este{.sp = "este", .sv = "den här", .tag = "det", .spClass = 47};
const Wd Stop{.sp = ".", .sv = ".", .tag = "sklj"};

struct RuleCase {
    const char* name;
    Ph phrase;
    std::vector<Wd> words;
    std::vector<std::string> out;
};

void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.name; }

class PhraseRules : public testing::TestWithParam<RuleCase> {};

// The phrase is followed by the sentence's closing mark, where CurWord must end.
TEST_P(PhraseRules, RenderTheirPhraseInSwedishOrder) {
    const RuleCase& c = GetParam();
    std::vector<Wd> words = c.words;
    words.push_back(Stop);
    Scene t(words, {c.phrase, Ph{"ST", 260, {"sklj"}}});
    if (c.phrase.tag == "NPP") RenderPrepPhrase(t.s);
    else RenderPhraseByRule(t.s);
    EXPECT_EQ(t.Out(), c.out);
    const int words_ = static_cast<int>(c.words.size());
    EXPECT_EQ(t.CurWordPosition(), words_ + 1);
    EXPECT_EQ(t.s.CurWordNo, words_ + 1);
    EXPECT_EQ(t.s.CurPhraseNo, 2);
    EXPECT_EQ(t.PhrasePosition(), 1);
}

Ph NP(int rule, std::vector<std::string> members) { return Ph{"NP", rule, std::move(members)}; }

INSTANTIATE_TEST_SUITE_P(
    Rules, PhraseRules,
    testing::Values(
        RuleCase{"r137_la_casa", NP(137, {"det", "n"}), {La, Casa}, {"Huset"}},
        RuleCase{"r137_un_coche", NP(137, {"det", "n"}), {Un, Coche}, {"En", "bil"}},
        RuleCase{"r14_la_casa_blanca_y_azul", NP(14, {"det", "n", "adj", "ykon", "adj"}), {La, Casa, Blanca, Y, Azul},
                 {"Det", "vita", "och", "blåa", "huset"}},
        RuleCase{"r1_el_gran_coche_blanco_y_azul", NP(1, {"det", "adj", "n", "adj", "ykon", "adj"}),
                 {El, Grande, Coche, Blanca, Y, Azul}, {"Den", "stora", "vita", "och", "blåa", "bilen"}},
        RuleCase{"r24_los_verdes_y_blancos_coches", NP(24, {"det", "adj", "ykon", "adj", "n"}),
                 {Los, Verde, Y, Blanca, Coches}, {"De", "gröna", "och", "vita", "bilarna"}},
        RuleCase{"r72_el_coche_verde", NP(72, {"det", "n", "adj"}), {El, Coche, Verde}, {"Den", "gröna", "bilen"}},
        RuleCase{"r72_un_coche_verde", NP(72, {"det", "n", "adj"}), {Un, Coche, Verde}, {"En", "grön", "bil"}},
        RuleCase{"r910_like_det_n_adj", NP(910, {"det", "n", "adj"}), {El, Coche, Verde}, {"Den", "gröna", "bilen"}},
        RuleCase{"r139_casa_blanca", NP(139, {"n", "adj"}), {Casa, Blanca}, {"Vitt", "hus"}},
        RuleCase{"r71_el_gran_coche", NP(71, {"det", "adj", "n"}), {El, Grande, Coche}, {"Den", "stora", "bilen"}},
        RuleCase{"r1350_gran_coche", NP(1350, {"adj", "n"}), {Grande, Coche}, {"Stor", "bil"}},
        RuleCase{"r147_mas_lejos", Ph{"MAdv", 147, {"mer", "adv"}}, {Mas, {.sp = "lejos", .sv = "långt"}},
                 {"Längre bort"}},
        RuleCase{"r147_mas_cerca", Ph{"MAdv", 147, {"mer", "adv"}}, {Mas, {.sp = "cerca", .sv = "nära"}},
                 {"Mer", "nära"}},
        RuleCase{"r141_que_plural", NP(141, {"indf", "n"}), {{.sp = "qué", .sv = "vad", .tag = "indf"}, Coches},
                 {"Vilka", "bilar"}},
        RuleCase{"r141_que_singular", NP(141, {"indf", "n"}), {{.sp = "qué", .sv = "vad", .tag = "indf"}, Coche},
                 {"Vilken", "bil"}},
        RuleCase{"r141_ningun", NP(141, {"indf", "n"}), {{.sp = "ningún", .sv = "ingen", .tag = "indf"}, Coche},
                 {"Ingen", "bil"}},
        RuleCase{"r35_superlative_suffix", NP(35, {"det", "n", "mer", "adj"}), {El, Coche, Mas, Rapido},
                 {"Den", "snabbaste", "bilen"}},
        RuleCase{"r35_comparative_suffix", NP(35, {"det", "n", "mer", "adj"}), {Un, Coche, Mas, Rapido},
                 {"En", "snabbare", "bil"}},
        RuleCase{"r35_superlative_mest", NP(35, {"det", "n", "mer", "adj"}), {El, Coche, Mas, Interesante},
                 {"Den", "mest", "intressanta", "bilen"}},
        RuleCase{"r35_comparative_mer", NP(35, {"det", "n", "mer", "adj"}), {Un, Coche, Mas, Interesante},
                 {"En", "mer", "intressant", "bil"}},
        RuleCase{"r35_comparative_unstressed_end", NP(35, {"det", "n", "mer", "adj"}), {Un, Coche, Mas, Bonito},
                 {"En", "vackrare", "bil"}},
        RuleCase{"r45_superlative_irregular", NP(45, {"det", "mer", "adj", "n"}), {El, Mas, Grande, Coche},
                 {"Den", "största", "bilen"}},
        RuleCase{"r133_comparative_irregular", Ph{"MAdj", 133, {"mer", "adj"}}, {Mas, Grande}, {"Större"}},
        RuleCase{"r133_comparative_group4_irregular", Ph{"MAdj", 133, {"mer", "adj"}}, {Mas, Alto}, {"Högre"}},
        RuleCase{"r35_superlative_group4_irregular", NP(35, {"det", "n", "mer", "adj"}), {El, Coche, Mas, Alto},
                 {"Den", "högsta", "bilen"}},
        RuleCase{"r35_superlative_group4_unlisted", NP(35, {"det", "n", "mer", "adj"}), {El, Coche, Mas, Bonito},
                 {"Den", "mest", "vackra", "bilen"}},
        RuleCase{"r4_mest_and_two_adjectives", NP(4, {"det", "n", "mer", "adj", "ykon", "adj"}),
                 {El, Coche, Mas, Rapido, Y, Bonito}, {"Den", "mest", "snabba", "och", "vackra", "bilen"}},
        RuleCase{"r21_mera_after_un", NP(21, {"det", "n", "xadj", "mer", "adj"}), {Un, Coche, Verde, Mas, Rapido},
                 {"En", "grön", "mera", "snabb", "bil"}},
        RuleCase{"r21_superlative_after_el", NP(21, {"det", "n", "xadj", "mer", "adj"}),
                 {El, Coche, Verde, Mas, Rapido}, {"Den", "gröna", "snabbaste", "bilen"}},
        RuleCase{"r43_mera_participle", NP(43, {"det", "n", "mer", "vadj"}), {Un, Coche, Mas, Pintado},
                 {"En", "mera", "målad", "bil"}},
        RuleCase{"r43_mest_participle", NP(43, {"det", "n", "mer", "vadj"}), {El, Coche, Mas, Pintado},
                 {"Den", "mest", "målade", "bilen"}},
        RuleCase{"r140_mi_casa", NP(140, {"poss", "n"}), {Mi, Casa}, {"Mitt", "hus"}},
        RuleCase{"r76_mi_gran_casa", NP(76, {"poss", "adj", "n"}), {Mi, Grande, Casa}, {"Mitt", "stora", "hus"}},
        RuleCase{"r75_mi_casa_blanca", NP(75, {"poss", "n", "adj"}), {Mi, Casa, Blanca}, {"Mitt", "vita", "hus"}},
        RuleCase{"r58_compound_definite", NP(58, {"det", "dN", "deN", "dN"}),
                 {El, {.sp = "campo", .sv = "plan", .tag = "n", .spClass = 1, .svCode2 = kBil},
                  {.sp = "de", .sv = "av", .tag = "prep"},
                  {.sp = "fútbol", .sv = "fotboll", .tag = "n", .spClass = 1, .svCode4 = 2}},
                 {"Fotbollsplanen"}},
        RuleCase{"r114_compound", NP(114, {"dN", "deN", "dN"}),
                 {{.sp = "campo", .sv = "plan", .tag = "n", .spClass = 1, .svCode2 = kBil},
                  {.sp = "de", .sv = "av", .tag = "prep"},
                  {.sp = "fútbol", .sv = "fotboll", .tag = "n", .spClass = 1, .svCode4 = 2}},
                 {"Fotbollsplan"}},
        RuleCase{"r131_el_madrid", NP(131, {"det", "egnm"}), {El, {.sp = "Madrid", .sv = "Madrid", .spClass = 16}},
                 {"Madrid"}},
        RuleCase{"r132_names", NP(132, {"egnm", "egnm"}), {Juan, Perez}, {"Juan", "Pérez"}},
        RuleCase{"r56_article_shown_as_is", NP(56, {"det", "xadj", "egnm", "egnm"}), {El, Grande, Juan, Perez},
                 {"Den", "stor", "Juan", "Pérez"}},
        RuleCase{"r153_casas", NP(153, {"n"}), {Casas}, {"Hus"}},
        RuleCase{"r153_coches", NP(153, {"n"}), {Coches}, {"Bilar"}},
        RuleCase{"r93_todos_los_coches", NP(93, {"indf", "det", "n"}), {Todo, Los, Coches}, {"Alla", "bilarna"}},
        RuleCase{"r57_todo_el_coche_verde", NP(57, {"indf", "det", "n", "xadj"}), {Todo, El, Coche, Verde},
                 {"Hela", "den", "gröna", "bilen"}},
        RuleCase{"r52_todo_el_coche_verde", NP(52, {"indf", "det", "n", "adj"}), {Todo, El, Coche, Verde},
                 {"Hela", "den", "gröna", "bilen"}},
        RuleCase{"r81_los_dos_coches", NP(81, {"det", "rord", "n"}),
                 {Los, {.sp = "dos", .sv = "två", .tag = "rord", .spClass = 6}, Coches}, {"De", "två", "bilarna"}},
        RuleCase{"r89_el_coche_pintado", NP(89, {"det", "n", "vadj"}), {El, Coche, Pintado},
                 {"Den", "målade", "bilen"}},
        RuleCase{"r91_la_pintada_casa", NP(91, {"det", "vadj", "n"}), {La, Pintado, Casa}, {"Det", "målade", "huset"}},
        RuleCase{"r130_pintado_por", Ph{"VPrNP", 130, {"vadj", "prep"}},
                 {Pintado, {.sp = "por", .sv = "genom", .tag = "prep", .spClass = 7}}, {"Målad", "av"}},
        RuleCase{"r148_noun_before_cada", NP(148, {"n", "indf"}),
                 {{.sp = "año", .sv = "år", .tag = "n", .spClass = 1, .svCode2 = kHus},
                  {.sp = "cada", .sv = "varje", .tag = "indf"}},
                 {"År", "varje"}},
        RuleCase{"r148_noun_after_determiner", NP(148, {"n", "indf"}),
                 {Coches, {.sp = "algunos", .sv = "några", .tag = "indf"}}, {"Några", "bilar"}},
        RuleCase{"r218_prep_ppfm", NP(218, {"prep", "ppfm"}), {Para, {.sp = "mí", .sv = "mig", .tag = "ppfm"}},
                 {"För", "mig"}},
        RuleCase{"r9234_para_mi", Ph{"NPP", 9234, {"prep", "ppfm"}}, {Para, {.sp = "mí", .sv = "mig", .tag = "ppfm"}},
                 {"För", "mig"}},
        RuleCase{"r9154_para_el", Ph{"NPP", 9154, {"prep", "ppsu"}}, {Para, {.sp = "él", .sv = "han", .tag = "ppsu"}},
                 {"För", "honom"}},
        RuleCase{"r9154_para_ellos", Ph{"NPP", 9154, {"prep", "ppsu"}},
                 {Para, {.sp = "ellos", .sv = "de", .tag = "ppsu"}}, {"För", "dem"}},
        RuleCase{"r9154_preposition_of_mixed_class", Ph{"NPP", 9154, {"prep", "ppsu"}},
                 {{.sp = "para", .sv = "för", .tag = "prep", .spClass = 57, .svClass = 7},
                  {.sp = "ella", .sv = "hon", .tag = "ppsu"}},
                 {"För", "henne"}},
        RuleCase{"r154_subject_stays", NP(154, {"ppsu"}), {{.sp = "él", .sv = "han", .tag = "ppsu"}}, {"Han"}},
        RuleCase{"r9137_en_la_casa", Ph{"NPP", 9137, {"prep", "det", "n"}},
                 {{.sp = "en", .sv = "i", .tag = "prep", .spClass = 7}, La, Casa}, {"I", "huset"}},
        RuleCase{"r9153_en_1990_numeral_phrase", Ph{"NPP", 9153, {"prep", "n"}},
                 {{.sp = "en", .sv = "i", .tag = "prep", .spClass = 7},
                  {.sp = "1990", .sv = "1990", .tag = "n", .spClass = 6}},
                 {"1990"}},
        // Noun rules without a recipe are rendered word by word.
        RuleCase{"r77_este_coche_verde", NP(77, {"dem", "n", "adj"}), {Este, Coche, Verde},
                 {"Den här", "bil", "grön"}},
        RuleCase{"r143_este_coche", NP(143, {"dem", "n"}), {Este, Coches}, {"Den här", "bilar"}},
        RuleCase{"r92_mi_coche_pintado", NP(92, {"poss", "n", "vadj"}), {Mi, Coche, Pintado},
                 {"Min", "bil", "måla"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PhraseRuleTags, SingleWordRulesCarryTheirTags) {
    Scene t({{.sp = "lo", .sv = "det", .tag = "ppob"}, {.sp = "Juan Carlos", .sv = "Juan Carlos", .tag = "egnx"}, Stop},
            {NP(223, {"e_ppob"}), NP(241, {"egnx"}), Ph{"ST", 260, {"sklj"}}});
    RenderPhraseByRule(t.s);
    t.s.PhraseCursor = t.Phrase(2);
    RenderPhraseByRule(t.s);
    EXPECT_EQ(t.OutTags(), (std::vector<std::string>{"ppob", "egnm"}));
    EXPECT_EQ(t.RecordTags(), (std::vector<std::string>{"pppb", "egnx"}));
    EXPECT_EQ(t.s.CurPhraseNo, 3);
}

TEST(PhraseRuleTags, ANameRecordsItsProducedForm) {
    Scene t({{.sp = "Juan", .sv = "Johan", .tag = "egnm"}, Stop}, {NP(257, {"egnm"}), Ph{"ST", 260, {"sklj"}}});
    t.Word(1)->SvForm = "Juan";
    RenderPhraseByRule(t.s);
    EXPECT_EQ(t.Out(), std::vector<std::string>{"Juan"});
    EXPECT_EQ(t.RecordTags(), std::vector<std::string>{"egnm"});
}

// A word no grammar rule matched gives a phrase without members that took the
// rule number of the phrase before it; its one word is rendered alone.
TEST(PhraseRuleFaults, APhraseWithoutMembersRendersItsOneWord) {
    Scene t({La, Casa, {.sp = "ay", .sv = "aj", .tag = "x"}, Stop},
            {NP(137, {"det", "n"}), Ph{"NP", 137, {}, 0}, Ph{"ST", 260, {"sklj"}}});
    RenderPhraseByRule(t.s);
    t.s.PhraseCursor = t.Phrase(2);
    RenderPhraseByRule(t.s);
    EXPECT_EQ(t.Out(), (std::vector<std::string>{"Huset", "aj"}));
    EXPECT_EQ(t.CurWordPosition(), 4);
    EXPECT_EQ(t.s.CurWordNo, 4);
    EXPECT_EQ(t.s.CurPhraseNo, 3);
}

TEST(PhraseRuleFaults, APhraseAtTheEndOfTheWordsStopsThere) {
    Scene t({La, Casa}, {NP(14, {"det", "n", "adj", "ykon", "adj"})});
    RenderPhraseByRule(t.s);
    EXPECT_EQ(t.Out(), (std::vector<std::string>{"Det", "huset"}));
    EXPECT_EQ(t.s.CurWord, nullptr);
    EXPECT_EQ(t.s.CurWordNo, 3);
}

TEST(PhraseRuleFaults, AComparisonAtTheEndOfTheWordsSaysMer) {
    Scene t({Mas}, {Ph{"MAdj", 133, {"mer", "adj"}}});
    RenderPhraseByRule(t.s);
    EXPECT_EQ(t.Out(), std::vector<std::string>{"Mer"});
    EXPECT_EQ(t.s.CurWord, nullptr);
}

TEST(PhraseRuleFaults, APrepositionAtTheEndOfTheWordsIsRenderedAlone) {
    Scene t({Para}, {Ph{"NPP", 9137, {"prep", "det", "n"}}});
    RenderPrepPhrase(t.s);
    EXPECT_EQ(t.Out(), std::vector<std::string>{"För"});
    EXPECT_EQ(t.s.CurWord, nullptr);
    EXPECT_EQ(t.s.CurWordNo, 2);
    EXPECT_EQ(t.s.CurPhraseNo, 2);
}

TEST(PhraseRuleFaults, WithoutAPhraseNothingIsRead) {
    Scene t({La, Casa});
    t.s.PhraseCursor = nullptr;
    RenderPhraseByRule(t.s);
    EXPECT_EQ(t.Out(), std::vector<std::string>{"Den"});
    EXPECT_EQ(t.CurWordPosition(), 2);
}

TEST(PrepPhrases, CarryTheNounPhraseRuleInTheirNumber) {
    Scene t({Para, La, Casa, Stop}, {Ph{"NPP", 9137, {"prep", "det", "n"}}, Ph{"ST", 260, {"sklj"}}});
    RenderPrepPhrase(t.s);
    EXPECT_EQ(t.Phrase(1)->RuleNo, 137);
}

// Rule numbers with a recipe and their word patterns.
struct PatternRow {
    int rule;
    const char* pattern;
};

constexpr PatternRow Patterns[] = {
    {1, "det adj n adj ykon adj"}, {2, "det n ykon n mer adj"}, {3, "det n prep n mer adj"},
    {4, "det n mer adj ykon adj"}, {10, "indf det n adj adj"}, {11, "det n adv mer adj"},
    {12, "det n xadj mer vadj"}, {13, "adv mer adj ykon adj"}, {14, "det n adj ykon adj"},
    {15, "det mer adj ykon adj"}, {16, "det n adj mer adj"}, {18, "indf prep det adj n"},
    {19, "det n adj mer vadj"}, {20, "det adj adj n adj"}, {21, "det n xadj mer adj"},
    {22, "det n adj adv adj"}, {23, "det n xadj ykon adj"}, {24, "det adj ykon adj n"},
    {25, "det adj rord n xadj"}, {27, "indf rord n xadj"}, {28, "det adj rord n"},
    {29, "egnm egnm egnm egnm"}, {30, "det rord n xadj"}, {31, "det rord adj n"}, {32, "det rord n adj"},
    {33, "poss rord adj n"}, {34, "poss rord n adj"}, {35, "det n mer adj"}, {36, "det adj n adj"},
    {37, "poss adj n adj"}, {38, "det n adj adj"}, {39, "det adj adj n"}, {40, "indf adj n adj"},
    {41, "poss n mer adj"}, {42, "det adj n xadj"}, {43, "det n mer vadj"}, {44, "det vadj n xadj"},
    {45, "det mer adj n"}, {46, "adj n adj adj"}, {47, "det subx mer adj"}, {48, "det n adv adj"},
    {49, "n adj ykon adj"}, {50, "indf poss n adj"}, {51, "det n adv vadj"}, {52, "indf det n adj"},
    {53, "indf n adv adj"}, {54, "det n egnm egnm"}, {55, "det n xadj adj"}, {56, "det xadj egnm egnm"},
    {57, "indf det n xadj"}, {58, "det dN deN dN"}, {59, "poss dN deN dN"}, {60, "det adj n vadj"},
    {65, "adv rord n"}, {66, "det x adj"}, {67, "det mer vadj"}, {68, "indf xadj n"}, {69, "adj n xadj"},
    {70, "poss n xadj"}, {71, "det adj n"}, {72, "det n adj"}, {75, "poss n adj"}, {76, "poss adj n"},
    {79, "adj n adj"}, {80, "poss rord n"}, {81, "det rord n"}, {82, "indf adj n"}, {83, "indf n adj"},
    {84, "det mer adj"}, {85, "det n egnm"}, {87, "egnm egnm egnm"}, {89, "det n vadj"}, {90, "poss vadj n"},
    {91, "det vadj n"}, {93, "indf det n"}, {94, "indf poss n"}, {96, "n adv adj"}, {97, "det indf n"},
    {98, "ppsu det n"}, {99, "n adj adj"}, {100, "adj adj n"}, {101, "indf rord n"}, {102, "det adj egnm"},
    {103, "det egnm adj"}, {104, "adj n vadj"}, {105, "det egnm egnm"}, {106, "det n xadj"},
    {107, "vadj n adj"}, {108, "indf n xadj"}, {109, "indf n vadj"}, {110, "n xadj adj"}, {113, "n adj xadj"},
    {114, "dN deN dN"}, {115, "det subx adj"}, {116, "n vadj prep"}, {130, "vadj prep"}, {131, "det egnm"},
    {132, "egnm egnm"}, {133, "mer adj"}, {134, "n vadj"}, {135, "vadj n"}, {136, "det adj"}, {137, "det n"},
    {138, "n xadj"}, {139, "n adj"}, {140, "poss n"}, {141, "indf n"}, {144, "indf egnm"}, {145, "adj n"},
    {146, "det subx"}, {147, "mer adv"}, {148, "n indf"}, {149, "det vadj"}, {153, "n"}, {154, "ppsu"},
    {218, "prep ppfm"}, {223, "e_ppob"}, {231, "p_vadj"}, {234, "ppfm"}, {240, "subx"}, {241, "egnx"},
    {244, "poss"}, {246, "int"}, {256, "indf"}, {257, "egnm"}, {261, "x"}, {269, "komma"},
    {910, "det n adj"}, {1350, "adj n"},
};

int WordsOf(const char* pattern) {
    std::istringstream in(pattern);
    int words = 0;
    for (std::string tag; in >> tag;) ++words;
    return words;
}

TEST(RecipeTable, EveryRuleWithARecipeConsumesItsPattern) {
    for (const PatternRow& row : Patterns) {
        const Recipe* recipe = RecipeOfRule(row.rule);
        ASSERT_NE(recipe, nullptr) << row.rule;
        EXPECT_EQ(WordsOfRecipe(*recipe), WordsOf(row.pattern)) << row.rule;
    }
}

TEST(RecipeTable, HoldsNoOtherRulesAndNoRuleTwice) {
    int listed = 0;
    for (const Recipe& recipe : NounPhraseRecipes())
        for (int rule : recipe.rules)
            if (rule != 0) ++listed;
    EXPECT_EQ(listed, static_cast<int>(std::size(Patterns)));
    for (int rule : {77, 78, 88, 92, 143, 125, 159, 225, 0}) EXPECT_EQ(RecipeOfRule(rule), nullptr) << rule;
}

}  // namespace
}  // namespace quelvo
