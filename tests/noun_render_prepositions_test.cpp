#include <gtest/gtest.h>

#include "noun_render_support.h"
#include "render/prepositions.h"

namespace quelvo {
namespace {

using testing_support::Ph;
using testing_support::Scene;
using testing_support::Wd;

constexpr int kInfinitive = 19;

struct PrepositionCase {
    const char* name;
    std::vector<Wd> words;
    int at;  // the preposition's word number
    std::vector<std::string> out;
};

void PrintTo(const PrepositionCase& c, std::ostream* os) { *os << c.name; }

class RenderedPrepositions : public testing::TestWithParam<PrepositionCase> {};

TEST_P(RenderedPrepositions, RenderByTheirNeighbours) {
    const PrepositionCase& c = GetParam();
    Scene t(c.words, {Ph{"Prep", 250, {"prep"}}});
    t.StartAt(c.at);
    TranslatePreposition(t.s);
    EXPECT_EQ(t.Out(), c.out);
    // The preposition is consumed whether or not Swedish says it.
    EXPECT_EQ(t.CurWordPosition(), c.at + 1);
    EXPECT_EQ(t.s.CurPhraseNo, 2);
    EXPECT_EQ(t.s.CurWordNo, 2);
}

const Wd Hecho{.sp = "hacer", .sv = "göra", .formCode = 10};
const Wd Comer{.sp = "comer", .sv = "äta", .formCode = kInfinitive};
const Wd Casa{.sp = "casa", .sv = "hus", .spClass = 1};
const Wd Juan{.sp = "Juan", .sv = "Juan", .spClass = 16};
const Wd Pedro{.sp = "Pedro", .sv = "Pedro", .spClass = 16};

INSTANTIATE_TEST_SUITE_P(
    Rules, RenderedPrepositions,
    testing::Values(
        PrepositionCase{"por_agent_after_participle", {Hecho, {.sp = "por", .sv = "genom"}, Juan}, 2, {"Av"}},
        PrepositionCase{"por_before_infinitive", {{.sp = "por", .sv = "genom"}, Comer}, 1, {"För att"}},
        PrepositionCase{"por_plain", {{.sp = "por", .sv = "genom"}, Casa}, 1, {"Genom"}},
        PrepositionCase{"para_before_infinitive", {{.sp = "para", .sv = "till"}, Comer}, 1, {"För att"}},
        PrepositionCase{"para_before_noun", {{.sp = "para", .sv = "till"}, Casa}, 1, {"För"}},
        PrepositionCase{"para_last_word", {{.sp = "para", .sv = "till"}}, 1, {"Till"}},
        PrepositionCase{"sin_before_infinitive", {{.sp = "sin", .sv = "utan"}, Comer}, 1, {"Utan"}},
        PrepositionCase{"en_before_year", {{.sp = "en", .sv = "i"}, {.sp = "1990", .sv = "1990", .spClass = 6}}, 1, {}},
        PrepositionCase{"en_before_number", {{.sp = "en", .sv = "i"}, {.sp = "12", .sv = "12", .spClass = 6}}, 1, {"I"}},
        PrepositionCase{"segun_before_verb",
                        {{.sp = "según", .sv = "enl"}, {.sp = "decir", .sv = "säga", .spClass = 3}}, 1,
                        {"Enligt vad"}},
        PrepositionCase{"segun_before_noun", {{.sp = "según", .sv = "enl"}, Casa}, 1, {"Enligt"}},
        PrepositionCase{"de_before_month",
                        {{.sp = "5", .sv = "5", .spClass = 6}, {.sp = "de", .sv = "av"}, {.sp = "mayo", .sv = "maj"}},
                        2, {}},
        PrepositionCase{"de_after_mas", {{.sp = "más", .sv = "mer"}, {.sp = "de", .sv = "av"}, Casa}, 2, {"Än"}},
        PrepositionCase{"de_from_to",
                        {{.sp = "de", .sv = "av"}, {.sp = "lunes", .sv = "måndag"}, {.sp = "a", .sv = "till"}}, 1,
                        {"Från"}},
        PrepositionCase{"de_before_infinitive", {{.sp = "de", .sv = "av"}, Comer}, 1, {"Att"}},
        PrepositionCase{"de_between_names",
                        {Juan, {.sp = "de", .sv = "av", .spText = "de"}, {.sp = "Dios", .sv = "Gud", .spClass = 16}},
                        2, {"De"}},
        PrepositionCase{"de_city_before_name", {{.sp = "ciudad", .sv = "stad"}, {.sp = "de", .sv = "av"}, Pedro}, 2, {}},
        PrepositionCase{"de_after_million", {{.sp = "millón", .sv = "miljon"}, {.sp = "de", .sv = "av"}, Casa}, 2, {}},
        PrepositionCase{"de_century",
                        {{.sp = "de", .sv = "av"}, {.sp = "el", .sv = "den"}, {.sp = "siglo", .sv = "sekel"}}, 1,
                        {"Från"}},
        PrepositionCase{"de_before_form_99", {{.sp = "de", .sv = "av"}, {.sp = "x", .sv = "x", .formCode = 99}}, 1,
                        {"I"}},
        PrepositionCase{"de_plain", {Casa, {.sp = "de", .sv = "av"}, Casa}, 2, {"Av"}},
        PrepositionCase{"de_last_word", {Casa, {.sp = "de", .sv = "av"}}, 2, {"Av"}},
        PrepositionCase{"a_after_marked_word", {{.sp = "ver", .sv = "se", .spCode3 = 3}, {.sp = "a", .sv = "till"}, Juan},
                        2, {}},
        PrepositionCase{"a_before_unos", {{.sp = "a", .sv = "till"}, {.sp = "unos", .sv = "några"}}, 1, {}},
        PrepositionCase{"a_plain", {{.sp = "ir", .sv = "gå", .spCode3 = 2}, {.sp = "a", .sv = "till"}, Casa}, 2,
                        {"Till"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RenderedPrepositions, KeepTheNamesAroundDeAsTyped) {
    Scene t({{.sp = "Juan", .sv = "Johan", .spClass = 16}, {.sp = "de", .sv = "av"},
             {.sp = "Dios", .sv = "Gud", .spClass = 16}},
            {Ph{"Prep", 250, {"prep"}}});
    t.StartAt(2);
    TranslatePreposition(t.s);
    EXPECT_EQ(testing_support::Utf(t.Word(1)->SvWord), "Juan");
    EXPECT_EQ(testing_support::Utf(t.Word(3)->SvWord), "Dios");
}

struct PrepInfinitiveCase {
    const char* name;
    const char* spanish;
    std::vector<std::string> out;
    int wordAfter;   // where CurWord ends
    int phraseNo;    // CurPhraseNo afterwards
};

void PrintTo(const PrepInfinitiveCase& c, std::ostream* os) { *os << c.name; }

class PrepInfinitiveRenderer : public testing::TestWithParam<PrepInfinitiveCase> {};

TEST_P(PrepInfinitiveRenderer, TakeTheInfinitiveAsSupine) {
    const PrepInfinitiveCase& c = GetParam();
    Scene t({{.sp = c.spanish, .sv = "efter"}, {.sp = "hablar", .sv = "tala", .formCode = kInfinitive, .svCode3 = 1},
             {.sp = ".", .sv = "."}},
            {Ph{"Prpx", 239, {"prpx"}}, Ph{"Inf", 232, {"inf"}}, Ph{"ST", 260, {"sklj"}}});
    TranslatePrepInfinitive(t.s);
    EXPECT_EQ(t.Out(), c.out);
    EXPECT_EQ(t.CurWordPosition(), c.wordAfter);
    EXPECT_EQ(t.s.CurPhraseNo, c.phraseNo);
    EXPECT_EQ(t.s.CurWordNo, c.wordAfter);
    // The dispatch moves on from the last phrase consumed.
    EXPECT_EQ(t.PhrasePosition(), c.phraseNo - 1);
}

INSTANTIATE_TEST_SUITE_P(
    Constructions, PrepInfinitiveRenderer,
    testing::Values(PrepInfinitiveCase{"despues_de", "después de", {"Efter att ha", "talat"}, 3, 3},
                    PrepInfinitiveCase{"antes_de", "antes de", {"Innan man har", "talat"}, 3, 3},
                    // Another preposition is put out and the infinitive left to its phrase.
                    PrepInfinitiveCase{"other", "hasta", {"Efter"}, 2, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrepInfinitiveRenderer, LeaveAnInfinitiveInsideALongerPhraseToThatPhrase) {
    Scene t({{.sp = "después de", .sv = "efter"}, {.sp = "hablar", .sv = "tala", .formCode = kInfinitive},
             {.sp = "lo", .sv = "det"}},
            {Ph{"Prpx", 239, {"prpx"}}, Ph{"VP", 205, {"inf", "ppob"}}});
    TranslatePrepInfinitive(t.s);
    EXPECT_EQ(t.Out(), std::vector<std::string>{"Efter"});
    EXPECT_EQ(t.CurWordPosition(), 2);
    EXPECT_EQ(t.PhrasePosition(), 1);
}

}  // namespace
}  // namespace quelvo
