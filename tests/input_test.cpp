#include <gtest/gtest.h>

#include "input/split_segment.h"
#include "lexicon/lexicon.h"
#include "support.h"
#include "translate/translate_command.h"

namespace quelvo {
namespace {

using testing_support::Cp;
using testing_support::TokenTexts;
using testing_support::Utf;

const Lexicon& NoDictionaries() {
    static const Lexicon lexicon;
    return lexicon;
}

// Splits the whole prepared text into segments, as the translator does.
std::vector<std::vector<std::string>> Segments(const std::string& utf8) {
    TranslationState s(NoDictionaries());
    std::vector<std::vector<std::string>> out;
    EXPECT_EQ(PrepareInput(s, Cp(utf8)), Rejection::None);
    RunSegmentLoop(s, [&out](TranslationState& st) {
        out.push_back(TokenTexts(st));
        EXPECT_EQ(st.WordCount, static_cast<int>(out.back().size()));
    });
    return out;
}

using Tokens = std::vector<std::string>;

struct SplitCase {
    const char* name;
    std::string sentence;
    std::vector<Tokens> segments;
};

class Splitting : public testing::TestWithParam<SplitCase> {};

TEST_P(Splitting, GivesTheTokensOfEachSegment) { EXPECT_EQ(Segments(GetParam().sentence), GetParam().segments); }

INSTANTIATE_TEST_SUITE_P(
    Sentences, Splitting,
    testing::Values(
        SplitCase{"imperative_not_split", "dámelo", {{"dámelo", "."}}},
        SplitCase{"two_after_infinitive", "quiero dármelo", {{"quiero", "dar", "me", "lo", "."}}},
        SplitCase{"two_after_infinitive_plural", "decírselos", {{"decir", "se", "los", "."}}},
        SplitCase{"two_eight_letters", "vendérnoslas", {{"vender", "nos", "las", "."}}},
        SplitCase{"capital_infinitive_two", "Dármelo al perro: ya.",
                  {{"Dar", "me", "lo", "a", "el", "perro", ":"}, {"ya", "."}}},
        SplitCase{"capital_not_split_for_one", "Comerlo", {{"Comerlo", "."}}},
        SplitCase{"one_after_infinitive", "comerlo", {{"comer", "lo", "."}}},
        SplitCase{"one_te", "ayudarte", {{"ayudar", "te", "."}}},
        SplitCase{"one_nos", "vernos", {{"ver", "nos", "."}}},
        SplitCase{"one_three_letters", "comprarlas", {{"comprar", "las", "."}}},
        SplitCase{"accent_removed", "oírlo", {{"oir", "lo", "."}}},
        SplitCase{"exception_words", "parte muerte", {{"parte", "muerte", "."}}},
        SplitCase{"not_an_exception", "diarte", {{"diar", "te", "."}}},
        SplitCase{"gerund_two_letters", "comiéndolo", {{"comiendo", "lo", "."}}},
        SplitCase{"gerund_a", "llamándote", {{"llamando", "te", "."}}},
        SplitCase{"gerund_three_letters", "diciéndoles", {{"diciendo", "les", "."}}},
        SplitCase{"gerund_a_three", "mirándolas", {{"mirando", "las", "."}}},
        SplitCase{"contractions", "Del pueblo al mar", {{"de", "el", "pueblo", "a", "el", "mar", "."}}},
        SplitCase{"question", "¿Qué hora es?", {{"¿", "qué", "hora", "es", "?"}}},
        SplitCase{"colon_segments", "Hola: adiós.", {{"Hola", ":"}, {"adiós", "."}}},
        SplitCase{"question_then_more", "¿Vienes? Sí", {{"¿", "vienes", "?"}, {"Sí", "."}}},
        SplitCase{"marks_mid_sentence_keep_the_end", "¿Vienes? ¡Sí!", {{"¿", "vienes", "?"}, {"¡", "Sí", "!"}}},
        SplitCase{"dash_keeps_the_end", "un niño-prodigio", {{"un", "niño", "-", "prodigio", "."}}},
        SplitCase{"long_token_cut", std::string(35, 'a'), {{std::string(30, 'a'), "."}}},
        SplitCase{"line_breaks", "hola\r\nadiós", {{"hola", "adiós", "."}}},
        SplitCase{"comma", "sí, claro", {{"sí", ",", "claro", "."}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Verb forms and nouns whose endings look like an infinitive with a pronoun.
class WholeWords : public testing::TestWithParam<const char*> {};

TEST_P(WholeWords, StayOneToken) {
    const std::string word = GetParam();
    EXPECT_EQ(Segments("siempre " + word), (std::vector<Tokens>{{"siempre", word, "."}}));
}

INSTANTIATE_TEST_SUITE_P(LookLikeInfinitivePlusPronoun, WholeWords,
                         testing::Values("duerme", "divierte", "invierte", "vierte", "convierte", "advierte",
                                         "revierte", "pervierte", "subvierte", "acierte", "concierte", "inerte",
                                         "imparte", "estandarte", "deforme", "transforme", "confirme", "afirme",
                                         "arme", "alarme", "curse", "converse", "burle", "charle", "perla",
                                         "charlas", "mirlo", "infiernos", "hornos", "turnos", "cuadernos",
                                         "eternos", "contornos", "sobornos"),
                         [](const auto& info) { return std::string(info.param); });

struct EntryCase {
    const char* name;
    std::string text;
    Rejection rejection;
};

class EntryChecks : public testing::TestWithParam<EntryCase> {};

TEST_P(EntryChecks, RefuseWhatIsNotOneSentence) {
    TranslationState s(NoDictionaries());
    Rejection r = PrepareInput(s, Cp(GetParam().text));
    if (r == Rejection::None) r = RunSegmentLoop(s, [](TranslationState&) {});
    EXPECT_EQ(r, GetParam().rejection);
}

std::string Words(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) text += "uno ";
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, EntryChecks,
    testing::Values(EntryCase{"empty", "", Rejection::EmptyText},
                    EntryCase{"blanks_only", "  \r\n \n", Rejection::EmptyText},
                    EntryCase{"one_sentence", "Hola.", Rejection::None},
                    EntryCase{"stop_then_line_break", "Hola.\r\n", Rejection::None},
                    EntryCase{"stop_then_one_more", "Hola.'", Rejection::None},
                    EntryCase{"two_sentences", "Hola. Adiós.", Rejection::SeveralSentences},
                    EntryCase{"question_and_colon_are_one_input", "¿Sí? Hola: adiós", Rejection::None},
                    EntryCase{"twenty_tokens", Words(19), Rejection::None},
                    EntryCase{"twenty_one_tokens", Words(20), Rejection::TooManyWords},
                    EntryCase{"contraction_counts_twice", Words(18) + "al", Rejection::TooManyWords}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EntryChecks, ClosesTheSentenceWithAStop) {
    TranslationState s(NoDictionaries());
    ASSERT_EQ(PrepareInput(s, "Hola  \n"), Rejection::None);
    EXPECT_EQ(s.InputText, "Hola .");
    TranslationState q(NoDictionaries());
    ASSERT_EQ(PrepareInput(q, "Hola!"), Rejection::None);
    EXPECT_EQ(q.InputText, "Hola !");
}

TEST(EntryChecks, SizesWordArraysByTheSegmentAlone) {
    TranslationState s(NoDictionaries());
    ASSERT_EQ(PrepareInput(s, Cp("Hola: adiós amigo")), Rejection::None);
    ASSERT_EQ(RunSegmentLoop(s, [](TranslationState&) {}), Rejection::None);
    EXPECT_EQ(s.SlotCount, 4);  // "adiós", "amigo", "." and the one unused slot
}

}  // namespace
}  // namespace quelvo
