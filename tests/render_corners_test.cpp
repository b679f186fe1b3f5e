// The corners of rendering that no sentence reaches: routines called when the
// words have run out, phrases longer than the words left, and the output
// record at its capacity. Every other renderer case is a sentence row.
#include <gtest/gtest.h>

#include <functional>

#include "render/auxiliary_verbs.h"
#include "render/noun_phrases.h"
#include "render/reflexive_passive.h"
#include "render/single_words.h"
#include "render/verb_phrases.h"
#include "render/verb_word.h"
#include "render/word_by_word.h"
#include "support.h"
#include "swedish/adjectives.h"
#include "swedish/clock_time.h"
#include "swedish/comparison.h"
#include "swedish/determiners.h"
#include "swedish/nouns.h"
#include "swedish/participles.h"
#include "swedish/pronouns.h"
#include "swedish/verb_forms.h"

namespace quelvo {
namespace {

using testing_support::FixtureLexicon;
using testing_support::Ph;
using testing_support::Scene;
using testing_support::Wd;

// A neuter noun of declension 11 ("hus"), as the dictionary codes it.
constexpr std::uint16_t kNeuterNoun = 11 | (3 << 11);
const Wd kLa{.sp = "la", .sv = "den", .spClass = 15, .formCode = 1, .tag = "det"};
const Wd kCasa{.sp = "casa", .sv = "hus", .spClass = 1, .formCode = 1, .svCode2 = kNeuterNoun, .tag = "n", .gender = 't'};
const Wd kStop{.sp = ".", .sv = ".", .spClass = 100, .formCode = 1, .tag = "sklj"};
const Wd kSe{.sp = "se", .sv = "sig", .spClass = 18, .formCode = 1, .svClass = 18, .tag = "refl"};
const Wd kComer{.sp = "comer", .sv = "äta", .spClass = 99, .formCode = 19, .svCode3 = 9, .svClass = 3};

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
    Scene t;
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
        NoWordCase{"clock_time", [](TranslationState& s, Str30&) { EmitClockTime(s); }, "bil"},
        NoWordCase{"verb_word", [](TranslationState& s, Str30&) { TranslateVerbWord(s); }, "bil"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WithoutAWord, ClockTimeIsNotDetected) {
    Scene t;
    bool handled = true;
    DetectClockTime(t.s, handled);
    EXPECT_FALSE(handled);
}

TEST(WithoutAWord, ASentenceMarkShowsTheFault) {
    Scene t({kStop}, {Ph{"KT", 269, {"komma"}}});
    t.s.CurWord = nullptr;
    TranslateSentenceMark(t.s);
    EXPECT_EQ(t.Out(), std::vector<std::string>{"FEL I OLIKASOEK/SOEK_ST!"});
}

TEST(WithoutAWord, NoSubjectPronounIsInserted) {
    Scene noPhrase({Wd{.sp = "comer", .sv = "äta", .spClass = 3, .formCode = 450, .person = 1, .svCode3 = 1}});
    InsertSubjectPronoun(noPhrase.s);
    EXPECT_TRUE(noPhrase.Out().empty());
    Scene noWord({}, {Ph{"NPS/VPT", 160}});
    InsertSubjectPronoun(noWord.s);
    EXPECT_TRUE(noWord.Out().empty());
}

// A rule whose pattern is longer than the words left renders what is there
// and stops on the end of the list.
TEST(PastTheLastWord, ANounPhraseStopsThere) {
    Scene t({kLa, kCasa}, {Ph{"NP", 14, {"det", "n", "adj", "ykon", "adj"}}});
    RenderPhraseByRule(t.s);
    EXPECT_EQ(t.Out(), (std::vector<std::string>{"Det", "huset"}));
    EXPECT_EQ(t.s.CurWord, nullptr);
    EXPECT_EQ(t.s.CurWordNo, 3);
}

TEST(PastTheLastWord, AComparisonSaysMer) {
    Scene t({{.sp = "más", .sv = "mer", .formCode = 1, .tag = "mer"}}, {Ph{"MAdj", 133, {"mer", "adj"}}});
    RenderPhraseByRule(t.s);
    EXPECT_EQ(t.Out(), std::vector<std::string>{"Mer"});
    EXPECT_EQ(t.s.CurWord, nullptr);
}

TEST(PastTheLastWord, APrepositionIsRenderedAlone) {
    Scene t({{.sp = "para", .sv = "för", .spClass = 7, .formCode = 1, .tag = "prep"}}, {Ph{"NPP", 9137, {"prep", "det", "n"}}});
    RenderPrepPhrase(t.s);
    EXPECT_EQ(t.Out(), std::vector<std::string>{"För"});
    EXPECT_EQ(t.s.CurWord, nullptr);
}

TEST(PastTheLastWord, WordByWordStops) {
    Scene t({{.sp = "este", .sv = "den här", .formCode = 1, .tag = "dem"}}, {Ph{"NP", 77, {"dem", "n", "adj"}}});
    RenderWordByWord(t.s);
    EXPECT_EQ(t.Out(), std::vector<std::string>{"Den här"});
    EXPECT_EQ(t.s.CurWord, nullptr);
}

TEST(PastTheLastWord, AnAuxiliaryWithoutItsVerbIsTheVerb) {
    Scene t({{.sp = "estar", .sv = "vara", .spClass = 3, .formCode = 450, .svCode3 = 9, .svClass = 3}}, {},
            FixtureLexicon("verbs"));
    EmitVerbAfterAuxiliary(t.s);
    EXPECT_EQ(t.Out(), (std::vector<std::string>{"Är"}));
    EXPECT_EQ(t.s.CurWord, nullptr);
}

TEST(PastTheLastWord, VerbConstructionsFallBackToTheVerb) {
    for (const char* sp : {"acabar", "ir", "tener", "hacer", "tratar", "quedar", "servir", "dejar", "seguir"}) {
        Scene t({{.sp = sp, .sv = "måla", .spClass = 3, .formCode = 450, .svCode3 = 1, .svClass = 3}}, {},
                FixtureLexicon("verbs"));
        TranslateVerbWord(t.s);
        EXPECT_EQ(t.s.CurWord, nullptr) << sp;
        EXPECT_EQ(t.Out().size(), 1U) << sp;
    }
}

TEST(PastTheLastWord, ReflexivePatternsDoNotReadPastIt) {
    for (int construction : {165, 177, 178, 179, 184, 185, 186, 196, 197, 203, 204, 1155, 1650}) {
        Scene t({kSe}, {}, FixtureLexicon("verbs"));
        TranslateReflexive(t.s, construction);
        EXPECT_EQ(t.s.CurWord, nullptr) << construction;
    }
}

TEST(PastTheLastWord, OnlyTheVerbPhraseIsCounted) {
    Scene t({kComer}, {Ph{"VP", 225, {"v"}}, Ph{"ST", 260, {"sklj"}}}, FixtureLexicon("verbs"));
    t.s.CurWord = nullptr;
    TranslateVerbPhrase(t.s);
    EXPECT_TRUE(t.Out().empty());
    EXPECT_EQ(t.s.CurPhraseNo, 2);
}

TEST(PastTheLastPhrase, ANounPhraseRendersItsWord) {
    Scene t({kLa, kCasa});
    t.s.PhraseCursor = nullptr;
    RenderPhraseByRule(t.s);
    EXPECT_EQ(t.Out(), std::vector<std::string>{"Den"});
}

TEST(PastTheLastPhrase, AClockTimeStopsThePhraseCursor) {
    Scene t({Wd{.sp = "ser", .sv = "vara"}});
    EmitClockTime(t.s);
    EXPECT_EQ(t.Out(), std::vector<std::string>{"Klockan är"});
    EXPECT_EQ(t.s.CurWord, nullptr);
}

// A word no grammar rule matched gives a phrase without members; its one word
// is rendered alone.
TEST(PhraseWithoutMembers, RendersItsOneWord) {
    Scene t({kLa, kCasa, {.sp = "ay", .sv = "aj", .formCode = 1, .tag = "x"}, kStop},
            {Ph{"NP", 137, {"det", "n"}}, Ph{"NP", 137, {}}, Ph{"ST", 260, {"sklj"}}});
    RenderPhraseByRule(t.s);
    t.s.PhraseCursor = t.s.MergedPhraseList.Head->Next;
    RenderPhraseByRule(t.s);
    EXPECT_EQ(t.Out(), (std::vector<std::string>{"Huset", "aj"}));
    EXPECT_EQ(t.s.CurWordNo, 4);
    EXPECT_EQ(t.s.CurPhraseNo, 3);
}

// A phrase without a recipe of its own is rendered one word at a time, each
// word in its own number, and consumes exactly its words.
TEST(WordByWord, RendersEachWordOfThePhrase) {
    constexpr std::uint16_t kCommonNoun = 4 | (2 << 11);
    Scene t({{.sp = "este", .sv = "den här", .spClass = 47, .formCode = 1, .tag = "det"},
             {.sp = "perro", .sv = "hund", .spClass = 1, .formCode = 3, .svCode2 = kCommonNoun, .tag = "n"},
             {.sp = "ya", .sv = "redan", .spClass = 5, .formCode = 1, .tag = "adv"}, kStop},
            {Ph{"NP", 143, {"dem", "n"}}, Ph{"Adv", 252, {"adv"}}, Ph{"ST", 260, {"sklj"}}});
    RenderWordByWord(t.s);
    EXPECT_EQ(t.Out(), (std::vector<std::string>{"Den här", "hundar"}));
    EXPECT_EQ(t.s.CurWordNo, 3);
    EXPECT_EQ(t.s.CurPhraseNo, 2);
}

TEST(OutputRecord, StopsAtItsLastSlot) {
    Scene t({Wd{.sp = "comer", .sv = "äta"}});
    t.s.OutCount = kOutWordSlots + 1;
    Str30 form = testing_support::Form("äta");
    MakeSwedishVerbForm(t.s, form, 9, 8);
    EXPECT_EQ(t.s.OutCount, kOutWordSlots + 2);
    EXPECT_EQ(t.Out(), std::vector<std::string>{"Kommer att"});
}

TEST(OutputRecord, NeverWritesPastItsArrays) {
    TranslationState s(testing_support::NoLexicon());
    s.OutTags.Resize(3);
    s.KeepOutWords = true;
    for (int i = 0; i < 40; ++i) RecordOutWord(s, "ord", "x");
    EXPECT_EQ(s.OutCount, 41);
    EXPECT_EQ(s.OutWords[kOutWordSlots].view(), "ord");
    EXPECT_EQ(s.OutTags.Get(4).view(), "");
}

}  // namespace
}  // namespace quelvo
