// Whole texts through the single-sentence translation, sentence by sentence.
#include <string>
#include <vector>

#include "input/sentence_marks.h"
#include "quelvo/text.h"
#include "translate/html_text.h"

namespace quelvo {
namespace {

// Marks after which a refused sentence may be cut, when a blank follows.
constexpr std::string_view kCutMarks = ",;:.";

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// The stretch of the sentence from the start of `first` to the end of `last`.
std::string_view Spanning(std::string_view first, std::string_view last) {
    return {first.data(), static_cast<std::size_t>(last.data() + last.size() - first.data())};
}

std::vector<std::string_view> CutPieces(std::string_view sentence) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (std::size_t i = 0; i + 1 < sentence.size(); ++i) {
        if (kCutMarks.find(sentence[i]) == std::string_view::npos || sentence[i + 1] != ' ') continue;
        pieces.push_back(sentence.substr(start, i + 1 - start));
        start = i + 1;
    }
    pieces.push_back(sentence.substr(start));
    return pieces;
}

// The pieces joined, from the left, as long as the engine takes them as one sentence.
std::vector<std::string_view> FittingChunks(const Translator& translator, std::string_view sentence) {
    std::vector<std::string_view> chunks;
    for (const std::string_view piece : CutPieces(sentence)) {
        const bool joins =
            !chunks.empty() && translator.Tokens(Trimmed(Spanning(chunks.back(), piece))).rejection == Rejection::None;
        if (joins)
            chunks.back() = Spanning(chunks.back(), piece);
        else
            chunks.push_back(piece);
    }
    return chunks;
}

// "Och" for "y": a part that went on a sentence in Spanish goes on in Swedish.
void LowerFirstLetter(std::string& text) {
    constexpr unsigned char kLatin1Lead = 0xC3, kCapitalFrom = 0x80, kCapitalTo = 0x9E, kCaseStep = 0x20;
    if (text.empty()) return;
    if (text[0] >= 'A' && text[0] <= 'Z') text[0] = static_cast<char>(text[0] + kCaseStep);
    const auto second = text.size() > 1 ? static_cast<unsigned char>(text[1]) : 0;
    if (static_cast<unsigned char>(text[0]) == kLatin1Lead && second >= kCapitalFrom && second <= kCapitalTo)
        text[1] = static_cast<char>(second + kCaseStep);
}

// A part without its cut mark; the mark takes the place of the stop the
// translation closes with.
Translation TranslateChunk(const Translator& translator, std::string_view chunk, bool last) {
    chunk = Trimmed(chunk);
    const char mark = !last && kCutMarks.find(chunk.back()) != std::string_view::npos ? chunk.back() : '\0';
    if (mark != '\0') chunk.remove_suffix(1);
    Translation result = translator.Translate(chunk);
    if (result.rejection != Rejection::None) return result;
    if (mark != '\0') {
        if (!result.text.empty() && result.text.back() == '.') result.text.pop_back();
        result.text += mark;
    }
    if (!chunk.empty() && chunk.front() >= 'a' && chunk.front() <= 'z') LowerFirstLetter(result.text);
    return result;
}

// A heading or a line without a stop gets none in Swedish either.
std::string WithSourceStop(std::string_view source, std::string swedish) {
    if (!EndsWithStop(source) && swedish.ends_with('.')) swedish.pop_back();
    return swedish;
}

class TextTranslator {
public:
    explicit TextTranslator(const Translator& translator) : translator_(translator) {}

    std::string Plain(std::string_view text) {
        std::string out;
        for (const TextPart& part : SplitText(text)) out += part.isSentence ? Sentence(part.text) : std::string(part.text);
        return out;
    }

    TextTranslation result;

private:
    std::string Sentence(std::string_view sentence) {
        Translation whole = translator_.Translate(sentence);
        result.replacedCharacters = result.replacedCharacters || whole.replacedCharacters;
        if (whole.rejection == Rejection::None) return WithSourceStop(sentence, std::move(whole.text));
        Rejection refused = whole.rejection;
        const std::vector<std::string_view> chunks = FittingChunks(translator_, sentence);
        std::string joined;
        for (std::size_t i = 0; chunks.size() > 1 && i < chunks.size(); ++i) {
            const Translation part = TranslateChunk(translator_, chunks[i], i + 1 == chunks.size());
            refused = part.rejection;
            if (refused != Rejection::None) break;
            joined += (joined.empty() ? "" : " ") + part.text;
        }
        if (chunks.size() > 1 && refused == Rejection::None) return WithSourceStop(sentence, std::move(joined));
        result.untranslated.push_back({std::string(sentence), refused});
        return std::string(kKeptOpen).append(sentence).append(kKeptClose);
    }

    const Translator& translator_;
};

}  // namespace

TextTranslation TranslateText(const Translator& translator, std::string_view utf8Text, TextFormat format) {
    TextTranslator run(translator);
    if (format == TextFormat::Html)
        run.result.text = TranslateHtmlText(utf8Text, [&run](std::string_view text) { return run.Plain(text); });
    else
        run.result.text = run.Plain(utf8Text);
    return std::move(run.result);
}

}  // namespace quelvo
