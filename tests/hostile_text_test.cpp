// Hostile text through the shipped dictionaries: no input may lose a word
// silently. Each hostile row must translate as its plain twin does.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>
#include <variant>

#include "quelvo/translator.h"

namespace quelvo {
namespace {

const Translator& Shipped() {
    static const auto opened = Translator::Open(QUELVO_BUILD_DATA);
    return std::get<Translator>(opened);
}

struct TwinRow {
    const char* name;
    std::string hostile;
    std::string plain;
};

void PrintTo(const TwinRow& row, std::ostream* os) { *os << row.plain; }

class HostileText : public testing::TestWithParam<TwinRow> {};

TEST_P(HostileText, TranslatesAsItsPlainTwin) {
    const auto hostile = Shipped().Translate(GetParam().hostile);
    const auto plain = Shipped().Translate(GetParam().plain);
    EXPECT_EQ(hostile.rejection, plain.rejection);
    EXPECT_EQ(hostile.text, plain.text);
}

using namespace std::string_literals;
INSTANTIATE_TEST_SUITE_P(
    Rows, HostileText,
    testing::Values(TwinRow{"tab", "Tengo\tun perro.", "Tengo un perro."},
                    TwinRow{"no_break_space", "Tengo\u00A0un perro.", "Tengo un perro."},
                    TwinRow{"nul", "Tengo un\0perro."s, "Tengo un perro."},
                    TwinRow{"bell_and_delete", "Tengo\a un\x7F perro.", "Tengo un perro."},
                    TwinRow{"colour_escapes", "Tengo un \x1B[1;31mperro\x1B[0m.", "Tengo un perro."},
                    TwinRow{"title_escape", "\x1B]0;x\aTengo un perro.", "Tengo un perro."},
                    TwinRow{"decomposed_tilde", "El nin\u0303o come.", "El niño come."},
                    TwinRow{"decomposed_acute", "Come\u0301 pan.", "Comé pan."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HostileText, LongUnknownWordKeepsBothMarks) {
    const std::string line = Shipped().Translate("Tengo un " + std::string(100000 / 20, 'x') + ".").text;
    EXPECT_NE(line.find("< x"), std::string::npos) << line;
    EXPECT_NE(line.find("x >"), std::string::npos) << line;
}

TEST(HostileText, RefusesAtTheBoundAndNotBefore) {
    std::string many;
    while (many.size() + 6 <= kMaxInputCharacters) many += "casa? ";
    EXPECT_EQ(Shipped().Translate(many).rejection, Rejection::None);
    EXPECT_EQ(Shipped().Translate(std::string(kMaxInputCharacters + 1, '-')).rejection, Rejection::TooLongText);
    EXPECT_EQ(Shipped().Tokens(std::string(kMaxInputCharacters, '-')).rejection, Rejection::TooManyWords);
}

// Every mark beside every other between two known words: both words come
// through (by the stem of their own translation), or the input is refused.
TEST(HostileText, PunctuationPairsLoseNoWord) {
    const std::vector<std::string> marks = {",", ";", ":", "-", "%", "\"", "'", "(", ")", "!", "?", "¡", "¿"};
    const auto stem = [](std::string text) {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    const std::string perro = stem(Shipped().Translate("perro").text).substr(0, 3);
    const std::string gato = stem(Shipped().Translate("gato").text).substr(0, 3);
    int translated = 0;
    for (const auto& a : marks) {
        for (const auto& b : marks) {
            const auto result = Shipped().Translate("perro " + a + b + " gato");
            if (result.rejection != Rejection::None) continue;
            ++translated;
            const std::string line = stem(result.text);
            EXPECT_TRUE(line.find(perro) != std::string::npos && line.find(gato) != std::string::npos)
                << a << b << ": " << result.text;
        }
    }
    EXPECT_GT(translated, 0);
}

TEST(HostileText, InvalidUtf8IsReplacedAndSaid) {
    const auto result = Shipped().Translate("Tengo \xFF\xFE un perro.");
    EXPECT_TRUE(result.replacedCharacters);
    EXPECT_EQ(result.rejection, Rejection::None);
}

}  // namespace
}  // namespace quelvo
