// The code page 1252 conversion: the bytes 0x80-0x9F that differ from
// Latin-1, and UTF-8 that is not well formed.
#include <gtest/gtest.h>

#include <string>

#include "core/text_codec.h"

namespace quelvo {
namespace {

struct CodecCase {
    const char* name;
    std::string utf8;
    std::string cp1252;
    bool replaced;
};

class Cp1252Conversion : public testing::TestWithParam<CodecCase> {};

TEST_P(Cp1252Conversion, GivesTheBytes) {
    const CodecCase& c = GetParam();
    const Cp1252Text converted = ToCp1252(c.utf8);
    EXPECT_EQ(converted.bytes, c.cp1252);
    EXPECT_EQ(converted.replaced, c.replaced);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Cp1252Conversion,
    testing::Values(CodecCase{"euro_first_special", "\xE2\x82\xAC", "\x80", false},
                    CodecCase{"low_quote", "\xE2\x80\x9A", "\x82", false},
                    CodecCase{"dash", "\xE2\x80\x94", "\x97", false},
                    CodecCase{"z_caron", "\xC5\xBE", "\x9E", false},
                    CodecCase{"y_diaeresis_last_special", "\xC5\xB8", "\x9F", false},
                    CodecCase{"latin1_control_has_no_byte", "a\xC2\x81" "b", "a_b", true},
                    CodecCase{"nul_kept", std::string("a\0b", 3), std::string("a\0b", 3), false},
                    CodecCase{"overlong_slash", "\xC0\xAF", "_", true},
                    CodecCase{"overlong_letter", "\xC1\x81" "x", "_x", true},
                    CodecCase{"surrogate", "\xED\xA0\x80", "_", true},
                    CodecCase{"beyond_unicode", "\xF4\x90\x80\x80", "_", true},
                    CodecCase{"five_byte_lead", "\xF8\x88\x80\x80\x80", "__", true},
                    CodecCase{"cut_short", "\xE2\x82" "x\xE2", "_x_", true},
                    CodecCase{"stray_continuations", "\x80\xBF", "__", true},
                    CodecCase{"tag_characters_dropped", "a\xF3\xA0\x80\x81" "b", "ab", false},
                    CodecCase{"supplementary_plane", "\xF0\x9D\x84\x9E", "_", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Cp1252Conversion, EveryDefinedByteComesBackFromUtf8) {
    for (int b = 0; b < 0x100; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = ToUtf8(byte);
        if (utf8 == "?" && b != '?') continue;  // undefined in the code page
        const Cp1252Text back = ToCp1252(utf8);
        EXPECT_EQ(back.bytes, byte) << "byte " << b;
        EXPECT_FALSE(back.replaced) << "byte " << b;
    }
}

}  // namespace
}  // namespace quelvo
