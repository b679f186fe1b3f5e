#include <gtest/gtest.h>

#include "grammar/grammar_dump.h"
#include "grammar/phrase_grammar_passes.h"
#include "translate/dispatch.h"
#include "support.h"

namespace quelvo {
namespace {

using testing_support::LoadRow;
using testing_support::NoLexicon;

TEST(GrammarDump, PhrasesAsTheDispatchFoundThem) {
    TranslationState s(NoLexicon());
    LoadRow(s, {"prep", "det", "n", "sklj"});
    RunPhraseGrammar(s);
    DispatchPhrases(s);
    const nlohmann::json expected = nlohmann::json::parse(R"([
        {"Pos": 1, "Tag": "NPP", "RuleNo": 9137, "Members": ["prep", "det", "n"], "MemberCount": 3},
        {"Pos": 2, "Tag": "ST", "RuleNo": 260, "Members": ["sklj"], "MemberCount": 1}])");
    EXPECT_EQ(DumpPhrases(s), expected);
}

TEST(GrammarDump, ClausesWithTheirKeysAndRules) {
    TranslationState s(NoLexicon());
    LoadRow(s, {"det", "n", "v", "konj", "det", "n", "n", "v", "sklj"});
    RunPhraseGrammar(s);
    const nlohmann::json expected = nlohmann::json::parse(R"({
        "ClauseCount": 2,
        "ClauseBounds": [1, 3, 7, 0, 0, 0, 0, 0],
        "VerbPhrasePos": [2, 6, 0, 0, 0, 0, 0, 0, 0, 0],
        "Clauses": [{"Key": "NPVP", "RoleRule": "RuleNPVP"}, {"Key": "NPNPVP", "RoleRule": ""}]})");
    EXPECT_EQ(DumpClauses(s), expected);
}

}  // namespace
}  // namespace quelvo
