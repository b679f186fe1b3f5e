#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "grammar/clause_split.h"
#include "grammar/phrase_grammar_passes.h"
#include "translate/dispatch.h"
#include "translate/reorder_output.h"
#include "support.h"

namespace quelvo {
namespace {

using testing_support::LoadRow;
using testing_support::NoLexicon;
using testing_support::WordAt;

// Every word tag the grammar knows, and some it does not.
const std::vector<std::string> kTags = {
    "det",  "n",     "adj",  "v",    "hjv",   "adv",   "rord", "prep",  "konj", "int",   "ppsu", "ppob",
    "poss", "indf",  "rel",  "egnm", "neg",   "refl",  "vfrs", "null",  "intr", "ykon",  "rkif", "mer",
    "prin", "nix",   "adjx", "advx", "subx",  "prpx",  "relx", "konx",  "egnx", "indx",  "FrsP", "inf",
    "sklj", "vpres", "vperf", "komma", "vadj", "x",    "xadj", "dem",   "fras", "part",  "qinf", "e_ppob",
    "p_vadj", "ppfm", "infm", "skon",  "dN",   "deN",  "nix1", "inf_t", "inf_i", "vi",   "vt",   ""};
const std::vector<std::string> kVerbs = {"llegar", "ser", "decir", "gustar", "estar", "comer", "w"};

struct Outcome {
    int coveredWords = 0;
    int renderedWords = 0;  // the words of every phrase but the last that has a renderer
};

Outcome Translate(TranslationState& s) {
    RunPhraseGrammar(s);
    DispatchPhrases(s);
    ReorderOutput(s);
    Outcome o;
    for (std::size_t i = 0; i < s.PhrasesAtDispatch.size(); ++i) {
        const PhraseNode& p = s.PhrasesAtDispatch[i];
        o.coveredWords += p.MemberCount;
        if (i + 1 < s.PhrasesAtDispatch.size() && FindDispatchRow(p.Tag) != nullptr) o.renderedWords += p.MemberCount;
    }
    return o;
}

TEST(GrammarRobustness, RandomTagRowsKeepEveryWord) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        const int length = 1 + static_cast<int>(random() % 21);
        std::vector<std::string> tags;
        std::vector<int> persons;
        for (int i = 0; i < length; ++i) {
            tags.push_back(kTags[random() % kTags.size()]);
            persons.push_back(static_cast<int>(random() % 7));
        }
        TranslationState s(NoLexicon());
        LoadRow(s, tags, persons);
        for (int i = 1; i <= length; ++i) {
            WordNode* w = WordAt(s, i);
            w->SpWord = kVerbs[random() % kVerbs.size()];
            w->FormCode = random() % 2 == 0 ? 10 : 1;
            w->SpClass = static_cast<int>(random() % 50);
        }
        const Outcome o = Translate(s);
        SCOPED_TRACE("round " + std::to_string(round));
        EXPECT_EQ(o.coveredWords, length);
        EXPECT_GE(s.ClauseCount, 1);
        EXPECT_LE(s.ClauseCount, TranslationState::kMaxClauses);
        EXPECT_EQ(s.ClauseBounds[1], 1);
        // Renderers add particles and pronouns of their own, but a run-away
        // renderer would put out far more.
        EXPECT_LE(s.OutListCopy.Count(), 4 * length + 4);
        for (const PhraseNode* p = s.MergedPhraseList.Head; p != nullptr; p = p->Next) {
            EXPECT_GE(p->MemberCount, 1);
            EXPECT_LE(p->MemberCount, kMaxMembers);
        }
    }
}

}  // namespace
}  // namespace quelvo
