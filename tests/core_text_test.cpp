#include <gtest/gtest.h>

#include "core/capitalise.h"
#include "core/fixed_string.h"
#include "core/text_codec.h"

namespace quelvo {
namespace {

TEST(FixedString, AssignmentKeepsTheFirstCharacters) {
    Str6 tag("Prepositional");
    EXPECT_EQ(tag.view(), "Prepos");
    Str30 token(std::string(31, 'a'));
    EXPECT_EQ(token.size(), 30u);
}

TEST(FixedString, AppendingStopsAtTheCapacity) {
    Str8 s("abcdef");
    s += "ghij";
    EXPECT_EQ(s.view(), "abcdefgh");
    s += 'x';
    EXPECT_EQ(s.view(), "abcdefgh");
}

TEST(FixedString, ComparisonIsExact) {
    EXPECT_TRUE(Str10("casa") == "casa");
    EXPECT_FALSE(Str10("casa") == "Casa");
    EXPECT_FALSE(Str10("casa") == "casas");
    EXPECT_FALSE(Str10("m\xE1s") == "mas");
    EXPECT_TRUE(Str6("abcdefgh") == Str30("abcdef"));
}

TEST(FixedString, CharactersCountFromOne) {
    Str10 s("hola");
    EXPECT_EQ(s.at1(1), 'h');
    EXPECT_EQ(s.at1(4), 'a');
    EXPECT_EQ(s.at1(5), '\0');
    EXPECT_EQ(s.at1(0), '\0');
}

struct CapitalCase {
    const char* name;
    std::string in;
    std::string out;
};

class Capitalising : public testing::TestWithParam<CapitalCase> {};

TEST_P(Capitalising, ChangesOnlyTheFirstCharacter) {
    EXPECT_EQ(Capitalised(Str30(GetParam().in)).view(), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Words, Capitalising,
                         testing::Values(CapitalCase{"ascii", "bil", "Bil"},
                                         CapitalCase{"a_ring", "\xE5ka", "\xC5ka"},
                                         CapitalCase{"a_umlaut", "\xE4ta", "\xC4ta"},
                                         CapitalCase{"o_umlaut", "\xF6ra", "\xD6ra"},
                                         CapitalCase{"e_acute_stays", "\xE9n", "\xE9n"},
                                         CapitalCase{"already_capital", "Han", "Han"},
                                         CapitalCase{"only_first", "ett \xE4pple", "Ett \xE4pple"},
                                         CapitalCase{"empty", "", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TextCodec, RoundTripsCodePage1252) {
    const std::string utf8 = "¿Qué año? «Sí» – €5 Åsa äter öl";
    const Cp1252Text cp = ToCp1252(utf8);
    EXPECT_FALSE(cp.replaced);
    EXPECT_EQ(cp.bytes[0], '\xBF');
    EXPECT_EQ(ToUtf8(cp.bytes), utf8);
}

TEST(TextCodec, ReplacesWhatCodePage1252CannotHold) {
    const Cp1252Text cp = ToCp1252("a\xE2\x86\x92" "b \xF0\x9F\x98\x80 c");  // an arrow and an emoji
    EXPECT_TRUE(cp.replaced);
    EXPECT_EQ(cp.bytes, "a_b _ c");
}

TEST(TextCodec, SurvivesBrokenUtf8) {
    const Cp1252Text cp = ToCp1252("ca\xC3" "sa\xFF");
    EXPECT_TRUE(cp.replaced);
    EXPECT_EQ(cp.bytes, "ca_sa_");
}

TEST(TextCodec, UndefinedCodePointsBecomeQuestionMarks) {
    EXPECT_EQ(ToUtf8("x\x81y"), "x?y");
}

}  // namespace
}  // namespace quelvo
