#include <gtest/gtest.h>

#include <functional>

#include "swedish/adjectives.h"
#include "swedish/clock_time.h"
#include "swedish/comparison.h"
#include "swedish/determiners.h"
#include "swedish/nouns.h"
#include "swedish/participles.h"
#include "swedish/pronouns.h"
#include "swedish/verb_forms.h"
#include "swedish_test_support.h"

namespace quelvo {
namespace {

using testing_support::Sentence;
using testing_support::W;

// Every routine is called when the renderers have run out of words: it must
// neither read through the missing word nor leave the form it was given.
struct NoWordCase {
    const char* name;
    std::function<void(TranslationState&, Str30&)> run;
    const char* form;  // expected afterwards, starting from "bil"
};

void PrintTo(const NoWordCase& c, std::ostream* os) { *os << c.name; }

class WithoutAWord : public testing::TestWithParam<NoWordCase> {};

TEST_P(WithoutAWord, RoutinesStayInside) {
    Sentence t;
    Str30 form = "bil";
    GetParam().run(t.s, form);
    EXPECT_EQ(form.view(), GetParam().form);
    EXPECT_EQ(t.s.CurWord, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Routines, WithoutAWord,
    testing::Values(
        NoWordCase{"special_noun", [](TranslationState& s, Str30& f) { ChkKatForm(s, f, 41, 1, 'b'); }, "bil"},
        NoWordCase{"diminutive", [](TranslationState& s, Str30& f) { ChkKatForm(s, f, 4, 51, 'b'); }, "bilen"},
        NoWordCase{"adjective", [](TranslationState& s, Str30& f) { InflectAdjective(s, f, 'n', 3, 64, 'b'); }, "bila"},
        NoWordCase{"comparative_word",
                   [](TranslationState& s, Str30& f) {
                       f = "b\xE4ttre";
                       LookupIrregularAdjective(s, f, 'b', 1, 'n');
                       f = f == "b\xE4ttre" ? "bil" : "?";
                   },
                   "bil"},
        NoWordCase{"irregular_comparative", [](TranslationState& s, Str30&) { EmitIrregularComparative(s, 'o', 'n'); },
                   "bil"},
        NoWordCase{"possessive", [](TranslationState& s, Str30&) { TranslatePossessive(s, 'n', 1); }, "bil"},
        NoWordCase{"all_whole", [](TranslationState& s, Str30& f) { TranslateAllWhole(s, f, 'n', 1); }, "bil"},
        NoWordCase{"verb_infinitive", [](TranslationState& s, Str30& f) { MakeSwedishVerbForm(s, f, 1, 19); }, "bil"},
        NoWordCase{"verb_gerund", [](TranslationState& s, Str30& f) { MakeSwedishVerbForm(s, f, 1, 11); }, "bilnde"},
        NoWordCase{"verb_auxiliary", [](TranslationState& s, Str30& f) { MakeSwedishVerbForm(s, f, 1, 21); }, "bil"},
        NoWordCase{"particle_verb", [](TranslationState& s, Str30&) { EmitParticleVerb(s); }, "bil"},
        NoWordCase{"participle", [](TranslationState& s, Str30& f) { AgreeParticiple(s, f, 9, 3, 'n', 'b'); }, "bil"},
        NoWordCase{"participle_adjective", [](TranslationState& s, Str30& f) { LookupParticipleAdjective(s, f, 34); },
                   "bil"},
        NoWordCase{"clock_time", [](TranslationState& s, Str30&) { EmitClockTime(s); }, "bil"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClockTimeCalledOnASingleWord, StopsAtTheEnd) {
    Sentence t({W{.sp = "ser", .sv = "vara"}});
    EmitClockTime(t.s);
    EXPECT_EQ(t.Out(), std::vector<std::string>{"Klockan är"});
    EXPECT_EQ(t.s.CurWord, nullptr);
}

TEST(OutputRecord, StopsAtItsLastSlot) {
    Sentence t({W{.sp = "comer", .sv = "äta"}});
    t.s.OutCount = kOutWordSlots + 1;
    Str30 form = testing_support::Form("äta");
    MakeSwedishVerbForm(t.s, form, 9, 8);
    EXPECT_EQ(t.s.OutCount, kOutWordSlots + 2);
    EXPECT_EQ(t.Out(), std::vector<std::string>{"Kommer att"});
}

}  // namespace
}  // namespace quelvo
