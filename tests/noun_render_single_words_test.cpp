#include <gtest/gtest.h>

#include "noun_render_support.h"
#include "render/adjective_word.h"
#include "render/adverbs.h"
#include "render/determiner_words.h"
#include "render/relatives.h"
#include "render/single_words.h"

namespace quelvo {
namespace {

using testing_support::AdjCode;
using testing_support::Ph;
using testing_support::Scene;
using testing_support::Wd;

using Renderer = void (*)(TranslationState&);

// One renderer on one word of a sentence.
struct WordCase {
    const char* name;
    Renderer render;
    std::vector<Wd> words;
    int at;
    std::vector<std::string> out;
    std::vector<std::string> outTags;
    std::vector<std::string> recordTags;
};

void PrintTo(const WordCase& c, std::ostream* os) { *os << c.name; }

class OneWordRenderers : public testing::TestWithParam<WordCase> {};

// Before the word at `at`, the sentence's earlier words are already out:
// their texts stand in the record of emitted words.
void Prepare(Scene& t, int at) {
    for (int i = 1; i < at; ++i) {
        t.s.OutWords[i] = t.Word(i)->SvWord;
        ++t.s.OutCount;
    }
    t.StartAt(at);
}

TEST_P(OneWordRenderers, EmitTheirWordAndMoveOn) {
    const WordCase& c = GetParam();
    Scene t(c.words, {Ph{"X", 0, {"x"}}});
    Prepare(t, c.at);
    const int outCountBefore = t.s.OutCount;
    c.render(t.s);
    EXPECT_EQ(t.Out(), c.out);
    EXPECT_EQ(t.OutTags(), c.outTags);
    std::vector<std::string> recorded;
    for (int i = outCountBefore; i < t.s.OutCount; ++i) recorded.push_back(t.s.OutTags.Get(i).str());
    EXPECT_EQ(recorded, c.recordTags);
    EXPECT_EQ(t.CurWordPosition(), c.at + 1);
    EXPECT_EQ(t.s.CurPhraseNo, 2);
    EXPECT_EQ(t.s.CurWordNo, 2);
}

void SingleKonj(TranslationState& s) { TranslateSingleWord(s, "konj"); }
void SingleMer(TranslationState& s) { TranslateSingleWord(s, "mer"); }
void SingleDn(TranslationState& s) { TranslateSingleWord(s, "dN"); }

const Wd No{.sp = "no", .sv = "inte"};
const Wd Ser{.sp = "ser", .sv = "vara", .spClass = 3};

INSTANTIATE_TEST_SUITE_P(
    Words, OneWordRenderers,
    testing::Values(
        WordCase{"konj_capital_out_tag", SingleKonj, {{.sp = "pero", .sv = "men"}}, 1, {"Men"}, {"Konj"}, {"konj"}},
        WordCase{"mer_three_letters", SingleMer, {{.sp = "más", .sv = "mer"}}, 1, {"Mer"}, {"Mer"}, {"mer"}},
        WordCase{"dn_keeps_case", SingleDn, {{.sp = "casa", .sv = "hus"}}, 1, {"Hus"}, {"DN"}, {"dN"}},
        WordCase{"comma", TranslateSentenceMark, {{.sp = ",", .sv = ","}}, 1, {","}, {"st"}, {"st"}},
        WordCase{"negation", TranslateNegation, {No}, 1, {"Inte"}, {"neg"}, {"neg"}},
        WordCase{"ningun_after_sin", TranslateNegation, {{.sp = "sin", .sv = "utan"}, {.sp = "ningún", .sv = "ingen"}},
                 2, {"Någon"}, {"neg"}, {"neg"}},
        WordCase{"ningun_after_no_verb", TranslateNegation,
                 {No, {.sp = "tener", .sv = "ha"}, {.sp = "ninguno", .sv = "ingen"}}, 3, {"Någon/något"}, {"neg"},
                 {"neg"}},
        WordCase{"ningun_after_no_verb_before_noun", TranslateNegation,
                 {No, {.sp = "tener", .sv = "ha"}, {.sp = "ningún", .sv = "ingen"},
                  {.sp = "perro", .sv = "hund", .spClass = 1, .gender = 'n'}},
                 3, {"Någon"}, {"neg"}, {"neg"}},
        WordCase{"ningun_after_no_verb_before_neuter_noun", TranslateNegation,
                 {No, {.sp = "tener", .sv = "ha"}, {.sp = "ninguna", .sv = "ingen"},
                  {.sp = "casa", .sv = "hus", .spClass = 1, .gender = 't'}},
                 3, {"Något"}, {"neg"}, {"neg"}},
        WordCase{"ningun_first", TranslateNegation, {{.sp = "ningún", .sv = "ingen"}}, 1, {"Ingen"}, {"neg"}, {"neg"}},
        WordCase{"inf_marker_a_after_empezar", TranslateInfMarker,
                 {{.sp = "empezar", .sv = "börja"}, {.sp = "a", .sv = "till"}}, 2, {"Att"}, {"infm"}, {"infm"}},
        WordCase{"inf_marker_que", TranslateInfMarker, {{.sp = "que", .sv = "att"}}, 1, {"Att"}, {"infm"}, {"infm"}},
        WordCase{"lo_que", TranslateRelx, {{.sp = "lo que", .sv = "vad"}}, 1, {"Det (som)"}, {"relx"}, {"relx"}},
        WordCase{"lo_que_after_comma", TranslateRelx,
                 {{.sp = ",", .sv = ",", .tag = "komma"}, {.sp = "lo que", .sv = "vad"}}, 2, {"Vilket"}, {"relx"},
                 {"relx"}},
        WordCase{"lo_que_after_con", TranslateRelx, {{.sp = "con", .sv = "med"}, {.sp = "lo que", .sv = "vad"}}, 2,
                 {"Det som"}, {"relx"}, {"relx"}},
        WordCase{"other_relx", TranslateRelx, {{.sp = "cuyo", .sv = "vars"}}, 1, {"Vars"}, {"relx"}, {"relx"}},
        WordCase{"es_quien", TranslateRelative, {Ser, {.sp = "quien", .sv = "som"}}, 2, {"Den som"}, {"relx"},
                 {"relx"}},
        WordCase{"relative", TranslateRelative, {{.sp = "que", .sv = "som"}}, 1, {"Som"}, {"relx"}, {"relx"}},
        WordCase{"no_es_muy", TranslateAdverb, {No, Ser, {.sp = "muy", .sv = "mycket"}}, 3, {"Särskilt"}, {"adv"},
                 {"adv"}},
        WordCase{"muy", TranslateAdverb, {{.sp = "muy", .sv = "mycket"}}, 1, {"Mycket"}, {"adv"}, {"adv"}},
        WordCase{"gratuitamente_is_not_lost", TranslateAdverb, {{.sp = "gratuitamente", .sv = "gratis"}}, 1,
                 {"Gratis"}, {"adv"}, {"adv"}},
        WordCase{"advx", TranslateAdvxWord, {{.sp = "sin embargo", .sv = "dock"}}, 1, {"Dock"}, {"advx"}, {"adv"}},
        WordCase{"subx", TranslateSubxWord, {{.sp = "fin de semana", .sv = "helg"}}, 1, {"Helg"}, {"subx"},
                 {"subx"}},
        WordCase{"inf", TranslateInfWord, {{.sp = "comer", .sv = "äta"}}, 1, {"Äta"}, {"inf"}, {"inf"}},
        WordCase{"que_before_plural", TranslateIntrWord, {{.sp = "qué", .sv = "vad"}, {.sp = "x", .formCode = 3}}, 1,
                 {"Vilka"}, {"intr"}, {"intr"}},
        WordCase{"que_before_singular", TranslateIntrWord, {{.sp = "qué", .sv = "vad"}, {.sp = "x", .formCode = 1}},
                 1, {"Vad"}, {"intr"}, {"intr"}},
        WordCase{"que_last_word_not_lost", TranslateIntrWord, {{.sp = "qué", .sv = "vad"}}, 1, {"Vad"}, {"intr"},
                 {"intr"}},
        WordCase{"det", TranslateDetWord, {{.sp = "el", .sv = "den"}, {.sp = "coche", .sv = "bil"}}, 1, {"Den"},
                 {"det"}, {"det"}},
        WordCase{"indf", TranslateIndfWord, {{.sp = "unos", .sv = "några"}, {.sp = "coche", .sv = "bil"}}, 1,
                 {"Några"}, {"indf"}, {"indf"}},
        WordCase{"adjective_early_as_is", TranslateAdjective, {{.sp = "grande", .sv = "stor", .formCode = 3}}, 1,
                 {"Stor"}, {"adj"}, {"adj"}},
        WordCase{"adjective_agrees", TranslateAdjective,
                 {{.sp = "los", .sv = "de"}, {.sp = "coches", .sv = "bilarna"}, {.sp = "son", .sv = "är"},
                  {.sp = "grandes", .sv = "stor", .formCode = 3, .svCode2 = AdjCode(1), .gender = 'n'}},
                 4, {"Stora"}, {"adj"}, {"adj"}},
        WordCase{"adjective_before_any_noun_is_common", TranslateAdjective,
                 {{.sp = "Juan", .sv = "Juan"}, {.sp = "ser", .sv = "är"},
                  {.sp = "alto", .sv = "hög", .formCode = 30, .svCode2 = AdjCode(1)}},
                 3, {"Hög"}, {"adj"}, {"adj"}},
        WordCase{"adjective_predicative_neuter", TranslateAdjective,
                 {{.sp = "ello", .sv = "det"}, {.sp = "ser", .sv = "är"},
                  {.sp = "importante", .sv = "viktig", .svCode2 = AdjCode(1), .gender = 'n'}},
                 3, {"Viktigt"}, {"adj"}, {"adj"}},
        WordCase{"adjective_predicative_god", TranslateAdjective,
                 {{.sp = "ello", .sv = "det"}, {.sp = "ser", .sv = "är"}, {.sp = "bueno", .sv = "god"}}, 3, {"Gott"},
                 {"adj"}, {"adj"}},
        WordCase{"adjective_predicative_in_e", TranslateAdjective,
                 {{.sp = "ello", .sv = "det"}, {.sp = "ser", .sv = "är"}, {.sp = "mejor", .sv = "bättre"}}, 3,
                 {"Bättre"}, {"adj"}, {"adj"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SingleWordRenderer, TakeAtMostFourLettersOfTheTagAndKeepTheWordInTheRecord) {
    Scene t({{.sp = "y", .sv = "och"}}, {Ph{"Konj", 251, {"konj"}}});
    TranslateSingleWord(t.s, "konjx");
    EXPECT_EQ(t.RecordTags(), std::vector<std::string>{"konj"});
    EXPECT_EQ(t.Recorded(), std::vector<std::string>{"och"});
    // The word's own Swedish form is left as it was.
    EXPECT_EQ(testing_support::Utf(t.Word(1)->SvForm), "och");
}

TEST(SentenceMarkRenderer, OpeningMarksGiveNoWordAndLeaveTheScanPosition) {
    Scene t({{.sp = "¿", .sv = "¿"}, {.sp = "qué", .sv = "vad"}}, {Ph{"ST", 260, {"sklj"}}, Ph{"Intr", 233, {"intr"}}});
    t.s.ScanPos = 12;
    t.s.TextLen = 20;
    TranslateSentenceMark(t.s);
    EXPECT_TRUE(t.Out().empty());
    EXPECT_EQ(t.s.ScanPos, 12);
    EXPECT_EQ(t.CurWordPosition(), 2);
    EXPECT_EQ(t.s.CurPhraseNo, 2);
    EXPECT_EQ(t.s.CurWordNo, 2);
}

TEST(SentenceMarkRenderer, WithoutAWordShowTheFault) {
    Scene t({{.sp = ",", .sv = ","}}, {Ph{"KT", 269, {"komma"}}});
    t.s.CurWord = nullptr;
    TranslateSentenceMark(t.s);
    EXPECT_EQ(t.Out(), std::vector<std::string>{"FEL I OLIKASOEK/SOEK_ST!"});
    EXPECT_EQ(t.s.CurWordNo, 1);
}

TEST(InfMarkerRenderer, ParaGivesForAndAnAddedAtt) {
    Scene t({{.sp = "para", .sv = "för"}, {.sp = "comer", .sv = "äta"}}, {Ph{"Infm", 247, {"infm"}}});
    TranslateInfMarker(t.s);
    EXPECT_EQ(t.Out(), (std::vector<std::string>{"För", "att"}));
    EXPECT_EQ(t.Recorded(), (std::vector<std::string>{"för", "att"}));
    EXPECT_EQ(t.CurWordPosition(), 2);
    EXPECT_EQ(t.s.CurWordNo, 2);
}

TEST(InfMarkerRenderer, PlainAttMarksTheNextSlot) {
    Scene t({{.sp = "que", .sv = "att"}, {.sp = "comer", .sv = "äta"}}, {Ph{"Infm", 247, {"infm"}}});
    TranslateInfMarker(t.s);
    EXPECT_EQ(t.s.OutTags.Get(2).str(), "infm");
}

TEST(DetWordRenderer, AnArticleBeforeANumeralGivesTheNumeral) {
    Scene t({{.sp = "los", .sv = "de"}, {.sp = "dos", .sv = "två", .spClass = 6}, {.sp = ".", .sv = "."}},
            {Ph{"Det", 259, {"det"}}, Ph{"Rord", 254, {"rord"}}, Ph{"ST", 260, {"sklj"}}});
    TranslateDetWord(t.s);
    EXPECT_EQ(t.Out(), std::vector<std::string>{"Två"});
    EXPECT_EQ(t.CurWordPosition(), 3);
    EXPECT_EQ(t.PhrasePosition(), 2);
    EXPECT_EQ(t.s.CurPhraseNo, 3);
    EXPECT_EQ(t.s.CurWordNo, 3);
}

TEST(DetWordRenderer, AnArticleBeforeANumeralInsideALongerPhraseStays) {
    Scene t({{.sp = "los", .sv = "de"}, {.sp = "dos", .sv = "två", .spClass = 6}, {.sp = "casa", .sv = "hus"}},
            {Ph{"Det", 259, {"det"}}, Ph{"NP", 0, {"rord", "n"}}});
    TranslateDetWord(t.s);
    EXPECT_EQ(t.Out(), std::vector<std::string>{"De"});
    EXPECT_EQ(t.CurWordPosition(), 2);
    EXPECT_EQ(t.PhrasePosition(), 1);
}

}  // namespace
}  // namespace quelvo
