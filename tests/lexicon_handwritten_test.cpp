// The lookups on a small hand-written dictionary directory.
#include <gtest/gtest.h>

#include <memory>

#include "lexicon/lexicon.h"
#include "lexicon/lookups.h"
#include "test_support.h"

namespace quelvo {
namespace {

using testing_support::Cp;

std::shared_ptr<const Lexicon> LoadHandwritten() {
    auto loaded = Lexicon::Load(std::filesystem::path(QUELVO_FIXTURES) / "handwritten");
    if (const auto* error = std::get_if<DataError>(&loaded)) ADD_FAILURE() << error->Describe();
    return std::get<std::shared_ptr<const Lexicon>>(loaded);
}

class Handwritten : public testing::Test {
protected:
    static void SetUpTestSuite() { lexicon_ = LoadHandwritten(); }
    static void TearDownTestSuite() { lexicon_.reset(); }
    static std::shared_ptr<const Lexicon> lexicon_;
    TranslationState s{*lexicon_};
};
std::shared_ptr<const Lexicon> Handwritten::lexicon_;

TEST_F(Handwritten, SpanishWordFillsBothRecords) {
    s.LookupWord = "hombre";
    bool found = false;
    LookupSpanishWord(s, found);
    EXPECT_TRUE(found);
    EXPECT_EQ(s.StagedWord.SpWord.view(), "hombre");
    EXPECT_EQ(s.StagedWord.SvWord.view(), "man");
    EXPECT_EQ(s.StagedWord.SvKey.view(), "12");
    EXPECT_EQ(s.StagedWord.SpCode1, 1);
    EXPECT_EQ(s.StagedWord.SpCode2, 2);
    EXPECT_EQ(s.StagedWord.SpClass, 1);
    EXPECT_EQ(s.StagedWord.SvCode1, 15);
    EXPECT_EQ(s.StagedWord.SvClass, 15);
}

TEST_F(Handwritten, FirstRecordOfADuplicateFormWins) {
    s.LookupWord = "perro";
    bool found = false;
    LookupSpanishWord(s, found);
    EXPECT_TRUE(found);
    EXPECT_EQ(s.StagedWord.SvWord.view(), "hund");
}

TEST_F(Handwritten, EntryNumbersCompareAsNumbers) {
    s.LookupWord = "mujer";
    bool found = false;
    LookupSpanishWord(s, found);
    EXPECT_TRUE(found);
    EXPECT_EQ(s.StagedWord.SvKey.view(), "007");
    EXPECT_EQ(s.StagedWord.SvWord.view(), "kvinna");
    EXPECT_EQ(s.StagedWord.SvCode2, 4096);
}

TEST_F(Handwritten, MissingSwedishEntryGivesThePlaceholders) {
    s.LookupWord = "nada";
    s.StagedWord.FormCode = 5;
    s.StagedWord.PersonNo = 3;
    bool found = false;
    LookupSpanishWord(s, found);
    EXPECT_FALSE(found);
    EXPECT_EQ(s.StagedWord.SpWord.view(), "Not Nound");
    EXPECT_EQ(s.StagedWord.SvWord.view(), "Not Found");
    EXPECT_EQ(s.StagedWord.SvForm.view(), "Not Found");
    EXPECT_EQ(s.StagedWord.SpText.view(), "Not Found");
    EXPECT_EQ(s.StagedWord.SvKey.view(), "Not Fo");
    EXPECT_EQ(s.StagedWord.SpCode1, 0);
    EXPECT_EQ(s.StagedWord.FormCode, 0);
    EXPECT_EQ(s.StagedWord.PersonNo, 0);
}

TEST_F(Handwritten, FormEntryLeadsToTheSwedishEntry) {
    WordNode node;
    node.SpWord = "hombres";
    s.LookupWord = "otro";
    LookupFormEntry(s, node);
    EXPECT_EQ(s.StagedWord.SvKey.view(), "12");
    EXPECT_EQ(s.StagedWord.SvWord.view(), "man");
    EXPECT_EQ(s.StagedWord.SpWord.view(), "otro");  // the lookup key, not the node's word
    EXPECT_EQ(node.SpWord.view(), "hombres");
}

TEST_F(Handwritten, VerbFormGivesInfinitiveCodeAndPerson) {
    Str30 word = "comiste";
    bool found = false;
    int formCode = 0;
    LookupVerbForm(s, word, found, formCode);
    EXPECT_TRUE(found);
    EXPECT_EQ(word.view(), "comer");
    EXPECT_EQ(formCode, 5);
    EXPECT_EQ(s.StagedWord.PersonNo, 2);

    word = "comido";
    LookupVerbForm(s, word, found, formCode);
    EXPECT_EQ(word.view(), "comer");
    EXPECT_EQ(formCode, 10);
    EXPECT_EQ(s.StagedWord.PersonNo, 0);
}

TEST_F(Handwritten, PhraseInItsSection) {
    WordNode a, pesar, de;
    a.SpWord = "a";
    pesar.SpWord = "pesar";
    de.SpWord = "de";
    a.Next = &pesar;
    pesar.Next = &de;
    bool found = false;
    FindPhrase(s, Str30("a"), &a, found);
    EXPECT_TRUE(found);
    EXPECT_EQ(s.PhraseSv.view(), "trots");
    EXPECT_EQ(s.PhraseSp.view(), "a pesar de");
    EXPECT_EQ(s.PhraseClassWord.view(), "prep");
    EXPECT_EQ(s.PhraseNumber.view(), "0");
    EXPECT_EQ(s.PhraseWordCount, 3u);
}

TEST_F(Handwritten, IrregularForms) {
    Str30 noun = "man";
    LookupIrregularNoun(s, noun, 'o', 3);
    EXPECT_EQ(noun.view(), Cp("män"));
    Str30 verb(Cp("gå"));
    LookupIrregularVerb(s, verb, 7);
    EXPECT_EQ(verb.view(), Cp("går/gick"));
}

TEST(EmptyLexicon, FindsNothing) {
    static const Lexicon lexicon;
    TranslationState s(lexicon);
    s.LookupWord = "perro";
    bool found = false;
    LookupSpanishWord(s, found);
    EXPECT_FALSE(found);
    EXPECT_EQ(s.StagedWord.SvKey.view(), "Not Fo");
    Str30 word = "come";
    int formCode = 0;
    LookupVerbForm(s, word, found, formCode);
    EXPECT_FALSE(found);
    WordNode node;
    node.SpWord = "de";
    FindPhrase(s, node.SpWord, &node, found);
    EXPECT_FALSE(found);
    Str30 noun = "man";
    LookupIrregularNoun(s, noun, 'b', 1);
    EXPECT_EQ(noun.view(), "man");
}

TEST(Acronyms, TranslateByTable) {
    static const Lexicon lexicon;
    TranslationState s(lexicon);
    s.LookupWord = "ONU";
    bool found = false;
    LookupAcronym(s, found);
    EXPECT_TRUE(found);
    EXPECT_EQ(s.StagedWord.SvWord.view(), "FN");
    found = false;
    s.LookupWord = "onu";
    LookupAcronym(s, found);
    EXPECT_FALSE(found);
}

}  // namespace
}  // namespace quelvo
