#include <gtest/gtest.h>

#include "core/emit.h"
#include "translate/output_dump.h"
#include "translate/reorder_output.h"
#include "translate/translate_command.h"
#include "support.h"

namespace quelvo {
namespace {

using testing_support::Cp;
using testing_support::NoLexicon;
using testing_support::Utf;

struct OutWord {
    std::string text;  // UTF-8
    std::string tag;
};

void EmitRow(TranslationState& s, const std::vector<OutWord>& words) {
    for (const OutWord& w : words) EmitOutWord(s, "", Cp(w.text), "", w.tag);
}

std::vector<std::string> CopyTexts(const TranslationState& s) {
    std::vector<std::string> out;
    for (const OutWordNode* n = s.OutListCopy.Head; n != nullptr; n = n->Next) out.push_back(Utf(n->SvText));
    return out;
}

struct ReorderCase {
    const char* name;
    std::vector<OutWord> words;
    std::vector<std::string> result;
};

class WordOrder : public testing::TestWithParam<ReorderCase> {};

TEST_P(WordOrder, ComesOutInSwedishOrder) {
    TranslationState s(NoLexicon());
    EmitRow(s, GetParam().words);
    ReorderOutput(s);
    EXPECT_EQ(CopyTexts(s), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WordOrder,
    testing::Values(
        ReorderCase{"neg_v_x", {{"inte", "neg"}, {"äter", "v"}, {"fisk", "x"}}, {"Äter", "inte", "fisk"}},
        ReorderCase{"neg_v_hands_on_the_capital", {{"inte", "neg"}, {"äter", "v"}}, {"Äter", "inte"}},
        ReorderCase{"neg_ppsu_v", {{"inte", "neg"}, {"jag", "ppsu"}, {"äter", "v"}}, {"Jag", "äter", "inte"}},
        ReorderCase{"neg_ppsu_hjv", {{"inte", "neg"}, {"du", "ppsu"}, {"behöver", "hjv"}, {"betala", "v"}},
                    {"Du", "behöver", "inte", "betala"}},
        ReorderCase{"neg_v_refl", {{"inte", "neg"}, {"tvättar", "v"}, {"sig", "refl"}}, {"Tvättar", "sig", "inte"}},
        ReorderCase{"neg_hjv", {{"inte", "neg"}, {"kan", "hjv"}}, {"Kan", "inte"}},
        ReorderCase{"neg_hjv_x_hands_on_the_capital", {{"inte", "neg"}, {"kan", "hjv"}, {"simma", "inf"}},
                    {"Kan", "inte", "simma"}},
        ReorderCase{"inside_the_sentence", {{"han", "ppsu"}, {"inte", "neg"}, {"äter", "v"}}, {"Han", "äter", "inte"}},
        ReorderCase{"neg_last", {{"nej", "x"}, {"inte", "neg"}}, {"Nej", "inte"}},
        ReorderCase{"no_negation", {{"han", "ppsu"}, {"äter", "v"}}, {"Han", "äter"}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    VerbSecond, WordOrder,
    testing::Values(
        ReorderCase{"after_an_adverb", {{"i dag", "adv"}, {"vi", "ppsu"}, {"äter", "v"}}, {"I dag", "äter", "vi"}},
        ReorderCase{"after_an_adverbial_phrase_without_its_comma",
                    {{"till slut", "advx"}, {",", "st"}, {"han", "ppsu"}, {"kom", "v"}}, {"Till slut", "kom", "han"}},
        ReorderCase{"after_an_adverb_and_the_negation",
                    {{"verkligen", "adv"}, {"jag", "ppsu"}, {"förstår", "v"}, {"inte", "neg"}},
                    {"Verkligen", "förstår", "jag", "inte"}},
        ReorderCase{"after_a_prepositional_phrase",
                    {{"i", "prep"}, {"hörnet", "n"}, {"det", "ppsu"}, {"finns", "v"}, {"en", "det"}, {"bar", "n"}},
                    {"I", "hörnet", "finns", "det", "en", "bar"}},
        ReorderCase{"noun_subject",
                    {{"i går", "adv"}, {"min", "poss"}, {"bror", "n"}, {"köpte", "v"}, {"en", "det"}, {"bil", "n"}},
                    {"I går", "köpte", "min", "bror", "en", "bil"}},
        ReorderCase{"auxiliary_group_splits",
                    {{"i", "prep"}, {"januari", "n"}, {"vi", "ppsu"}, {"kommer att", "hjv"}, {"resa", "v"}},
                    {"I", "januari", "kommer", "vi att", "resa"}},
        ReorderCase{"after_a_clause_and_comma",
                    {{"när", "Konj"}, {"vi", "ppsu"}, {"bodde", "v"}, {",", "st"}, {"vi", "ppsu"}, {"reste", "v"}},
                    {"När", "vi", "bodde", "reste", "vi"}},
        ReorderCase{"adverb_after_the_clause_follows_the_subject",
                    {{"innan man har", "prpx"}, {"sovit", "v"}, {",", "st"}, {"alltid", "adv"}, {"jag", "ppsu"},
                     {"läser", "v"}},
                    {"Innan man har", "sovit", "läser", "jag", "alltid"}},
        ReorderCase{"after_a_preposition_with_its_infinitive",
                    {{"efter att ha", "prep"}, {"ätit", "v"}, {",", "st"}, {"juan", "egnm"}, {"går", "v"}},
                    {"Efter att ha", "ätit", "går", "juan"}},
        ReorderCase{"clause_without_comma_stays", {{"när", "Konj"}, {"vi", "ppsu"}, {"bodde", "v"}},
                    {"När", "vi", "bodde"}},
        ReorderCase{"subject_first_stays", {{"juan", "egnm"}, {"äter", "v"}, {",", "st"}, {"ana", "egnm"}, {"dricker", "v"}},
                    {"Juan", "äter", ",", "ana", "dricker"}},
        ReorderCase{"subject_adverb_verb", {{"marta", "egnm"}, {"alltid", "adv"}, {"äter", "v"}, {"bröd", "n"}},
                    {"Marta", "äter", "alltid", "bröd"}},
        ReorderCase{"pronoun_adverb_verb", {{"jag", "ppsu"}, {"också", "adv"}, {"äter", "v"}},
                    {"Jag", "äter", "också"}},
        ReorderCase{"adverb_after_the_verb_stays", {{"jag", "ppsu"}, {"äter", "v"}, {"också", "adv"}},
                    {"Jag", "äter", "också"}},
        ReorderCase{"verb_already_second", {{"här", "adv"}, {"bor", "v"}, {"min", "poss"}, {"mor", "n"}},
                    {"Här", "bor", "min", "mor"}},
        ReorderCase{"no_verb_after_the_subject", {{"i", "prep"}, {"dag", "n"}, {"vi", "ppsu"}, {"i", "prep"}},
                    {"I", "dag", "vi", "i"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct SegmentCase {
    const char* name;
    const char* spanish;  // a word of the Spanish segment that tells its order
    std::vector<OutWord> words;
    std::vector<std::string> result;
};

class SegmentOrder : public testing::TestWithParam<SegmentCase> {};

TEST_P(SegmentOrder, FollowsTheKindOfSegment) {
    TranslationState s(NoLexicon());
    WordNode* word = s.WordList.Add(s.Arena, true);
    word->SpWord = GetParam().spanish;
    word->SpText = GetParam().spanish;
    EmitRow(s, GetParam().words);
    ReorderOutput(s);
    EXPECT_EQ(CopyTexts(s), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Questions, SegmentOrder,
    testing::Values(
        SegmentCase{"yes_no", "?", {{"du", "ppsu"}, {"har", "hjv"}, {"läst", "v"}}, {"Har", "du", "läst"}},
        SegmentCase{"question_word", "?", {{"var", "intr"}, {"du", "ppsu"}, {"bor", "v"}}, {"Var", "bor", "du"}},
        SegmentCase{"question_phrase", "?", {{"varför", "advx"}, {"du", "ppsu"}, {"gråter", "v"}},
                    {"Varför", "gråter", "du"}},
        SegmentCase{"name_keeps_its_capital", "?", {{"juan", "egnm"}, {"kommer", "v"}}, {"Kommer", "Juan"}},
        SegmentCase{"auxiliary_group", "?", {{"du", "ppsu"}, {"kommer att", "hjv"}, {"köpa", "v"}},
                    {"Kommer", "du att", "köpa"}},
        SegmentCase{"verb_first_already", "?", {{"regnar", "v"}, {"det", "ppsu"}}, {"Regnar", "det"}},
        SegmentCase{"late_subject_pronoun", "?", {{"vad", "indf"}, {"skulle", "hjv"}, {"göra", "v"}, {"du", "ppsu"}},
                    {"Vad", "skulle", "du", "göra"}},
        SegmentCase{"question_word_as_subject", "?", {{"vem", "intr"}, {"kommer", "v"}}, {"Vem", "kommer"}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Passives, SegmentOrder,
    testing::Values(
        SegmentCase{"subject_goes_first", "se", {{"hyrs", "v"}, {"rum", "n"}, {"nära", "prep"}},
                    {"Rum", "hyrs", "nära"}},
        SegmentCase{"with_its_auxiliary", "se", {{"har", "v"}, {"sålts", "v"}, {"många", "indf"}, {"hus", "n"}},
                    {"Många", "hus", "har", "sålts"}},
        SegmentCase{"active_verb_stays", "se", {{"säljer", "v"}, {"huset", "n"}}, {"Säljer", "huset"}},
        SegmentCase{"without_se_stays", "como", {{"läs", "v"}, {"boken", "n"}}, {"Läs", "boken"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WordOrder, StatementWithSubjectFirstStays) {
    TranslationState s(NoLexicon());
    EmitRow(s, {{"du", "ppsu"}, {"har", "hjv"}, {"läst", "v"}});
    ReorderOutput(s);
    EXPECT_EQ(CopyTexts(s), (std::vector<std::string>{"Du", "har", "läst"}));
}

TEST(WordOrder, DroppedCommaLeavesTheDump) {
    TranslationState s(NoLexicon());
    EmitRow(s, {{"i dag", "adv"}, {",", "st"}, {"vi", "ppsu"}, {"äter", "v"}});
    ReorderOutput(s);
    const nlohmann::json expected = nlohmann::json::parse(R"([
        {"SvText": "I dag", "OutTag": "adv", "OutPos": 1},
        {"SvText": "äter", "OutTag": "v", "OutPos": 0},
        {"SvText": "vi", "OutTag": "ppsu", "OutPos": 3}])");
    EXPECT_EQ(DumpOutput(s), expected);
    EXPECT_EQ(CopyTexts(s), (std::vector<std::string>{"I dag", "äter", "vi"}));
}

TEST(WordOrder, VerbSecondShowsInTheDump) {
    TranslationState s(NoLexicon());
    EmitRow(s, {{"i dag", "adv"}, {"vi", "ppsu"}, {"äter", "v"}});
    ReorderOutput(s);
    const nlohmann::json expected = nlohmann::json::parse(R"([
        {"SvText": "I dag", "OutTag": "adv", "OutPos": 1},
        {"SvText": "äter", "OutTag": "v", "OutPos": 2},
        {"SvText": "vi", "OutTag": "ppsu", "OutPos": 3}])");
    EXPECT_EQ(DumpOutput(s), expected);
}

// The segment's closing mark is never dispatched; the copy still ends with
// it, and the output line sets punctuation close to the word before.
TEST(WordOrder, ClosingMarksEndTheirSegments) {
    TranslationState s(NoLexicon());
    const auto segment = [&s](const char* mark, const std::vector<OutWord>& words) {
        s.WordList = {};
        WordNode* word = s.WordList.Add(s.Arena, true);
        word->SpWord = mark;
        word->SpClass = 100;
        s.OutList = {};
        s.OutPosCounter = 1;
        EmitRow(s, words);
        ReorderOutput(s);
    };
    segment("?", {{"du", "ppsu"}, {"kommer", "v"}});
    segment(".", {{"ja", "int"}, {",", "st"}, {"i dag", "adv"}});
    EXPECT_EQ(CopyTexts(s), (std::vector<std::string>{"Kommer", "du", "?", "Ja", ",", "i dag", "."}));
    EXPECT_EQ(OutputLine(s), "Kommer du? Ja, i dag.");
}

TEST(WordOrder, SegmentWithoutWordsGetsNoMark) {
    TranslationState s(NoLexicon());
    WordNode* word = s.WordList.Add(s.Arena, true);
    word->SpWord = ".";
    word->SpClass = 100;
    ReorderOutput(s);
    EXPECT_EQ(OutputLine(s), "");
}

TEST(WordOrder, AppendsEachSegmentToTheCopy) {
    TranslationState s(NoLexicon());
    EmitRow(s, {{"hej", "int"}});
    ReorderOutput(s);
    s.OutList = {};
    s.OutPosCounter = 1;
    EmitRow(s, {{"inte", "neg"}, {"kom", "v"}, {"han", "x"}});
    ReorderOutput(s);
    EXPECT_EQ(CopyTexts(s), (std::vector<std::string>{"Hej", "Kom", "inte", "han"}));
}

TEST(WordOrder, DumpShowsTheWordsInTheirNewOrder) {
    TranslationState s(NoLexicon());
    EmitRow(s, {{"inte", "neg"}, {"jag", "ppsu"}, {"äter", "v"}});
    ReorderOutput(s);
    const nlohmann::json expected = nlohmann::json::parse(R"([
        {"SvText": "Jag", "OutTag": "ppsu", "OutPos": 3},
        {"SvText": "äter", "OutTag": "v", "OutPos": 1},
        {"SvText": "inte", "OutTag": "neg", "OutPos": 2}])");
    EXPECT_EQ(DumpOutput(s), expected);
}

// A segment that puts out nothing adds nothing, even after a segment that did.
TEST(SegmentLoop, SilentSegmentRepeatsNoWords) {
    TranslationState s(NoLexicon());
    ASSERT_EQ(PrepareInput(s, Cp("Hola: adiós.")), Rejection::None);
    int segment = 0;
    const auto rejection = RunSegmentLoop(s, [&segment](TranslationState& st) {
        if (++segment == 1) EmitOutWord(st, "", "hej", "", "int");
        ReorderOutput(st);
    });
    ASSERT_EQ(rejection, Rejection::None);
    EXPECT_EQ(segment, 2);
    EXPECT_EQ(CopyTexts(s), (std::vector<std::string>{"Hej"}));
}

TEST(SegmentLoop, ResetsTheCountersOfEverySegment) {
    TranslationState s(NoLexicon());
    ASSERT_EQ(PrepareInput(s, Cp("Hola: adiós.")), Rejection::None);
    std::vector<int> seen;
    RunSegmentLoop(s, [&seen](TranslationState& st) {
        seen.insert(seen.end(), {st.CurPhraseNo, st.CurWordNo, st.PhraseCounter, st.OutPosCounter});
        st.CurPhraseNo = st.CurWordNo = st.PhraseCounter = st.OutPosCounter = 9;
    });
    EXPECT_EQ(seen, (std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1}));
}

}  // namespace
}  // namespace quelvo
