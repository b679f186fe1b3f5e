// The dictionaries the build compiles from data/lexicon, read through the
// lookups: the compiled formats and the seed vocabulary together.
#include <gtest/gtest.h>

#include <memory>

#include "lexicon/lexicon.h"
#include "lexicon/lookups.h"
#include "test_support.h"

namespace quelvo {
namespace {

using testing_support::Cp;

class ShippedDictionaries : public testing::Test {
protected:
    static void SetUpTestSuite() {
        auto loaded = Lexicon::Load(QUELVO_BUILD_DATA);
        if (const auto* error = std::get_if<DataError>(&loaded)) FAIL() << error->Describe();
        lexicon_ = std::get<std::shared_ptr<const Lexicon>>(loaded);
    }
    static void TearDownTestSuite() { lexicon_.reset(); }
    void SetUp() override { ASSERT_NE(lexicon_, nullptr); }
    static std::shared_ptr<const Lexicon> lexicon_;
};
std::shared_ptr<const Lexicon> ShippedDictionaries::lexicon_;

struct WordCase {
    const char* spanish;  // UTF-8
    const char* swedish;  // UTF-8
    int spClass;
    int spCode2;
    int svCode1;
    int svCode2;
    int svCode3;
};

void PrintTo(const WordCase& c, std::ostream* os) { *os << c.spanish; }

class ShippedWords : public ShippedDictionaries, public testing::WithParamInterface<WordCase> {};

TEST_P(ShippedWords, CarryTheirCodes) {
    const WordCase& c = GetParam();
    TranslationState s(*lexicon_);
    s.LookupWord = Cp(c.spanish);
    bool found = false;
    LookupSpanishWord(s, found);
    ASSERT_TRUE(found);
    EXPECT_EQ(s.StagedWord.SvWord.view(), Cp(c.swedish));
    EXPECT_EQ(s.StagedWord.SpClass, c.spClass);
    EXPECT_EQ(s.StagedWord.SpCode2, c.spCode2);
    EXPECT_EQ(s.StagedWord.SvCode1, c.svCode1);
    EXPECT_EQ(s.StagedWord.SvCode2, c.svCode2);
    EXPECT_EQ(s.StagedWord.SvCode3, c.svCode3);
}

// Nouns: gender in bits 11 to 13 and declension class of SvCode2; adjectives:
// class in bits 6 to 10 of SvCode2 and comparison group in bits 7 to 9 of
// SvCode1; verbs: group and s-verb flag in SvCode3.
INSTANTIATE_TEST_SUITE_P(Seed, ShippedWords,
                         testing::Values(WordCase{"perro", "hund", 1, 0, 1, (2 << 11) | 4, 0},
                                         WordCase{"casa", "hus", 1, 0, 1, (3 << 11) | 11, 0},
                                         WordCase{"chica", "flicka", 1, 0, 1, (1 << 11) | 1, 0},
                                         WordCase{"hombre", "man", 1, 0, 1, 38, 0},
                                         WordCase{"libro", "bok", 1, 0, 1, (2 << 11) | 15, 0},
                                         WordCase{"grande", "stor", 2, 0, 2 | (4 << 7), 1 << 6, 0},
                                         WordCase{"simple", "enkel", 2, 0, 2 | (3 << 7), 6 << 6, 0},
                                         WordCase{"bonito", "vacker", 2, 0, 2 | (3 << 7), 10 << 6, 0},
                                         WordCase{"pequeño", "liten", 2, 0, 2 | (4 << 7), 12 << 6, 0},
                                         WordCase{"pintar", "måla", 3, 0, 3, 0, 1},
                                         WordCase{"comprar", "köpa", 3, 0, 3, 0, 2},
                                         WordCase{"creer", "tro", 3, 0, 3, 0, 4},
                                         WordCase{"esperar", "hoppas", 3, 0, 3, 0, 128 | 12},
                                         WordCase{"comer", "äta", 3, 0, 3, 0, 9},
                                         WordCase{"poder", "kunna", 4, 0, 4, 0, 9},
                                         WordCase{"dicho", "talesätt", 20, 16, 1, (3 << 11) | 11, 0},
                                         WordCase{"alrededor", "omkring", 21, 0, 5, 0, 0},
                                         WordCase{"la", "den", 48, 0, 15, 0, 0},
                                         WordCase{"que", "som", 49, 0, 14, 0, 0}),
                         [](const auto& info) { return std::to_string(info.index); });

TEST_F(ShippedDictionaries, PoderIsEntry147) {
    TranslationState s(*lexicon_);
    s.LookupWord = "poder";
    bool found = false;
    LookupSpanishWord(s, found);
    ASSERT_TRUE(found);
    EXPECT_EQ(s.StagedWord.SvKey.view(), "147");
}

TEST_F(ShippedDictionaries, PhraseStartFlagIsBitSix) {
    TranslationState s(*lexicon_);
    s.LookupWord = "antes";
    bool found = false;
    LookupSpanishWord(s, found);
    ASSERT_TRUE(found);
    EXPECT_EQ(s.StagedWord.SpCode1, 64 | 5);
}

struct VerbFormCase {
    const char* form;
    const char* infinitive;
    int formCode;
    int personNo;
};

void PrintTo(const VerbFormCase& c, std::ostream* os) { *os << c.form; }

class ShippedVerbForms : public ShippedDictionaries, public testing::WithParamInterface<VerbFormCase> {};

TEST_P(ShippedVerbForms, GiveInfinitiveCodeAndPerson) {
    const VerbFormCase& c = GetParam();
    TranslationState s(*lexicon_);
    Str30 word(Cp(c.form));
    bool found = false;
    int formCode = 0;
    LookupVerbForm(s, word, found, formCode);
    ASSERT_TRUE(found);
    EXPECT_EQ(word.view(), Cp(c.infinitive));
    EXPECT_EQ(formCode, c.formCode);
    EXPECT_EQ(s.StagedWord.PersonNo, c.personNo);
}

INSTANTIATE_TEST_SUITE_P(Seed, ShippedVerbForms,
                         testing::Values(VerbFormCase{"tengo", "tener", 450, 1}, VerbFormCase{"fue", "ser", 470, 3},
                                         VerbFormCase{"está", "estar", 450, 3}, VerbFormCase{"había", "haber", 460, 1},
                                         VerbFormCase{"iremos", "ir", 475, 4}, VerbFormCase{"pueden", "poder", 450, 6},
                                         VerbFormCase{"diría", "decir", 9, 1}, VerbFormCase{"hecho", "hacer", 10, 0},
                                         VerbFormCase{"juegan", "jugar", 4, 6}),
                         [](const auto& info) { return std::to_string(info.index); });

TEST_F(ShippedDictionaries, FormEntryGivesTheAdjectiveReading) {
    TranslationState s(*lexicon_);
    WordNode node;
    node.SpWord = "joven";
    LookupFormEntry(s, node);
    EXPECT_EQ(s.StagedWord.SvWord.view(), "ung");
    EXPECT_EQ(s.StagedWord.SvClass, 2);
}

TEST_F(ShippedDictionaries, PhraseOfThreeWords) {
    TranslationState s(*lexicon_);
    WordNode a, pesar, de;
    a.SpWord = "a";
    pesar.SpWord = "pesar";
    de.SpWord = "de";
    a.Next = &pesar;
    pesar.Next = &de;
    bool found = false;
    FindPhrase(s, a.SpWord, &a, found);
    ASSERT_TRUE(found);
    EXPECT_EQ(s.PhraseSv.view(), "trots");
    EXPECT_EQ(s.PhraseClassWord.view(), "prep");
    EXPECT_EQ(s.PhraseWordCount, 3u);
}

TEST_F(ShippedDictionaries, NounPhraseCarriesItsNumber) {
    TranslationState s(*lexicon_);
    WordNode fin, de, semana;
    fin.SpWord = "fin";
    de.SpWord = "de";
    semana.SpWord = "semana";
    fin.Next = &de;
    de.Next = &semana;
    bool found = false;
    FindPhrase(s, fin.SpWord, &fin, found);
    ASSERT_TRUE(found);
    EXPECT_EQ(s.PhraseSv.view(), "helg");
    EXPECT_EQ(s.PhraseNumber.view(), std::to_string((2 << 11) | 4));
}

TEST_F(ShippedDictionaries, IrregularSwedishForms) {
    TranslationState s(*lexicon_);
    Str30 verb = "vara";
    LookupIrregularVerb(s, verb, 450);
    EXPECT_EQ(verb.view(), Cp("är"));
    verb = Cp("äta");
    LookupIrregularVerb(s, verb, 10);
    EXPECT_EQ(verb.view(), Cp("ätit"));
    Str30 noun = "bok";
    LookupIrregularNoun(s, noun, 'b', 3);
    EXPECT_EQ(noun.view(), Cp("böckerna"));
}

}  // namespace
}  // namespace quelvo
