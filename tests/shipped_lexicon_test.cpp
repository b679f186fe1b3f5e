// The dictionaries the build compiles from data/lexicon, read through the
// lookups: the compiled formats and the seed vocabulary together.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

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
    int spCode1;
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
    EXPECT_EQ(s.StagedWord.SpCode1, c.spCode1);
    EXPECT_EQ(s.StagedWord.SpCode2, c.spCode2);
    EXPECT_EQ(s.StagedWord.SvCode1, c.svCode1);
    EXPECT_EQ(s.StagedWord.SvCode2, c.svCode2);
    EXPECT_EQ(s.StagedWord.SvCode3, c.svCode3);
}

// SpCode1: the class, bit 6 the phrase start. Nouns: gender in bits 11 to 13 and declension class of SvCode2; adjectives:
// class in bits 6 to 10 of SvCode2 and comparison group in bits 7 to 9 of
// SvCode1; verbs: group and s-verb flag in SvCode3.
INSTANTIATE_TEST_SUITE_P(Seed, ShippedWords,
                         testing::Values(WordCase{"perro", "hund", 1, 0, 1, (2 << 11) | 4, 0},
                                         WordCase{"casa", "hus", 1, 0, 1, (3 << 11) | 11, 0},
                                         WordCase{"chica", "flicka", 1, 0, 1, (1 << 11) | 1, 0},
                                         WordCase{"hombre", "man", 1, 0, 1, 38, 0},
                                         WordCase{"libro", "bok", 1, 0, 1, (2 << 11) | 15, 0},
                                         WordCase{"grande", "stor", 2, 0, 2 | (7 << 7), 1 << 6, 0},
                                         WordCase{"simple", "enkel", 2, 0, 2 | (4 << 7), 6 << 6, 0},
                                         WordCase{"bonito", "vacker", 2, 0, 2 | (4 << 7), 10 << 6, 0},
                                         WordCase{"pequeño", "liten", 2, 0, 2 | (7 << 7), 12 << 6, 0},
                                         WordCase{"pintar", "måla", 3, 0, 3, 0, 1},
                                         WordCase{"comprar", "köpa", 3, 0, 3, 0, 2},
                                         WordCase{"creer", "tro", 3, 0, 3, 0, 4},
                                         WordCase{"respirar", "andas", 3, 0, 3, 0, 128 | 12},
                                         WordCase{"comer", "äta", 3, 0, 3, 0, 9},
                                         WordCase{"poder", "kunna", 4, 0, 4, 0, 9},
                                         WordCase{"dicho", "talesätt", 20, 16, 1, (3 << 11) | 11, 0},
                                         WordCase{"alrededor", "omkring", 21, 0, 5, 0, 0},
                                         WordCase{"antes", "förut", 64 | 5, 0, 5, 0, 0},
                                         WordCase{"la", "den", 64 | 48, 0, 15, 0, 0},
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

struct PhraseCase {
    std::vector<const char*> words;  // the SpWord of each word from the phrase start
    const char* swedish;
    const char* classWord;
    const char* number;
};

void PrintTo(const PhraseCase& c, std::ostream* os) { *os << c.words.front(); }

class ShippedPhrases : public ShippedDictionaries, public testing::WithParamInterface<PhraseCase> {};

TEST_P(ShippedPhrases, AreFoundFromTheirFirstWord) {
    const PhraseCase& c = GetParam();
    TranslationState s(*lexicon_);
    std::vector<WordNode> nodes(c.words.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        nodes[i].SpWord = Cp(c.words[i]);
        if (i > 0) nodes[i - 1].Next = &nodes[i];
    }
    bool found = false;
    FindPhrase(s, nodes.front().SpWord, &nodes.front(), found);
    ASSERT_TRUE(found);
    EXPECT_EQ(s.PhraseSv.view(), Cp(c.swedish));
    EXPECT_EQ(s.PhraseClassWord.view(), c.classWord);
    EXPECT_EQ(s.PhraseNumber.view(), c.number);
    EXPECT_EQ(s.PhraseWordCount, c.words.size());
}

INSTANTIATE_TEST_SUITE_P(Seed, ShippedPhrases,
                         testing::Values(PhraseCase{{"a", "pesar", "de"}, "trots", "prep", "0"},
                                         PhraseCase{{"fin", "de", "semana"}, "helg", "sub", "4100"},
                                         PhraseCase{{"de", "repente"}, "plötsligt", "adv", "0"}),
                         [](const auto& info) { return std::to_string(info.index); });

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
