#include <gtest/gtest.h>

#include "swedish/clock_time.h"
#include "swedish_test_support.h"

namespace quelvo {
namespace {

using testing_support::P;
using testing_support::Sentence;
using testing_support::W;

W Ser() { return W{.sp = "ser", .sv = "vara", .spClass = 3, .formCode = 450, .person = 3}; }
W Article(const char* sp) { return W{.sp = sp, .sv = "den", .spClass = 15}; }
W Number(const char* sp, const char* sv) { return W{.sp = sp, .sv = sv, .spClass = 6}; }
W Word(const char* sp, const char* sv, int spClass = 0) { return W{.sp = sp, .sv = sv, .spClass = spClass}; }

struct ClockCase {
    const char* name;
    std::vector<W> words;
    bool handled;
    std::vector<std::string> shown;
    int nextWord;  // the word CurWord ends on, from 1; 0 for none
    int phrasesConsumed;
};

void PrintTo(const ClockCase& c, std::ostream* os) { *os << c.name; }

class ClockTimes : public testing::TestWithParam<ClockCase> {};

TEST_P(ClockTimes, ComeOutInSwedishOrder) {
    const ClockCase& c = GetParam();
    Sentence t;
    for (const W& w : c.words) t.Add(w);
    for (int i = 0; i < 8; ++i) {
        PhraseNode* node = t.s.MergedPhraseList.Add(t.s.Arena, i == 0);
        node->Pos = i + 1;
    }
    t.s.CurWord = t.s.WordList.Head;
    t.s.PhraseCursor = t.s.MergedPhraseList.Head;
    bool handled = !c.handled;
    DetectClockTime(t.s, handled);
    EXPECT_EQ(handled, c.handled);
    EXPECT_EQ(t.Out(), c.shown);
    std::vector<std::string> recorded = c.shown;
    if (!recorded.empty()) recorded.front() = "klockan är";  // as recorded, before capitalising
    EXPECT_EQ(t.Recorded(), recorded);
    EXPECT_EQ(t.s.CurWord, c.nextWord == 0 ? nullptr : t.Word(c.nextWord));
    ASSERT_NE(t.s.PhraseCursor, nullptr);
    EXPECT_EQ(t.s.PhraseCursor->Pos, c.phrasesConsumed + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Sentences, ClockTimes,
    testing::Values(
        ClockCase{"es_la_una",
                  {Ser(), Article("la"), Number("una", "ett"), Word(".", ".", 100)},
                  true,
                  {"Klockan är", "ett"},
                  4,
                  2},
        ClockCase{"una_read_as_article",
                  {Ser(), Article("la"), W{.sp = "una", .sv = "ett", .spClass = 45}, Word(".", ".", 100)},
                  true,
                  {"Klockan är", "ett"},
                  4,
                  2},
        ClockCase{"es_la_una_last", {Ser(), Article("la"), Number("una", "ett")}, true, {"Klockan är", "ett"}, 0, 2},
        ClockCase{"y_media",
                  {Ser(), Article("las"), Number("tres", "tre"), Word("y", "och", 39), Word("mediar", "halv", 2)},
                  true,
                  {"Klockan är", "tre", "och", "trettio"},
                  0,
                  4},
        ClockCase{"y_media_as_a_word",
                  {Ser(), Article("las"), Number("tres", "tre"), Word("y", "och", 39), Word("media", "halv", 2)},
                  true,
                  {"Klockan är", "tre", "och", "trettio"},
                  0,
                  4},
        ClockCase{
            "y_diez",
            {Ser(), Article("las"), Number("tres", "tre"), Word("y", "och", 39), Number("diez", "tio"), Word(".", ".", 100)},
            true,
            {"Klockan är", "tre", "och", "tio"},
            6,
            4},
        ClockCase{"menos_diez",
                  {Ser(), Article("las"), Number("tres", "tre"), Word("menos", "minus", 5), Number("diez", "tio"),
                   Word(".", ".", 100)},
                  true,
                  {"Klockan är", "tio", "i", "tre"},
                  6,
                  4},
        ClockCase{"y_without_minutes",
                  {Ser(), Article("las"), Number("tres", "tre"), Word("y", "och", 39), Word("yo", "jag", 10)},
                  true,
                  {"Klockan är", "tre"},
                  4,
                  2},
        ClockCase{"determiner_48",
                  {Ser(), W{.sp = "las", .spClass = 48}, Number("dos", "två"), Word("y", "och")},
                  true,
                  {"Klockan är", "två"},
                  4,
                  2},
        ClockCase{"number_before_noun",
                  {Ser(), Article("las"), Number("tres", "tre"), Word("casas", "hus", 1)},
                  false,
                  {},
                  1,
                  0},
        ClockCase{"number_before_adjective",
                  {Ser(), Article("los"), Number("dos", "två"), Word("grandes", "stora", 2)},
                  false,
                  {},
                  1,
                  0},
        ClockCase{"no_article", {Ser(), Number("tres", "tre"), Number("tres", "tre")}, false, {}, 1, 0},
        ClockCase{"no_number", {Ser(), Article("la"), Word("casa", "hus", 1)}, false, {}, 1, 0},
        ClockCase{"too_short", {Ser(), Article("la")}, false, {}, 1, 0},
        ClockCase{"other_verb", {Word("tener", "ha", 3), Article("la"), Number("una", "ett")}, false, {}, 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClockTimeWithoutWord, IsNotHandled) {
    Sentence t;
    bool handled = true;
    DetectClockTime(t.s, handled);
    EXPECT_FALSE(handled);
}

TEST(ClockTimeAtTheEndOfThePhrases, StopsThePhraseCursorAtTheEnd) {
    Sentence t({Ser(), Article("las"), Number("tres", "tre"), Word("y", "och"), Word("mediar", "halv")},
               {P{"VP", 160}});
    bool handled = false;
    DetectClockTime(t.s, handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(t.Out(), (std::vector<std::string>{"Klockan är", "tre", "och", "trettio"}));
    EXPECT_EQ(t.s.PhraseCursor, nullptr);
}

}  // namespace
}  // namespace quelvo
