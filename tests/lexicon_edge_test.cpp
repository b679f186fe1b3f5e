// The corners of each dictionary file, one small file per case.
#include <gtest/gtest.h>

#include "lexicon/lexicon.h"
#include "lexicon/lookups.h"
#include "lexicon_generator.h"

namespace quelvo {
namespace {

std::shared_ptr<const Lexicon> Load(const std::string& name, const reference::Files& files) {
    auto loaded = generated::LoadFiles(name, files);
    if (const auto* error = std::get_if<DataError>(&loaded)) {
        ADD_FAILURE() << error->Describe();
        return std::make_shared<const Lexicon>();
    }
    return std::get<std::shared_ptr<const Lexicon>>(loaded);
}

template <typename Case>
std::string NameOf(const testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

const std::string kSwedish = "1\tett\t1\t0\t0\t0\r\n2\ttv\xE5\t2\t0\t0\t0\r\n7\tsju\t7\t0\t0\t0\r\n!";

// ---- "SpOrd.txt" and "SvFile.txt" ----

struct SpanishCase {
    const char* name;
    std::string spOrd;
    std::string svFile;
    std::string word;
    bool found;
    std::string svWord;
    std::string svKey;
    std::uint16_t spCode1;
    std::uint16_t svCode1;
};

class SpanishWordEdges : public testing::TestWithParam<SpanishCase> {};

TEST_P(SpanishWordEdges, GiveTheScansResult) {
    const SpanishCase& c = GetParam();
    const auto lexicon = Load(c.name, {c.spOrd, c.svFile});
    TranslationState s(*lexicon);
    s.LookupWord = c.word;
    bool found = !c.found;
    LookupSpanishWord(s, found);
    EXPECT_EQ(found, c.found);
    EXPECT_EQ(s.StagedWord.SvWord.view(), c.svWord);
    EXPECT_EQ(s.StagedWord.SvKey.view(), c.svKey);
    EXPECT_EQ(s.StagedWord.SpCode1, c.spCode1);
    EXPECT_EQ(s.StagedWord.SpClass, c.spCode1 & 63);
    EXPECT_EQ(s.StagedWord.SvCode1, c.svCode1);
    EXPECT_EQ(s.StagedWord.SvClass, c.svCode1 & 63);
    EXPECT_EQ(s.StagedWord.SpWord.view(), c.found ? c.word : "Not Nound");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpanishWordEdges,
    testing::Values(
        SpanishCase{"blanks_and_sign_before_a_number", "1\tx\t 1\t  +70\t0\t0\r\n!", kSwedish, "x", true, "ett",
                    " 1", 70, 1},
        SpanishCase{"files_without_entries", "!", "!", "x", false, "Not Found", "Not Fo", 0, 0}),
    NameOf<SpanishCase>);

TEST(SpanishWordEdges, TryLookupNeverClearsTheCallersFlag) {
    const auto lexicon = Load("try_lookup", {"1\tx\t1\t5\t0\t0\r\n!", kSwedish});
    TranslationState s(*lexicon);
    s.LookupWord = "y";
    bool found = true;
    TryLookup(s, found);
    EXPECT_TRUE(found);
    EXPECT_EQ(s.StagedWord.SvKey.view(), "Not Fo");
    found = false;
    s.LookupWord = "x";
    TryLookup(s, found);
    EXPECT_TRUE(found);
}

TEST(SpanishWordEdges, SwedishEntryMissLeavesTheStagedWord) {
    const auto lexicon = Load("swedish_miss", {"!", kSwedish});
    TranslationState s(*lexicon);
    s.StagedWord.SvKey = "8";
    s.StagedWord.SvWord = "kvar";
    s.StagedWord.FormCode = 4;
    bool found = false;
    LookupSwedishEntry(s, found);
    EXPECT_FALSE(found);
    EXPECT_EQ(s.StagedWord.SvWord.view(), "kvar");
    EXPECT_EQ(s.StagedWord.FormCode, 4);
    s.StagedWord.SvKey = "+7";
    LookupSwedishEntry(s, found);
    EXPECT_TRUE(found);
    EXPECT_EQ(s.StagedWord.SvWord.view(), "sju");
    EXPECT_EQ(s.StagedWord.FormCode, 4);
}

struct PhraseCase {
    const char* name;
    std::string frasText;
    std::vector<std::string> sentence;
    bool found;
    std::string sv;  // PhraseSv afterwards ("-" when untouched)
    std::string classWord;
    std::string number;
    unsigned wordCount;  // PhraseWordCount afterwards (99 when untouched)
};

class PhraseEdges : public testing::TestWithParam<PhraseCase> {};

TEST_P(PhraseEdges, FindTheScansRecord) {
    const PhraseCase& c = GetParam();
    reference::Files files;
    files.frasText = c.frasText;
    const auto lexicon = Load(c.name, files);
    TranslationState s(*lexicon);
    s.PhraseWordCount = 99;
    s.PhraseSv = s.PhraseSp = s.PhraseClassWord = s.PhraseNumber = "-";
    std::vector<WordNode> nodes(c.sentence.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        nodes[i].SpWord = c.sentence[i];
        if (i + 1 < nodes.size()) nodes[i].Next = &nodes[i + 1];
    }
    bool found = false;
    FindPhrase(s, nodes[0].SpWord, &nodes[0], found);
    EXPECT_EQ(found, c.found);
    EXPECT_EQ(s.PhraseSv.view(), c.sv);
    EXPECT_EQ(s.PhraseClassWord.view(), c.classWord);
    EXPECT_EQ(s.PhraseNumber.view(), c.number);
    EXPECT_EQ(s.PhraseWordCount, c.wordCount);
    EXPECT_EQ(s.PhraseSp.view() == "-", !c.found);
}

const std::string kPhrases = "*de&de acuerdo/\xF6verens/adv/0,de repente/pl\xF6tsligt/adv/1.+a&a pesar de/trots/prep/2.#";

INSTANTIATE_TEST_SUITE_P(
    Cases, PhraseEdges,
    testing::Values(
        PhraseCase{"last_word_taken_again", "*a&a b b/x/adv/1.#", {"a", "b"}, true, "x", "adv", "1", 3},
        PhraseCase{"only_the_first_section_of_a_key", "*a&a c/x/adv/1.+a&a b/y/sub/2.#", {"a", "b"}, false, "-", "-",
                   "-", 2},
        PhraseCase{"word_count_of_the_record_last_compared", "*a&a b c/x/adv/1,a d/y/sub/2.#", {"a", "e"}, false, "-",
                   "-", "-", 2},
        PhraseCase{"marker_hash_means_an_empty_file", "#a&a b/x/adv/1.#", {"a", "b"}, false, "-", "-", "-", 99},
        PhraseCase{"marker_is_not_part_of_the_key", "aa&a b/x/adv/1.#", {"a", "b"}, true, "x", "adv", "1", 2},
        PhraseCase{"class_word_and_number_are_cut", "*a&a b/x/konjunktionen/1234567.#", {"a", "b"}, true, "x",
                   "konjunkti", "12345", 2}),
    NameOf<PhraseCase>);

TEST(PhraseEdges, WordOtherThanTheNodesSelectsTheSection) {
    reference::Files files;
    files.frasText = kPhrases;
    const auto lexicon = Load("other_word", files);
    TranslationState s(*lexicon);
    WordNode de;
    de.SpWord = "de";
    bool found = false;
    FindPhrase(s, Str30("a"), &de, found);
    EXPECT_FALSE(found);
    EXPECT_EQ(s.PhraseWordCount, 3u);
}

}  // namespace
}  // namespace quelvo
