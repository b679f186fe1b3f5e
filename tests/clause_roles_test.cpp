#include <gtest/gtest.h>

#include <map>

#include "grammar/clause_patterns.h"
#include "grammar/phrase_grammar_passes.h"
#include "grammar/phrase_grouping.h"
#include "support.h"

namespace quelvo {
namespace {

using testing_support::LoadRow;
using testing_support::NoLexicon;
using testing_support::PhraseTags;
using testing_support::WordAt;
using testing_support::WordTagRow;

// What a word carries besides its tag, by position.
struct WordFacts {
    std::string spWord;
    int formCode = 0;
    int spClass = 0;
};

struct RoleCase {
    const char* name;
    std::vector<std::string> tags;
    std::vector<int> persons;
    std::map<int, WordFacts> words;
    std::vector<std::string> phrases;   // phrase tags after the role rules
    std::vector<std::string> wordTags;  // word tags after the role rules
    std::string roleRule;               // the rule the first clause ran
};

void LoadWords(TranslationState& s, const std::vector<std::string>& tags, const std::vector<int>& persons,
               const std::map<int, WordFacts>& words) {
    LoadRow(s, tags, persons);
    for (const auto& [pos, facts] : words) {
        WordNode* w = WordAt(s, pos);
        w->SpWord = facts.spWord;
        w->FormCode = facts.formCode;
        w->SpClass = facts.spClass;
    }
}

void LoadCase(TranslationState& s, const RoleCase& c) { LoadWords(s, c.tags, c.persons, c.words); }

class ClauseRoles : public testing::TestWithParam<RoleCase> {};

TEST_P(ClauseRoles, NameTheRolesAndMarkTheVerbs) {
    TranslationState s(NoLexicon());
    LoadCase(s, GetParam());
    RunPhraseGrammar(s);
    EXPECT_EQ(PhraseTags(s.MergedPhraseList), GetParam().phrases);
    EXPECT_EQ(WordTagRow(s), GetParam().wordTags);
    EXPECT_EQ(std::string(s.ClauseRecords[1].RoleRule), GetParam().roleRule);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ClauseRoles,
    testing::Values(
        RoleCase{"np_vp_np", {"det", "n", "v", "det", "n", "sklj"}, {}, {},
                 {"NPS", "VPT", "NPO", "ST"}, {"det", "n", "vt", "det", "n", "sklj"}, "RuleAroundVP"},
        RoleCase{"np_vp_np_np_reduces_to_npvpnp", {"det", "n", "adv", "v", "det", "n", "det", "n", "sklj"}, {}, {},
                 {"NPS", "Adv", "VPT", "NPO", "NPO", "ST"},
                 {"det", "n", "adv", "vt", "det", "n", "det", "n", "sklj"}, "RuleNPVPNP"},
        RoleCase{"np_vp_np_np_around_verb", {"det", "n", "v", "det", "n", "det", "n", "sklj"}, {}, {},
                 {"NPS", "VPT", "NPO", "NP", "ST"}, {"det", "n", "vt", "det", "n", "det", "n", "sklj"}, "RuleAroundVP"},
        RoleCase{"lone_verb", {"v", "sklj"}, {}, {}, {"NPS/VPI", "ST"}, {"vi", "sklj"}, "RuleVP"},
        RoleCase{"lone_verb_with_object_pronoun", {"hjv", "v", "e_ppob", "sklj"}, {}, {},
                 {"NPS/VPT", "ST"}, {"hjv", "vi", "e_ppob", "sklj"}, "RuleVP"},
        RoleCase{"infinitive_with_object_pronoun", {"inf", "e_ppob", "sklj"}, {}, {},
                 {"NPS/VPT", "ST"}, {"inf_t", "e_ppob", "sklj"}, "RuleVP"},
        RoleCase{"reflexive_infinitive", {"inf", "refl", "sklj"}, {}, {}, {"NPS/VPI", "ST"}, {"inf_i", "refl", "sklj"},
                 "RuleVP"},
        RoleCase{"lone_infinitive", {"inf", "sklj"}, {}, {}, {"NPS/VPI", "ST"}, {"inf_i", "sklj"}, "RuleVP"},
        RoleCase{"llegar_third_person", {"v", "det", "n", "sklj"}, {3}, {{1, {"llegar"}}},
                 {"VPI", "NPS", "ST"}, {"vi", "det", "n", "sklj"}, "RuleVPNP"},
        RoleCase{"llegar_first_person", {"v", "det", "n", "sklj"}, {1}, {{1, {"llegar"}}},
                 {"NPS/VPT", "NPS", "ST"}, {"vi", "det", "n", "sklj"}, "RuleVPNP"},
        RoleCase{"transitive_verb_before_object", {"v", "det", "n", "sklj"}, {3}, {{1, {"comer"}}},
                 {"NPS/VPT", "NPO", "ST"}, {"vt", "det", "n", "sklj"}, "RuleVPNP"},
        RoleCase{"verb_before_subject_pronoun", {"v", "ppsu", "sklj"}, {3}, {},
                 {"VPI", "NPS", "ST"}, {"vi", "ppsu", "sklj"}, "RuleVPNP"},
        RoleCase{"ser_before_participle", {"v", "vperf", "det", "n", "sklj"}, {3}, {{1, {"ser"}}, {2, {"hecho", 10}}},
                 {"VPI", "NPS", "ST"}, {"v", "vperf", "det", "n", "sklj"}, "RuleVPNP"},
        RoleCase{"saying_verb_before_determiner", {"v", "det", "n", "sklj"}, {6}, {{1, {"decir"}}, {2, {"el", 1, 15}}},
                 {"VPI", "NPS", "ST"}, {"v", "det", "n", "sklj"}, "RuleVPNP"},
        RoleCase{"reflexive_verb_phrase", {"inf", "refl", "det", "n", "sklj"}, {}, {},
                 {"NPS/VPT", "NPS", "ST"}, {"vt", "refl", "det", "n", "sklj"}, "RuleVPNP"},
        RoleCase{"np_vp", {"det", "n", "v", "sklj"}, {}, {}, {"NPS", "VPI", "ST"}, {"det", "n", "vi", "sklj"}, "RuleNPVP"},
        RoleCase{"pvp", {"ppob", "v", "sklj"}, {}, {}, {"NPS/PVPT", "ST"}, {"ppob", "vt", "sklj"}, "RulePVP"},
        RoleCase{"pvp_np_gustar", {"ppob", "v", "det", "n", "sklj"}, {}, {{2, {"gustar"}}},
                 {"PVPT", "NPO", "ST"}, {"ppob", "vt", "det", "n", "sklj"}, "RulePVPNP"},
        RoleCase{"pvp_np", {"ppob", "v", "det", "n", "sklj"}, {}, {{2, {"ver"}}},
                 {"NPS/PVPT", "NPO", "ST"}, {"ppob", "vt", "det", "n", "sklj"}, "RulePVPNP"},
        RoleCase{"relative_third_person", {"rel", "v", "sklj"}, {0, 3}, {}, {"NPS_R", "VPI", "ST"}, {"rel", "vi", "sklj"},
                 "RuleRelVP"},
        RoleCase{"relative_first_person", {"relx", "v", "sklj"}, {0, 1}, {}, {"NPS_R", "NPS/VPI", "ST"},
                 {"relx", "vi", "sklj"}, "RuleRelVP"},
        RoleCase{"relative_verb_object", {"rel", "v", "det", "n", "sklj"}, {}, {},
                 {"NPS_R", "VPT", "NPO", "ST"}, {"rel", "vt", "det", "n", "sklj"}, "RuleRelVPNP"},
        RoleCase{"relx_keeps_its_tag", {"relx", "v", "det", "n", "sklj"}, {}, {},
                 {"Relx", "VPT", "NPS", "ST"}, {"relx", "vt", "det", "n", "sklj"}, "RuleNPVPNP"},
        RoleCase{"verb_of_state_before_indefinite", {"v", "indf", "sklj"}, {}, {{1, {"estar"}}},
                 {"NPS/VPI", "NPS", "ST"}, {"vi", "indf", "sklj"}, "RuleVPIndf"},
        RoleCase{"verb_before_indefinite", {"v", "indf", "sklj"}, {}, {{1, {"comer"}}},
                 {"NPS/VPT", "NPO", "ST"}, {"vt", "indf", "sklj"}, "RuleVPIndf"},
        RoleCase{"infinitive_object", {"inf", "det", "n", "sklj"}, {}, {}, {"NPS/VPT", "NPO", "ST"},
                 {"inf", "det", "n", "sklj"}, "RuleInfNP"},
        RoleCase{"verb_two_nps", {"v", "det", "n", "det", "n", "sklj"}, {}, {},
                 {"VPT", "NPS", "NPO", "ST"}, {"vt", "det", "n", "det", "n", "sklj"}, "RuleVPNPNP"},
        RoleCase{"indefinite_verb_object", {"indf", "v", "det", "n", "sklj"}, {}, {},
                 {"NPS", "VPT", "NPO", "ST"}, {"indf", "vt", "det", "n", "sklj"}, "RuleIndfVPNP"},
        RoleCase{"np_pvp", {"det", "n", "ppob", "v", "sklj"}, {}, {}, {"NPS", "VPT", "ST"},
                 {"det", "n", "ppob", "vt", "sklj"}, "RuleNPPVP"},
        RoleCase{"np_pvp_indefinite", {"det", "n", "ppob", "v", "indf", "sklj"}, {}, {},
                 {"NPS", "PVPT", "NPO", "ST"}, {"det", "n", "ppob", "vt", "indf", "sklj"}, "RuleNPPVPIndf"},
        RoleCase{"unknown_key_changes_nothing", {"det", "n", "n", "sklj"}, {}, {}, {"NP", "NP", "ST"},
                 {"det", "n", "n", "sklj"}, ""},
        RoleCase{"coordinated_np", {"det", "n", "v", "det", "n", "ykon", "det", "n", "sklj"}, {}, {},
                 {"NPS", "VPT", "NPO", "YKon", "NPK", "ST"},
                 {"det", "n", "vt", "det", "n", "ykon", "det", "n", "sklj"}, "RuleAroundVP"},
        RoleCase{"unknown_word_keeps_later_marks_in_place", {"det", "n", "adjx", "v", "det", "n", "sklj"}, {}, {},
                 {"NP", "NPS", "VPT", "NPO", "ST"}, {"det", "n", "adjx", "vt", "det", "n", "sklj"}, "RuleAroundVP"}),
    [](const auto& info) { return std::string(info.param.name); });

// The second clause shows what the first clause's rule and the marks left.
TEST(ClauseRoles, ConjunctionOpeningAClauseLeavesItsNounPhrase) {
    TranslationState s(NoLexicon());
    LoadRow(s, {"det", "n", "v", "konj", "det", "n", "v", "sklj"});
    RunPhraseGrammar(s);
    EXPECT_EQ(PhraseTags(s.MergedPhraseList), (std::vector<std::string>{"NPS", "VPI", "Konj", "NPS", "VPI", "ST"}));
    EXPECT_EQ(s.ClauseRecords[2].Key, "NPVP");
}

// "Voy a preparar la cena": no role rule takes the clause, but its verb
// still carries the subject.
TEST(ClauseRoles, OpeningVerbWithoutRuleKeepsItsSubject) {
    TranslationState s(NoLexicon());
    LoadWords(s, {"v", "prin", "inf", "det", "n", "sklj"}, {1},
              {{1, {"ir", 450, 3}}, {2, {"a", 1, 57}}, {3, {"preparar", 19, 99}}});
    RunPhraseGrammar(s);
    EXPECT_EQ(PhraseTags(s.MergedPhraseList), (std::vector<std::string>{"NPS/VPI", "Prin", "Inf", "NP", "ST"}));
    EXPECT_EQ(s.ClauseRecords[2].Key, "VPInfNP");
    EXPECT_EQ(std::string(s.ClauseRecords[2].RoleRule), "OpeningVerbSubject");
}

// "Es fácil hacer": the phrase of ser + adjective + infinitive, which counts in
// no clause key, carries the subject as an opening verb does.
TEST(ClauseRoles, OpeningSerAdjectiveInfinitiveKeepsItsSubject) {
    TranslationState s(NoLexicon());
    LoadWords(s, {"hjv", "adj", "inf", "sklj"}, {3},
              {{1, {"ser", 450, 4}}, {2, {"listo", 30, 2}}, {3, {"hacer", 19, 99}}});
    RunPhraseGrammar(s);
    EXPECT_EQ(PhraseTags(s.MergedPhraseList), (std::vector<std::string>{"NPS/VPI", "ST"}));
    EXPECT_EQ(std::string(s.ClauseRecords[1].RoleRule), "OpeningVerbSubject");
}

// "No voy a comer": the negation before the verb changes nothing.
TEST(ClauseRoles, NegatedOpeningVerbKeepsItsSubject) {
    TranslationState s(NoLexicon());
    LoadWords(s, {"neg", "v", "prin", "inf", "sklj"}, {0, 1},
              {{2, {"ir", 450, 3}}, {3, {"a", 1, 57}}, {4, {"comer", 19, 99}}});
    RunPhraseGrammar(s);
    EXPECT_EQ(PhraseTags(s.MergedPhraseList), (std::vector<std::string>{"Neg", "NPS/VPI", "Prin", "Inf", "ST"}));
}

// "dice que es fácil hacer": the impersonal phrase inside the clause gets
// its subject; after a noun phrase it has one.
TEST(ClauseRoles, ImpersonalPhraseInsideAClauseKeepsItsSubject) {
    for (const bool afterNoun : {false, true}) {
        TranslationState s(NoLexicon());
        const std::vector<std::string> lead =
            afterNoun ? std::vector<std::string>{"det", "n"} : std::vector<std::string>{"egnm", "v", "qinf"};
        std::vector<std::string> tags = lead;
        tags.insert(tags.end(), {"hjv", "adj", "inf", "sklj"});
        const int ser = static_cast<int>(lead.size()) + 1;
        LoadWords(s, tags, {}, {{ser, {"ser", 450, 4}}, {ser + 1, {"listo", 30, 2}}, {ser + 2, {"hacer", 19, 99}}});
        RunPhraseGrammar(s);
        const std::vector<std::string> phrases = PhraseTags(s.MergedPhraseList);
        EXPECT_EQ(phrases[phrases.size() - 2], afterNoun ? "OPers" : "NPS/VPI") << afterNoun;
    }
}

// "La universidad va a abrir ...": the noun phrase before is the subject.
TEST(ClauseRoles, VerbAfterANounPhraseGetsNoSubjectOfItsOwn) {
    TranslationState s(NoLexicon());
    LoadRow(s, {"det", "n", "v", "prin", "inf", "det", "n", "sklj"}, {0, 0, 3});
    RunPhraseGrammar(s);
    EXPECT_EQ(PhraseTags(s.MergedPhraseList), (std::vector<std::string>{"NP", "VP", "Prin", "Inf", "NP", "ST"}));
}

TEST(ClauseRoles, NounPhraseBetweenCommasIsMarked) {
    TranslationState s(NoLexicon());
    LoadRow(s, {"det", "n", "komma", "det", "n", "komma", "v", "sklj"});
    RunPhraseGrammar(s);
    EXPECT_EQ(PhraseTags(s.MergedPhraseList), (std::vector<std::string>{"NPS", "KT", "KTNP", "KT", "VPI", "ST"}));
}

struct PrepPronounCase {
    const char* name;
    std::vector<std::string> tags;
    std::string tag;
    int ruleNo;
};

class PrepPronouns : public testing::TestWithParam<PrepPronounCase> {};

TEST_P(PrepPronouns, BecomePrepositionPhrasesExceptAtTheEnd) {
    TranslationState s(NoLexicon());
    LoadRow(s, GetParam().tags);
    RunPhraseGrammar(s);
    ASSERT_NE(s.MergedPhraseList.Head, nullptr);
    EXPECT_EQ(s.MergedPhraseList.Head->Tag, GetParam().tag);
    EXPECT_EQ(s.MergedPhraseList.Head->RuleNo, GetParam().ruleNo);
}

INSTANTIATE_TEST_SUITE_P(Rows, PrepPronouns,
                         testing::Values(PrepPronounCase{"last_keeps_its_tag", {"prep", "ppfm"}, "NP", 218},
                                         PrepPronounCase{"before_the_mark", {"prep", "ppfm", "sklj"}, "NPP", 9234}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ClauseRoles, RuleNPVPNPNamesSubjectVerbAndObject) {
    TranslationState s(NoLexicon());
    LoadRow(s, {"det", "n", "v", "det", "n", "sklj"});
    GroupWordsIntoPhrases(s);
    MergePrepositionPhrases(s);
    RuleNPVPNP(s, 1, 3);
    EXPECT_EQ(PhraseTags(s.MergedPhraseList), (std::vector<std::string>{"NPS", "VPT", "NPO", "ST"}));
    EXPECT_EQ(s.WordTags.Get(3), "vt");
}

}  // namespace
}  // namespace quelvo
