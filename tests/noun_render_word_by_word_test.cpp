#include <gtest/gtest.h>

#include "noun_render_support.h"
#include "render/phrase_progress.h"
#include "render/word_by_word.h"

namespace quelvo {
namespace {

using testing_support::kCommon;
using testing_support::NounCode;
using testing_support::Ph;
using testing_support::Scene;
using testing_support::Wd;

const Wd Este{.sp = "este", .sv = "den här", .tag = "det", .spClass = 47};
const Wd Perros{.sp = "perro", .sv = "hund", .tag = "n", .spClass = 1, .formCode = 3,
                .svCode2 = NounCode(4, kCommon)};
// An infinitive keeps its dictionary form whoever conjugates it.
const Wd Correr{.sp = "correr", .sv = "springa", .tag = "v", .spClass = 3, .formCode = 1};
const Wd Ya{.sp = "ya", .sv = "redan", .tag = "adv", .spClass = 5};
const Wd Ojala{.sp = "ojalá", .sv = "om bara"};
const Wd Stop{.sp = ".", .sv = ".", .tag = "sklj"};

struct WordByWordCase {
    const char* name;
    Ph phrase;
    std::vector<Wd> words;
    std::vector<std::string> out;
    std::vector<std::string> outTags;
    int consumed;
};

void PrintTo(const WordByWordCase& c, std::ostream* os) { *os << c.name; }

class WordByWord : public testing::TestWithParam<WordByWordCase> {};

TEST_P(WordByWord, ConsumesExactlyThePhrasesWords) {
    const WordByWordCase& c = GetParam();
    std::vector<Wd> words = c.words;
    words.push_back(Ya);
    words.push_back(Stop);
    Scene t(words, {c.phrase, Ph{"Adv", 252, {"adv"}}, Ph{"ST", 260, {"sklj"}}});
    RenderWordByWord(t.s);
    EXPECT_EQ(t.Out(), c.out);
    EXPECT_EQ(t.OutTags(), c.outTags);
    EXPECT_EQ(t.CurWordPosition(), c.consumed + 1);
    EXPECT_EQ(t.s.CurWordNo, c.consumed + 1);
    EXPECT_EQ(t.s.CurPhraseNo, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Phrases, WordByWord,
    testing::Values(
        WordByWordCase{"noun_in_its_number", Ph{"NP", 143, {"dem", "n"}}, {Este, Perros}, {"Den här", "hundar"},
                       {"det", "n"}, 2},
        WordByWordCase{"verb_through_the_verb_routine", Ph{"Qq", 0, {"v"}}, {Correr}, {"Springa"}, {"v"}, 1},
        WordByWordCase{"word_without_class_tag", Ph{"Zz", 0, {"x"}}, {Ojala}, {"Om bara"}, {"x"}, 1},
        // A phrase that grouping made from a word no rule matched has no
        // members but still holds that one word.
        WordByWordCase{"phrase_without_members", Ph{"Zz", 0, {}, 0}, {Ojala}, {"Om bara"}, {"x"}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WordByWordEnd, StopsAtTheEndOfTheWords) {
    Scene t({Este}, {Ph{"NP", 77, {"dem", "n", "adj"}}});
    RenderWordByWord(t.s);
    EXPECT_EQ(t.Out(), std::vector<std::string>{"Den här"});
    EXPECT_EQ(t.s.CurWord, nullptr);
    EXPECT_EQ(t.s.CurWordNo, 2);
}

TEST(PhraseProgress, CountsWordsAndPhrasesConsumed) {
    Scene t({Este, Perros, Ya, Stop}, {Ph{"NP", 143, {"dem", "n"}}, Ph{"Adv", 252, {"adv"}}, Ph{"ST", 260, {"sklj"}}});
    const PhraseStart start = BeginPhrase(t.s);
    t.s.CurWord = t.Word(3);
    t.s.PhraseCursor = t.Phrase(2);
    FinishPhrase(t.s, start);
    EXPECT_EQ(t.s.CurWordNo, 3);
    EXPECT_EQ(t.s.CurPhraseNo, 3);
    EXPECT_EQ(WordsBetween(t.Word(1), nullptr), 4);
    EXPECT_EQ(WordsBetween(t.Word(3), t.Word(1)), 0);
    EXPECT_EQ(WordsBetween(nullptr, t.Word(1)), 0);
}

}  // namespace
}  // namespace quelvo
