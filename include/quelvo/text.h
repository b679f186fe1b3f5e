#pragma once
// Whole texts: cut into sentences, each translated on its own, with the
// blanks, line breaks and paragraphs between them kept as they are.
#include <string>
#include <string_view>
#include <vector>

#include "quelvo/translator.h"

namespace quelvo {

// A piece of a text: one sentence, or the blanks and line breaks between two.
struct TextPart {
    std::string_view text;
    bool isSentence = false;
};

// Cuts a UTF-8 text into parts that, put back together, give the text again.
// A sentence ends at ".", "?" or "!" (with its closing quotes) before a blank,
// and at every line break; not after a known abbreviation or an initial, nor
// at a "." followed by a word in lower case.
std::vector<TextPart> SplitText(std::string_view utf8Text);

// Marks around a sentence that is kept in Spanish.
inline constexpr std::string_view kKeptOpen = "[[ ";
inline constexpr std::string_view kKeptClose = " ]]";

// A sentence that no cut made short enough, kept in Spanish.
struct UntranslatedSentence {
    std::string source;
    Rejection rejection = Rejection::None;
};

struct TextTranslation {
    std::string text;  // UTF-8
    std::vector<UntranslatedSentence> untranslated;
    bool replacedCharacters = false;
};

enum class TextFormat { Plain, Html };

// Translates every sentence with Translator::Translate. A sentence that is
// refused is cut after ";", ":", "," (or a "." that did not end it, as in
// "Bueno... no sé.") into parts that are not; when no cut
// does, its Spanish text stays, between kKeptOpen and kKeptClose, and is
// listed in `untranslated`. HTML: the text between tags is translated, tags,
// comments, scripts and styles are kept.
TextTranslation TranslateText(const Translator& translator, std::string_view utf8Text,
                              TextFormat format = TextFormat::Plain);

}  // namespace quelvo
