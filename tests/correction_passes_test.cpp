#include <gtest/gtest.h>

#include "support.h"
#include "core/emit.h"
#include "morphology/verb_routines.h"

namespace quelvo {
namespace {

using namespace testing_support;  // the analysis helpers

// "SpWord SvWord SpClass FormCode PersonNo WordTag".
INSTANTIATE_TEST_SUITE_P(
    CorrectionPassesParticiples, BuiltWord,
    testing::Values(WordCase{"participle_alone_is_adjective", "Cansada.", 1, "cansar trötta 104 10 0 vadj"},
                    WordCase{"participle_after_haber_is_perfect", "Ha cansado.", 2, "cansar trötta 102 10 0 vperf"},
                    WordCase{"ha_dicho", "Él ha dicho.", 3, "dicho sagt 23 10 3 vi"},
                    WordCase{"haber_before_participle_is_auxiliary", "Él ha dicho.", 2, "haber ha 42 4 3 hjv"},
                    WordCase{"esta_cubierto", "Está cubierto.", 2, "cubierto täckt 23 1 3 vi"},
                    WordCase{"la_puerta_abierta", "La puerta abierta.", 3, "abrir öppna 3 10 0 vadj"},
                    WordCase{"participle_after_ser", "Es abierto.", 2, "abrir öppna 3 10 0 vi"},
                    WordCase{"haber_special", "Ha pedido.", 2, "pedido bett 102 10 0 vperf"},
                    WordCase{"flagged_word_after_verb", "Ha tejido.", 2, "tejer väva 1 10 0 vperf"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    CorrectionPassesVerbsAndAdjectives, BuiltWord,
    testing::Values(WordCase{"noun_in_verbal_context_is_verb", "No paseo.", 2, "pasear promenera 3 4 1 vi"},
                    WordCase{"noun_after_determiner_stays", "El paseo.", 2, "paseo promenad 22 1 3 n"},
                    WordCase{"typed_plural_in_os_is_noun", "Los paseos.", 2, "paseo promenad 1 3 3 n"},
                    WordCase{"sentir_in_verbal_context", "No sentir.", 2, "sentir känna 99 19 0 vi"},
                    WordCase{"verb_adjective_read_as_verb", "Lleno la casa.", 1, "llenar fylla 3 4 1 vt"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    CorrectionPassesSentenceTags, BuiltWord,
    testing::Values(WordCase{"fue_a_infinitive_is_ir", "Fue a comprar.", 1, "ir gå 3 6 3 hjv"},
                    WordCase{"fuimos_a_place_is_ir", "Fuimos a casa.", 1, "ir gå 3 6 4 vi"},
                    WordCase{"fue_before_other_word_is_ser", "Fue casa.", 1, "ser vara 4 6 3 hjv"},
                    WordCase{"era_is_auxiliary", "Era grande.", 1, "ser var 1 1 0 hjv"},
                    WordCase{"la_era_is_noun", "La era grande.", 2, "era epok 1 1 0 n"},
                    WordCase{"intransitive_infinitive", "Vivir.", 1, "vivir bo 99 19 0 vi"},
                    WordCase{"intransitive_gerund_keeps_vpres", "Llegando.", 1, "llegar komma 101 11 0 vi"}),
    CaseName);

TEST(CorrectionPasses, VerbAdjectiveReadAsAdjectiveAfterAgreeingNoun) {
    const auto s = Built("La casa llena.");
    const WordNode* w = WordAt(*s, 3);
    EXPECT_EQ(Utf(w->SpWord), "lleno");
    EXPECT_EQ(Utf(w->SvWord), "full");
    EXPECT_EQ(w->SpClass, 2);
    EXPECT_EQ(Utf(s->WordTags.Get(3)), "adj");
}

TEST(CorrectionPasses, FeminineNounTakesItsAdjective) {
    const auto s = Built("Muy alta.");
    const WordNode* w = WordAt(*s, 2);
    EXPECT_EQ(Utf(w->SpWord), "alto");
    EXPECT_EQ(Utf(w->SvWord), "hög");
    EXPECT_EQ(w->SpClass, 2);
    EXPECT_EQ(Utf(s->WordTags.Get(2)), "adj");
    EXPECT_EQ(Utf(s->WordClassTexts.Get(2)), "Adj");
}

TEST(CorrectionPasses, NounDeNounIsMarkedForACompound) {
    const auto s = Built("La casa de perro.");
    EXPECT_EQ(Utf(s->WordTags.Get(2)), "dN");
    EXPECT_EQ(Utf(s->WordTags.Get(3)), "deN");
    EXPECT_EQ(Utf(s->WordClassTexts.Get(3)), "deN");
    EXPECT_EQ(Utf(s->WordTags.Get(4)), "dN");
}

TEST(CorrectionPasses, AdjectiveAfterTheSecondNounEndsTheCompoundPass) {
    const auto s = Built("La casa de perro viejo.");
    EXPECT_EQ(Utf(s->WordTags.Get(2)), "n");
    EXPECT_EQ(Utf(s->WordTags.Get(3)), "prep");
    EXPECT_EQ(Utf(s->WordTags.Get(4)), "n");
}

TEST(CorrectionPasses, AdjectiveAfterNounIsPostnominal) {
    const auto s = Built("El perro grande.");
    EXPECT_EQ(Utf(WordAt(*s, 3)->ClassTag), "xadj");
    EXPECT_EQ(Utf(s->WordTags.Get(3)), "xadj");
    EXPECT_EQ(Utf(s->OutTags.Get(3)), "xadj");
}

TEST(CorrectionPasses, AdjectiveWithoutCompoundCodeStaysAdjective) {
    const auto s = Built("El perro lento.");
    EXPECT_EQ(Utf(s->WordTags.Get(3)), "adj");
}

// Sentences of every pair of words run all passes without reading past
// either end of the sentence.
TEST(CorrectionPasses, EveryPairOfWordsIsBuilt) {
    const std::vector<std::string> words = {
        "ha",     "dicho", "que",   "lo",     "la",   "a",     "de",    "para",   "sobre", "uno",
        "una",    "todo",  "este",  "poco",   "fuera", "viejo", "joven", "cierto", "más",   "alrededor",
        "cubierto", "abierta", "pedido", "tejido", "llena", "lleno", "paseos", "fue", "era", "perro",
        "y",      "hola",  "2",     ",",      "mismo", "veo",   "comido", "sentir", "alta", "vivir"};
    for (const auto& first : words) {
        for (const auto& second : words) {
            const auto s = Built(first + " " + second + ".");
            EXPECT_GE(s->WordCount, 1) << first << " " << second;
            EXPECT_EQ(s->WordList.Count(), s->WordCount) << first << " " << second;
        }
    }
}

class TranslatorRoutines : public testing::Test {
protected:
    // CurWord on `position` of the built sentence, the output empty.
    std::unique_ptr<TranslationState> At(const std::string& sentence, int position) {
        auto s = Built(sentence);
        s->CurWord = WordAt(*s, position);
        s->OutCount = 1;
        s->OutPosCounter = 1;
        s->KeepOutWords = true;
        return s;
    }
};

TEST_F(TranslatorRoutines, WeatherVerbInThePresentIsAr) {
    const auto s = At("Hace buen tiempo.", 1);
    bool done = false;
    WeatherVerb(*s, done);
    EXPECT_TRUE(done);
    EXPECT_EQ(testing_support::OutTexts(*s), std::vector<std::string>{"Är"});
    EXPECT_EQ(Utf(s->OutTags.Get(1)), "v");
    EXPECT_EQ(s->CurWord, WordAt(*s, 2));
}

// "tiempo" is "tid" in the dictionary and the weather after "hace".
TEST_F(TranslatorRoutines, WeatherVerbMakesTiempoTheWeather) {
    const auto s = At("Hace buen tiempo.", 1);
    EXPECT_EQ(Utf(WordAt(*s, 3)->SvWord), "tid");
    bool done = false;
    WeatherVerb(*s, done);
    EXPECT_EQ(Utf(WordAt(*s, 3)->SvWord), "väder");
}

TEST_F(TranslatorRoutines, WeatherVerbInThePastIsVar) {
    const auto s = At("Hace buen tiempo.", 1);
    s->CurWord->FormCode = 460;
    bool done = false;
    WeatherVerb(*s, done);
    EXPECT_TRUE(done);
    EXPECT_EQ(testing_support::OutTexts(*s), std::vector<std::string>{"Var"});
}

TEST_F(TranslatorRoutines, WeatherVerbNeedsTiempoOrCalor) {
    const auto s = At("Hace buen perro.", 1);
    bool done = true;
    WeatherVerb(*s, done);
    EXPECT_FALSE(done);
}

TEST_F(TranslatorRoutines, SedanBeforeNumberAndNoun) {
    const auto s = At("Hace 2 casas.", 1);
    bool done = false;
    Str30 text;
    SedanCheck(*s, done, text);
    EXPECT_TRUE(done);
    EXPECT_EQ(text, "sedan");
}

TEST_F(TranslatorRoutines, NoSedanWithoutNumber) {
    const auto s = At("Hace buen tiempo.", 1);
    bool done = false;
    Str30 text;
    SedanCheck(*s, done, text);
    EXPECT_FALSE(done);
    EXPECT_TRUE(text.empty());
}

// The gerund takes the tense of "ir" and reaches the output.
TEST_F(TranslatorRoutines, GerundAfterIrIsEmittedInTheTenseOfIr) {
    const auto s = At("Va cantando.", 2);
    Str30 form;
    bool done = false;
    IrGerund(*s, form, done);
    EXPECT_TRUE(done);
    EXPECT_EQ(WordAt(*s, 2)->FormCode, WordAt(*s, 1)->FormCode);
    EXPECT_EQ(s->CurWord, WordAt(*s, 3));
    EXPECT_EQ(s->OutCount, 2);
    EXPECT_EQ(s->OutWords[1], form);
    EXPECT_EQ(s->OutList.Count(), 1);
}

TEST_F(TranslatorRoutines, GerundWithoutIrIsLeftAlone) {
    const auto s = At("Cantando.", 1);
    Str30 form;
    bool done = false;
    IrGerund(*s, form, done);
    EXPECT_FALSE(done);
    EXPECT_EQ(s->CurWord, WordAt(*s, 1));
}

}  // namespace
}  // namespace quelvo
