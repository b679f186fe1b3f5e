// Whole texts: the sentence splitter, and translation sentence by sentence
// with the shipped dictionaries.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <variant>

#include "quelvo/text.h"

namespace quelvo {
namespace {

struct SplitRow {
    const char* text;
    const char* sentences;  // the sentence parts, joined by "|"
};

class SentenceSplit : public testing::TestWithParam<SplitRow> {};

TEST_P(SentenceSplit, CutsAtSentenceEndsOnlyAndKeepsEveryCharacter) {
    const std::string_view text = GetParam().text;
    std::string sentences, whole;
    for (const TextPart& part : SplitText(text)) {
        if (part.isSentence) sentences += (sentences.empty() ? "" : "|") + std::string(part.text);
        whole += part.text;
    }
    EXPECT_EQ(sentences, GetParam().sentences);
    EXPECT_EQ(whole, text);
}

INSTANTIATE_TEST_SUITE_P(Rows, SentenceSplit, testing::Values(
    SplitRow{"El Sr. García vive aquí. La Sra. Pérez y la Dra. Ruiz no.", "El Sr. García vive aquí.|La Sra. Pérez y la Dra. Ruiz no."},
    SplitRow{"Cuesta 3.5 euros. Vienen 1.000 personas.", "Cuesta 3.5 euros.|Vienen 1.000 personas."},
    SplitRow{"¿Vienes?  ¡Sí!¡No! Vale.", "¿Vienes?|¡Sí!¡No!|Vale."},
    SplitRow{"Dijo: «Ven aquí.» Luego se fue. \"Bien.\" (Así.)", "Dijo: «Ven aquí.»|Luego se fue.|\"Bien.\"|(Así.)"},
    SplitRow{"Vive en EE. UU. desde 2001. Trae pan, leche, etc. Luego volví.",
             "Vive en EE. UU. desde 2001.|Trae pan, leche, etc.|Luego volví."},
    SplitRow{"Frutas, p. ej. manzanas. Lo escribió J. R. R. Tolkien.", "Frutas, p. ej. manzanas.|Lo escribió J. R. R. Tolkien."},
    SplitRow{"Bueno... no sé. ¿Qué?! Ya… Nada.", "Bueno... no sé.|¿Qué?!|Ya…|Nada."},
    SplitRow{"  Título\nUna línea  \n\nOtro párrafo.\n", "Título|Una línea|Otro párrafo."},
    SplitRow{"", ""}));

struct TextRow {
    const char* spanish;
    const char* swedish;
    int untranslated;
    TextFormat format = TextFormat::Plain;
};

class TextTranslationRows : public testing::TestWithParam<TextRow> {};

TEST_P(TextTranslationRows, TranslatesEverySentenceAndKeepsTheLayout) {
    static const auto opened = Translator::Open(QUELVO_BUILD_DATA);
    const auto* translator = std::get_if<Translator>(&opened);
    ASSERT_NE(translator, nullptr);
    const TextTranslation result = TranslateText(*translator, GetParam().spanish, GetParam().format);
    EXPECT_EQ(result.text, GetParam().swedish);
    EXPECT_EQ(static_cast<int>(result.untranslated.size()), GetParam().untranslated);
}

INSTANTIATE_TEST_SUITE_P(Rows, TextTranslationRows, testing::Values(
    TextRow{"El perro come la carne. El Sr. García vive aquí.", "Hunden äter köttet. Herr García bor här.", 0},
    TextRow{"Vive en EE. UU.\n\n¿Tienes 3.5 kilos?\n", "Han bor i USA.\n\nHar du 3.5 kilon?\n", 0},
    TextRow{"El gato bebe leche, el perro come carne, la mujer lee un libro, el hombre escribe una carta, y el niño duerme.",
            "Katten dricker mjölk, hunden äter kött, kvinnan läser en bok, mannen skriver ett brev, och barnet sover.", 0},
    TextRow{"Come. El perro y el gato y la mujer y el hombre y el niño y la niña y el padre y la madre comen.",
            "Han äter. [[ El perro y el gato y la mujer y el hombre y el niño y la niña y el padre y la madre comen. ]]", 1},
    TextRow{"El perro", "Hunden", 0},
    TextRow{"<p title=\"El gato\">El perro come.</p><script>El</script>\n<!-- El --><b>El perro</b>",
            "<p title=\"El gato\">Hunden äter.</p><script>El</script>\n<!-- El --><b>Hunden</b>", 0, TextFormat::Html}));

std::string ReadAll(const std::filesystem::path& file) {
    std::ostringstream text;
    text << std::ifstream(file).rdbuf();
    return text.str();
}

TEST(TextCommand, WritesTheTextTranslatedAndNamesAKeptSentence) {
    const auto dir = std::filesystem::temp_directory_path();
    const auto input = dir / "quelvo_text_in.html", output = dir / "quelvo_text_out", errors = dir / "quelvo_text_err";
    std::ofstream(input) << "<p>El perro come.</p>\n\n<p>El perro y el gato y la mujer y el hombre y el padre y la madre y el niño comen.</p>\n";
    const std::string command = std::string(QUELVO_CLI) + " --data " + QUELVO_BUILD_DATA + " --text '" + input.string() +
                                "' --format html > '" + output.string() + "' 2> '" + errors.string() + "'";
    const int status = std::system(command.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(ReadAll(output), "<p>Hunden äter.</p>\n\n<p>[[ El perro y el gato y la mujer y el hombre y el padre y la madre y el niño comen. ]]</p>\n");
    EXPECT_EQ(ReadAll(errors), "kept in Spanish (För många ord!): El perro y el gato y la mujer y el hombre y el padre y la madre y el niño comen.\n");
    for (const auto& file : {input, output, errors}) std::filesystem::remove(file);
}

}  // namespace
}  // namespace quelvo
