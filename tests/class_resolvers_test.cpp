#include <gtest/gtest.h>

#include "support.h"
#include "morphology/class_resolvers.h"
#include "morphology/context_tests.h"
#include "morphology/staging.h"

namespace quelvo {
namespace {

using namespace testing_support;  // the analysis helpers

// "SpWord SvWord SpClass FormCode PersonNo WordTag".
INSTANTIATE_TEST_SUITE_P(
    ClassResolversNounsAndAdjectives, BuiltWord,
    testing::Values(WordCase{"sbadj_after_noun_is_adjective", "El perro viejo.", 3, "viejo gammal 2 1 0 adj"},
                    WordCase{"sbadj_without_form_entry_keeps_its_word", "El perro joven.", 3, "joven ung 2 1 0 adj"},
                    WordCase{"sbadj_alone_stays", "Viejo.", 1, "viejo gammal 20 1 0 n"},
                    WordCase{"sbadj_pair_first_is_noun", "El viejo joven.", 2, "viejo gammal 20 1 0 n"},
                    WordCase{"sbadj_pair_second_is_adjective", "El viejo joven.", 3, "joven ung 2 1 0 adj"},
                    WordCase{"alrededor_de", "Alrededor de la casa.", 1, "alrededor runt omkring 21 1 0 adv"},
                    WordCase{"manana_opening", "Mañana come.", 1, "mañana i morgon 21 1 0 adv"},
                    WordCase{"manana_last", "Come mañana.", 2, "mañana i morgon 21 1 0 adv"},
                    WordCase{"la_manana", "La mañana come.", 2, "mañana morgon 21 1 0 n"},
                    WordCase{"cierto_before_noun", "Cierto perro.", 1, "cierto viss 26 1 0 adj"},
                    WordCase{"fuera_before_participle", "Fuera comido.", 1, "ser vara 130 21 0 hjv"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    ClassResolversDeterminersAndPronouns, BuiltWord,
    testing::Values(WordCase{"lo_veo", "Lo veo.", 1, "lo det 48 1 0 ppob"},
                    WordCase{"la_before_noun", "La casa.", 1, "la den/det 48 1 0 det"},
                    WordCase{"los_before_plural", "Los perros.", 1, "los de 48 1 0 det"},
                    WordCase{"uno_before_verb", "Uno come.", 1, "uno man 45 1 0 ppsu"},
                    WordCase{"una_before_noun", "Una casa.", 1, "una en 45 1 0 det"},
                    WordCase{"uno_before_preposition", "Uno de ellos.", 1, "uno en 45 1 0 rord"},
                    WordCase{"todo_before_article", "Todo el perro.", 1, "todo hela 60 1 0 indf"},
                    WordCase{"todo_alone", "Todo.", 1, "todo allt 60 1 0 indf"},
                    WordCase{"este", "Este perro.", 1, "este den här 60 1 0 indf"},
                    WordCase{"el_este", "El este.", 2, "este öster 60 1 0 n"},
                    WordCase{"poco_before_number", "Poco 2.", 1, "poco lite 59 1 0 indf"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    ClassResolversRelatives, BuiltWord,
    testing::Values(WordCase{"mas_que", "Más que nada.", 2, "que än 49 1 0 konj"},
                    WordCase{"mas_adjective_que", "Más grande que tú.", 3, "que än 49 1 0 konj"},
                    WordCase{"mas_noun_que", "Más perros que tú.", 3, "que än 49 1 0 konj"},
                    WordCase{"superlative_que", "El perro más grande que veo.", 5, "que som 49 1 0 konj"},
                    WordCase{"lo_mismo_que", "Lo mismo que tú.", 3, "que som 49 1 0 konj"},
                    WordCase{"que_after_verb", "Veo que come.", 2, "que att 49 1 0 qinf"},
                    WordCase{"que_after_noun_is_relative", "El perro que come.", 3, "que som 49 1 0 rel"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    ClassResolversPrepositions, BuiltWord,
    testing::Values(WordCase{"sobre_after_article", "El sobre.", 2, "sobre kuvert 55 1 0 n"},
                    WordCase{"sobre_before_name", "Sobre Juan.", 1, "sobre om 55 1 0 prep"},
                    WordCase{"para_before_infinitive", "Para comer.", 1, "para för att 57 1 0 infm"},
                    WordCase{"para_after_ir", "Va para comer.", 2, "para för 57 1 0 prin"}),
    CaseName);

// Readings whose class texts the class table never gives, asked for directly.
class DirectResolver : public testing::Test {
protected:
    std::unique_ptr<TranslationState> s_;
    WordNode* Word(const std::string& sentence, int position) {
        s_ = Built(sentence);
        return WordAt(*s_, position);
    }
    std::string Tag(int position) const { return Utf(s_->WordTags.Get(position)); }
};

TEST_F(DirectResolver, ElPoderIsTheNoun) {
    WordNode* w = Word("El poder.", 2);
    ResolveHvbHjvbSub(*s_, *w, 2);
    EXPECT_EQ(Tag(2), "n");
    EXPECT_EQ(w->SpClass, 1);
    EXPECT_EQ(Utf(w->SvWord), "kunna");
}

TEST_F(DirectResolver, PuedeIsTheAuxiliary) {
    WordNode* w = Word("Puede.", 1);
    ResolveHvbHjvbSub(*s_, *w, 1);
    EXPECT_EQ(Tag(1), "hjv");
    EXPECT_EQ(w->SvClass, 4);
    EXPECT_EQ(w->SvCode3, 9);
}

TEST_F(DirectResolver, PoderBeforeInfinitiveIsTheAuxiliaryOfClass4) {
    WordNode* w = Word("Poder comer.", 1);
    ResolveHvbHjvbSub(*s_, *w, 1);
    EXPECT_EQ(Tag(1), "hjv");
    EXPECT_EQ(w->SpClass, 4);
}

TEST_F(DirectResolver, PrepositionAfterIrBeforeInfinitive) {
    WordNode* a = Word("Va a comer.", 2);
    a->Prev->FormCode = 450;
    ResolvePrepInfm(*s_, *a, 2);
    EXPECT_EQ(Tag(2), "qinf");
    EXPECT_EQ(a->Prev->FormCode, 8);
}

TEST_F(DirectResolver, PrepositionBeforeArticle) {
    WordNode* a = Word("A la casa.", 1);
    ResolvePrepInfm(*s_, *a, 1);
    EXPECT_EQ(Tag(1), "prep");
    EXPECT_EQ(Utf(a->SvWord), "till");
}

TEST_F(DirectResolver, PrepositionBeforeInfinitiveIsMarker) {
    WordNode* a = Word("A comer.", 1);
    ResolvePrepInfm(*s_, *a, 1);
    EXPECT_EQ(Tag(1), "infm");
    EXPECT_EQ(Utf(a->SvWord), "att/för att");
}

TEST_F(DirectResolver, PronounBeforeVerbOfSamePersonIsReflexive) {
    WordNode* w = Word("Tú comes.", 1);
    ResolvePPObRefl(*s_, *w, 1);
    EXPECT_EQ(Tag(1), "refl");
}

TEST_F(DirectResolver, PronounAfterFirstWordIsObject) {
    WordNode* w = Word("Veo tú perro.", 2);
    ResolvePPObRefl(*s_, *w, 2);
    EXPECT_EQ(Tag(2), "ppob");
    EXPECT_EQ(w->SpClass, 11);
}

TEST_F(DirectResolver, PronounAfterPrepositionIsPrepositional) {
    WordNode* w = Word("A él.", 2);
    ResolvePPrp(*s_, *w, 2);
    EXPECT_EQ(Tag(2), "ppfm");
    EXPECT_EQ(Utf(w->ClassTag), "ppfm");
    EXPECT_EQ(w->SvClass, 18);
}

TEST_F(DirectResolver, AdverbInMenteIsTheAdjectivesAdverb) {
    WordNode* w = Word("Altamente.", 1);
    ResolveAdjAdvSb(*s_, *w, 1);
    EXPECT_EQ(Tag(1), "adv");
    EXPECT_EQ(w->SvClass, 5);
    EXPECT_EQ(Utf(w->SpWord), "alto");
    EXPECT_EQ(Utf(w->SvWord), "högt");
}

// Without a form entry for the form in "o" the adverb's stem is kept.
TEST_F(DirectResolver, AdverbInMenteWithoutFormEntryKeepsItsStem) {
    WordNode* w = Word("Lentamente.", 1);
    ResolveAdjAdvSb(*s_, *w, 1);
    EXPECT_EQ(Utf(w->SpWord), "lenta");
    EXPECT_EQ(Utf(w->SvWord), "långsamt");
}

TEST(ContextTests, PerfectContextLeavesTheFlagWithoutARule) {
    const auto s = Built("Paseo.");
    bool yes = true;
    PerfectContext(*WordAt(*s, 1), 1, yes);
    EXPECT_TRUE(yes);
}

struct UseCase {
    const char* name;
    std::string sentence;
    int position;
    bool noun;
    bool adj;
    bool verb;
};

void PrintTo(const UseCase& c, std::ostream* os) { *os << c.sentence; }

class ParticipleUses : public testing::TestWithParam<UseCase> {};

TEST_P(ParticipleUses, FollowFromTheNeighbours) {
    const auto s = Built(GetParam().sentence);
    bool noun = false;
    bool adj = false;
    bool verb = false;
    ParticipleUse(*WordAt(*s, GetParam().position), GetParam().position, noun, adj, verb);
    EXPECT_EQ(noun, GetParam().noun);
    EXPECT_EQ(adj, GetParam().adj);
    EXPECT_EQ(verb, GetParam().verb);
}

INSTANTIATE_TEST_SUITE_P(Rules, ParticipleUses,
                         testing::Values(UseCase{"after_haber", "Ha dicho.", 2, false, false, true},
                                         UseCase{"after_article", "El dicho.", 2, true, false, false},
                                         UseCase{"after_estar", "Está cubierto.", 2, false, true, false},
                                         UseCase{"before_de", "Dicho de perro.", 1, false, true, false},
                                         UseCase{"alone", "Dicho.", 1, false, true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// A lone word has no neighbours: every resolver must leave the list as it is.
TEST(ClassResolvers, ReadNoAbsentNeighbour) {
    using Resolve = void (*)(TranslationState&, WordNode&, int);
    const Resolve all[] = {ResolveSbAdj,     ResolveSbAdv,     ResolveAdjAdv,     ResolveAdjAdvSb,   ResolveAdvVb,
                           ResolveHvbHjvb,   ResolveHvbHjvbSub, FlaggedWordFix,   ResolveDetPpob,    ResolvePPObRefl,
                           ResolvePrepSub,   ResolvePrepInfm,  ResolveIAdv,       ResolveIAAS,       ResolvePPrp,
                           ResolveRKIF,      ResolvePsuRrd,    ResolvePrInfmFrasP};
    for (const auto* word : {"que", "poder", "lo", "todo", "este", "sobre", "una", "uno", "alrededor", "cierto"}) {
        for (const Resolve resolve : all) {
            TranslationState s(FixtureLexicon("analysis"));
            WordNode* node = s.WordList.Start(s.Arena);
            node->SpWord = word;
            node->SpText = word;
            s.WordCount = 1;
            s.WordTags.Resize(1);
            s.WordClassTexts.Resize(1);
            resolve(s, *node, 1);
            EXPECT_EQ(s.WordList.Head, node);
            EXPECT_EQ(s.WordList.Tail, node);
            EXPECT_EQ(node->Next, nullptr);
        }
    }
}

TEST(ClassResolvers, PositionsOutsideTheSentenceReadEmpty) {
    const auto s = Built("Perro.");
    s->WordClassTexts.Set(3, Str30("SbAdj"));
    s->WordTags.Set(3, Str6("n"));
    EXPECT_TRUE(ClassTextAt(*s, 3).empty());
    EXPECT_TRUE(TagAt(*s, 3).empty());
    EXPECT_TRUE(TagAt(*s, 0).empty());
    EXPECT_EQ(Utf(ClassTextAt(*s, 1)), "n");
}

}  // namespace
}  // namespace quelvo
