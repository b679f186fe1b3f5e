#include "quelvo/translator.h"

#include "core/text_codec.h"
#include "input/input_cleaning.h"
#include "lexicon/lexicon.h"
#include "grammar/grammar_dump.h"
#include "translate/explain.h"
#include "translate/output_dump.h"
#include "translate/translate_command.h"

namespace quelvo {

static_assert(kMaxInputCharacters == 10000, "the message of TooLongText names the bound");

std::string_view MessageOf(Rejection rejection) {
    switch (rejection) {
        case Rejection::EmptyText: return "Ingen text!";
        case Rejection::SeveralSentences: return "Flera meningar!";
        case Rejection::TooManyWords: return "För många ord!";
        case Rejection::TooLongText: return "För lång text (högst 10000 tecken)!";
        case Rejection::None: break;
    }
    return "";
}

std::string DataError::Describe() const {
    std::string out = file;
    if (line > 0) {
        out += ':';
        out += std::to_string(line);
    }
    out += ": " + reason;
    if (!text.empty()) out += ": " + text;
    return out;
}

Translator::Translator(std::shared_ptr<const Lexicon> lexicon) : lexicon_(std::move(lexicon)) {}

std::variant<Translator, DataError> Translator::Open(const std::filesystem::path& dataDir) {
    auto loaded = Lexicon::Load(dataDir);
    if (auto* error = std::get_if<DataError>(&loaded)) return *error;
    return Translator(std::get<std::shared_ptr<const Lexicon>>(std::move(loaded)));
}

const std::vector<DataError>& Translator::Warnings() const { return lexicon_->Warnings(); }

Translation Translator::Translate(std::string_view utf8Text) const {
    Translation result;
    const Cp1252Text input = ToCp1252(ComposeAccents(utf8Text));
    result.replacedCharacters = input.replaced;
    TranslationState s(*lexicon_);
    result.rejection = PrepareInput(s, input.bytes);
    if (result.rejection == Rejection::None) result.rejection = RunSegmentLoop(s, [](TranslationState& st) { TranslateSegment(st); });
    if (result.rejection == Rejection::None) result.text = ToUtf8(OutputLine(s));
    return result;
}

TokenSegments Translator::Tokens(std::string_view utf8Text) const {
    TokenSegments result;
    const Cp1252Text input = ToCp1252(ComposeAccents(utf8Text));
    result.replacedCharacters = input.replaced;
    TranslationState s(*lexicon_);
    result.rejection = PrepareInput(s, input.bytes);
    if (result.rejection != Rejection::None) return result;
    result.rejection = RunSegmentLoop(s, [&result](TranslationState& st) {
        auto& tokens = result.segments.emplace_back();
        for (const TextNode* t = st.TokenList.Head; t != nullptr; t = t->Next) tokens.push_back(ToUtf8(t->Text));
    });
    if (result.rejection != Rejection::None) result.segments.clear();
    return result;
}

Explanation Translator::Explain(std::string_view utf8Text, ExplainFormat format) const {
    Explanation result;
    const Cp1252Text input = ToCp1252(ComposeAccents(utf8Text));
    result.replacedCharacters = input.replaced;
    TranslationState s(*lexicon_);
    nlohmann::json segments = nlohmann::json::array();
    result.rejection = PrepareInput(s, input.bytes);
    if (result.rejection == Rejection::None) {
        result.rejection = RunSegmentLoop(s, [&segments](TranslationState& st) {
            nlohmann::json segment;
            SegmentInspector inspect;
            inspect.afterAnalysis = [&segment](TranslationState& analysed) { segment = DumpSegment(analysed); };
            inspect.afterOutput = [&segment](TranslationState& done) {
                segment["phrases"] = DumpPhrases(done);  // as the dispatch found them
                segment["output"] = DumpOutput(done);
            };
            TranslateSegment(st, inspect);
            segments.push_back(std::move(segment));
        });
    }
    nlohmann::json document = {{"segments", std::move(segments)}};
    if (result.rejection != Rejection::None) document["rejection"] = std::string(MessageOf(result.rejection));
    result.document = format == ExplainFormat::Json ? document.dump(2) + "\n" : ExplainTable(document);
    return result;
}

}  // namespace quelvo
