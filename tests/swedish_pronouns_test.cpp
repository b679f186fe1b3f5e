#include <gtest/gtest.h>

#include "swedish/determiners.h"
#include "swedish/pronouns.h"
#include "swedish_test_support.h"

namespace quelvo {
namespace {

using testing_support::Form;
using testing_support::P;
using testing_support::Sentence;
using testing_support::Utf;
using testing_support::W;

struct SubjectCase {
    const char* name;
    std::vector<W> words;
    std::vector<P> phrases;  // PhraseCursor on the last one
    std::vector<std::string> shown;
    const char* spanish = "";
};

void PrintTo(const SubjectCase& c, std::ostream* os) { *os << c.name; }

class SubjectPronouns : public testing::TestWithParam<SubjectCase> {};

TEST_P(SubjectPronouns, ComeBeforeAVerbWithItsOwnSubject) {
    const SubjectCase& c = GetParam();
    Sentence t;
    for (const W& w : c.words) t.Add(w);
    for (const P& p : c.phrases) {
        PhraseNode* node = t.s.MergedPhraseList.Add(t.s.Arena, t.s.MergedPhraseList.Head == nullptr);
        node->Tag = p.tag;
        node->RuleNo = p.rule;
    }
    t.s.CurWord = t.Word(1);
    t.s.PhraseCursor = t.s.MergedPhraseList.Tail;
    t.ContinueSentence();
    t.s.StagedWord.SpWord = "-";
    InsertSubjectPronoun(t.s);
    EXPECT_EQ(t.Out(), c.shown);
    EXPECT_EQ(t.Recorded(), c.shown);
    EXPECT_EQ(t.Tags(), std::vector<std::string>(c.shown.size(), "ppsu"));
    EXPECT_EQ(Utf(t.s.StagedWord.SpWord), c.shown.empty() ? "-" : c.spanish);
    EXPECT_EQ(t.s.CurWord, t.Word(1));
}

W Verb(int person, int formCode = 4) {
    return W{.sp = "comprar", .sv = "köpa", .spClass = 3, .formCode = formCode, .person = person};
}

const std::vector<P> kClause{{"NP", 1}, {"NPS/VPT", 160}};

INSTANTIATE_TEST_SUITE_P(
    Persons, SubjectPronouns,
    testing::Values(
        SubjectCase{"first", {Verb(1)}, kClause, {"jag"}, "yo"},
        SubjectCase{"second", {Verb(2)}, kClause, {"du"}, "tú"},
        SubjectCase{"third", {Verb(3)}, kClause, {"han"}, "él"},
        SubjectCase{"first_plural", {Verb(4)}, {{"NPS/VPI", 160}}, {"vi"}, "nosotros"},
        SubjectCase{"second_plural", {Verb(5)}, {{"NPS/PVPT", 160}}, {"ni"}, "vosotros"},
        SubjectCase{"third_plural", {Verb(6)}, kClause, {"de"}, "ellos"},
        SubjectCase{"no_person", {Verb(0)}, kClause, {}}, SubjectCase{"person_7", {Verb(7)}, kClause, {}},
        SubjectCase{"rule_232_infinitive", {Verb(1)}, {{"NPS/VPT", 232}}, {}},
        SubjectCase{"rule_174", {Verb(1)}, {{"NPS/VPT", 174}}, {}},
        SubjectCase{"other_tag", {Verb(1)}, {{"VP", 160}}, {}}, SubjectCase{"infinitive", {Verb(1, 19)}, kClause, {}},
        SubjectCase{"gerund_opening_sentence", {Verb(1, 11)}, {{"NPS/VPT", 160}}, {}},
        SubjectCase{"gerund_later", {Verb(1, 11)}, kClause, {"jag"}, "yo"},
        SubjectCase{"hay", {W{.sp = "hay", .spClass = 3, .formCode = 4, .person = 3}}, kClause, {}},
        SubjectCase{
            "verb_after_clitic", {W{.sp = "lo", .spClass = 11}, Verb(4)}, {{"NPS/VPT", 159}}, {"vi"}, "nosotros"},
        SubjectCase{"clitic_without_verb", {W{.sp = "lo", .spClass = 11}}, {{"NPS/VPT", 161}}, {}},
        SubjectCase{"es_with_adjective",
                    {W{.sp = "ser", .spClass = 3, .formCode = 4, .person = 3}, W{.sp = "fácil", .spClass = 2}},
                    kClause,
                    {"det"},
                    "ello"},
        SubjectCase{"es_with_article_and_noun",
                    {W{.sp = "ser", .spClass = 3, .formCode = 4, .person = 3}, W{.sp = "un", .spClass = 15},
                     W{.sp = "libro", .spClass = 1}},
                    kClause,
                    {"det"},
                    "ello"},
        SubjectCase{"es_with_adjective_after_next",
                    {W{.sp = "ser", .spClass = 3, .formCode = 4, .person = 3}, W{.sp = "muy", .spClass = 5},
                     W{.sp = "fácil", .spClass = 27}},
                    kClause,
                    {"det"},
                    "ello"},
        SubjectCase{"es_with_article_last",
                    {W{.sp = "ser", .spClass = 3, .formCode = 4, .person = 3}, W{.sp = "el", .spClass = 15}},
                    kClause,
                    {"han"},
                    "él"},
        SubjectCase{"weather_verb", {W{.sp = "llover", .spClass = 3, .formCode = 4, .person = 3}}, kClause, {"det"}, "ello"},
        SubjectCase{"estar_with_weather_gerund",
                    {W{.sp = "estar", .spClass = 4, .formCode = 4, .person = 3}, W{.sp = "nevar", .spClass = 101}},
                    kClause,
                    {"det"},
                    "ello"},
        SubjectCase{"weather_in_the_shared_first_person",
                    {W{.sp = "hacer", .spClass = 3, .formCode = 5, .person = 1}, W{.sp = "frío", .spClass = 1}},
                    kClause,
                    {"det"},
                    "ello"},
        SubjectCase{"ir_a_weather_verb",
                    {W{.sp = "ir", .spClass = 3, .formCode = 4, .person = 3}, W{.sp = "a", .spClass = 57},
                     W{.sp = "llover", .spClass = 99, .formCode = 19}},
                    kClause,
                    {"det"},
                    "ello"},
        SubjectCase{"auxiliary_of_weather_verb",
                    {W{.sp = "poder", .spClass = 4, .formCode = 4, .person = 3},
                     W{.sp = "nevar", .spClass = 99, .formCode = 19}},
                    kClause,
                    {"det"},
                    "ello"},
        SubjectCase{"ir_a_other_verb",
                    {W{.sp = "ir", .spClass = 3, .formCode = 4, .person = 3}, W{.sp = "a", .spClass = 57},
                     W{.sp = "comer", .spClass = 99, .formCode = 19}},
                    kClause,
                    {"han"},
                    "él"},
        SubjectCase{"hacer_with_weather_word",
                    {W{.sp = "hacer", .spClass = 3, .formCode = 4, .person = 3}, W{.sp = "frío", .spClass = 1}},
                    kClause,
                    {"det"},
                    "ello"},
        SubjectCase{"hacer_with_weather_word_after_next",
                    {W{.sp = "hacer", .spClass = 3, .formCode = 4, .person = 3}, W{.sp = "buen", .spClass = 2},
                     W{.sp = "tiempo", .spClass = 1}},
                    kClause,
                    {"det"},
                    "ello"},
        SubjectCase{"hacer_with_an_object",
                    {W{.sp = "hacer", .spClass = 3, .formCode = 4, .person = 3}, W{.sp = "la", .spClass = 15},
                     W{.sp = "comida", .spClass = 1}},
                    kClause,
                    {"han"},
                    "él"},
        SubjectCase{"estar_otherwise",
                    {W{.sp = "estar", .spClass = 4, .formCode = 4, .person = 3}, W{.sp = "cantar", .spClass = 101}},
                    kClause,
                    {"han"},
                    "él"},
        SubjectCase{"verb_of_liking",
                    {W{.sp = "me", .spClass = 11}, W{.sp = "gustar", .spClass = 3, .formCode = 4, .person = 3}},
                    {{"NPS/PVPT", 206}},
                    {}},
        SubjectCase{"clock_time",
                    {W{.sp = "ser", .spClass = 3, .formCode = 4, .person = 3}, W{.sp = "la", .spClass = 15},
                     W{.sp = "una", .spClass = 45}},
                    kClause,
                    {}},
        SubjectCase{
            "es_last_word", {W{.sp = "ser", .spClass = 3, .formCode = 4, .person = 3}}, kClause, {"han"}, "él"}),
    [](const auto& info) { return std::string(info.param.name); });

// "como y bebo": the second verb shares the first one's subject; "canto y
// bailas" does not.
TEST(SubjectPronounsAfterY, FollowTheEarlierVerbsPerson) {
    for (const auto& [secondPerson, shown] :
         {std::pair{1, std::vector<std::string>{}}, std::pair{2, std::vector<std::string>{"Du"}}}) {
        Sentence t({Verb(1), W{.sp = "y", .sv = "och", .spClass = 39}, Verb(secondPerson)},
                   {{"NPS/VPI", 225}, {"YKon", 267}, {"NPS/VPI", 225}});
        t.s.CurWord = t.Word(3);
        t.s.PhraseCursor = t.s.MergedPhraseList.Tail;
        InsertSubjectPronoun(t.s);
        EXPECT_EQ(t.Out(), shown) << secondPerson;
    }
}

// "la chica que canta en el coro es ...": the noun phrase before the
// relative clause is the subject; "todo el mundo sabrá" has its own.
TEST(SubjectPronounsAfterARelativeClause, AreNotNeeded) {
    const W verb = Verb(3);
    const std::vector<std::pair<std::vector<P>, std::vector<std::string>>> cases{
        {{{"NP", 137}, {"Rel", 253}, {"VP", 225}, {"NPP", 9137}, {"NPS/VPT", 227}}, {}},
        {{{"NP", 137}, {"KT", 269}, {"Rel", 253}, {"VP", 225}, {"KT", 269}, {"NPS/VPI", 225}}, {}},
        {{{"Indx", 235}, {"NPS/VPT", 225}}, {}},
        {{{"Rel", 253}, {"VP", 225}, {"NPS/VPT", 225}}, {"Han"}},
        {{{"NP", 137}, {"Rel", 253}, {"NPS/VPT", 225}}, {"Han"}},
        {{{"NP", 137}, {"Rel", 253}, {"VP", 225}, {"Konj", 250}, {"NPS/VPT", 225}}, {"Han"}},
    };
    for (const auto& [phrases, shown] : cases) {
        Sentence t({verb});
        for (const P& p : phrases) {
            PhraseNode* node = t.s.MergedPhraseList.Add(t.s.Arena, t.s.MergedPhraseList.Head == nullptr);
            node->Tag = p.tag;
            node->RuleNo = p.rule;
        }
        t.s.PhraseCursor = t.s.MergedPhraseList.Tail;
        InsertSubjectPronoun(t.s);
        EXPECT_EQ(t.Out(), shown) << phrases.size();
    }
}

TEST(SubjectPronounsWithoutState, NeedAWordAndAPhrase) {
    Sentence noPhrase({Verb(1)});
    InsertSubjectPronoun(noPhrase.s);
    EXPECT_TRUE(noPhrase.Out().empty());
    Sentence noWord({}, {{"NPS/VPT", 160}});
    InsertSubjectPronoun(noWord.s);
    EXPECT_TRUE(noWord.Out().empty());
}

struct PossessiveCase {
    const char* name;
    const char* spanish;
    const char* swedish;
    char gender;
    int number;
    const char* expected;
};

void PrintTo(const PossessiveCase& c, std::ostream* os) { *os << c.name; }

class Possessives : public testing::TestWithParam<PossessiveCase> {};

TEST_P(Possessives, AgreeWithTheNoun) {
    const PossessiveCase& c = GetParam();
    Sentence t({W{.sp = c.spanish, .sv = c.swedish}, W{.sp = "casa"}});
    t.ContinueSentence();
    TranslatePossessive(t.s, c.gender, c.number);
    EXPECT_EQ(t.Out(), std::vector<std::string>{c.expected});
    EXPECT_EQ(t.Recorded(), std::vector<std::string>{c.expected});
    EXPECT_EQ(t.Tags(), std::vector<std::string>{"poss"});
    EXPECT_EQ(Utf(t.Word(1)->SvWord), c.expected);
    EXPECT_EQ(t.Word(1)->ClassTag.view(), "poss");
    EXPECT_EQ(t.s.CurWord, t.Word(2));
}

INSTANTIATE_TEST_SUITE_P(Words, Possessives,
                         testing::Values(PossessiveCase{"mi_common", "mi", "min", 'n', 1, "min"},
                                         PossessiveCase{"mi_neuter", "mi", "min", 't', 2, "mitt"},
                                         PossessiveCase{"tu_neuter", "tu", "din", 't', 1, "ditt"},
                                         PossessiveCase{"nuestro_neuter", "nuestro", "vår", 't', 1, "vårt"},
                                         PossessiveCase{"nuestro_plural", "nuestro", "vår", 't', 3, "våra"},
                                         PossessiveCase{"vuestro_plural", "vuestro", "er", 'f', 3, "era"},
                                         PossessiveCase{"vuestro_feminine", "vuestro", "er", 'f', 1, "er"},
                                         PossessiveCase{"no_gender_keeps_word", "mi", "min", ' ', 1, "min"},
                                         PossessiveCase{"other_number_keeps_word", "tu", "din", 't', 5, "din"},
                                         PossessiveCase{"su_keeps_word", "su", "hans", 't', 3, "hans"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct AllWholeCase {
    const char* name;
    const char* next;  // empty: no successor
    char gender;
    int number;
    const char* expected;
};

void PrintTo(const AllWholeCase& c, std::ostream* os) { *os << c.name; }

class AllWhole : public testing::TestWithParam<AllWholeCase> {};

TEST_P(AllWhole, DependsOnTheNextWord) {
    const AllWholeCase& c = GetParam();
    Sentence t({W{.sp = "todo"}});
    if (*c.next != '\0') t.Add(W{.sp = c.next});
    Str30 form = "-";
    TranslateAllWhole(t.s, form, c.gender, c.number);
    EXPECT_EQ(Utf(form), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Successors, AllWhole,
    testing::Values(AllWholeCase{"todo_el", "el", 'n', 1, "hela"}, AllWholeCase{"todo_la", "la", 'f', 3, "hela"},
                    AllWholeCase{"todo_un", "un", 'n', 1, "hel"}, AllWholeCase{"todo_un_neuter", "un", 't', 1, "helt"},
                    AllWholeCase{"todo_un_plural", "un", 't', 3, "alla"},
                    AllWholeCase{"todos_los", "los", 'n', 3, "alla"}, AllWholeCase{"todo_last", "", 'n', 3, "-"}),
    [](const auto& info) { return std::string(info.param.name); });

struct DeterminerCase {
    const char* name;
    std::vector<W> words;
    char gender;
    std::vector<std::string> shown;
    char definiteness;
    int consumed;
};

void PrintTo(const DeterminerCase& c, std::ostream* os) { *os << c.name; }

class Determiners : public testing::TestWithParam<DeterminerCase> {};

TEST_P(Determiners, GiveTheNounItsDefiniteness) {
    const DeterminerCase& c = GetParam();
    Sentence t;
    for (const W& w : c.words) t.Add(w);
    t.s.CurWord = t.Word(1);
    t.ContinueSentence();
    char definiteness = '?';
    TranslateDeterminer(t.s, definiteness, c.gender);
    EXPECT_EQ(t.Out(), c.shown);
    EXPECT_EQ(t.Recorded(), c.shown);
    EXPECT_EQ(t.Tags(), std::vector<std::string>{"indf"});
    EXPECT_EQ(definiteness, c.definiteness);
    EXPECT_EQ(t.s.CurWord, static_cast<std::size_t>(c.consumed) < c.words.size() ? t.Word(c.consumed + 1) : nullptr);
}

W Noun(int formCode = 1) { return W{.sp = "casa", .sv = "hus", .spClass = 1, .formCode = formCode, .tag = "n"}; }

INSTANTIATE_TEST_SUITE_P(
    Words, Determiners,
    testing::Values(
        DeterminerCase{"todo_el",
                       {W{.sp = "todo", .sv = "allt", .formCode = 1}, W{.sp = "el", .spClass = 15}, Noun()},
                       'n',
                       {"hela"},
                       'b',
                       1},
        DeterminerCase{"todos_los",
                       {W{.sp = "todo", .sv = "allt", .formCode = 3}, W{.sp = "los", .spClass = 15}, Noun(3)},
                       'n',
                       {"alla"},
                       'b',
                       1},
        DeterminerCase{"todo_before_verb",
                       {W{.sp = "todo", .sv = "allt", .formCode = 1}, W{.sp = "ir", .spClass = 3}},
                       'n',
                       {"allt"},
                       'b',
                       1},
        DeterminerCase{"todo_last", {W{.sp = "todo", .sv = "allt", .formCode = 1}}, 'n', {"allt"}, 'b', 1},
        DeterminerCase{"cualquier", {W{.sp = "cualquier", .sv = "vilken"}, Noun()}, 'n', {"vilken"}, 'o', 1},
        DeterminerCase{"tal_plural", {W{.sp = "tal", .sv = "sådan"}, Noun(3)}, 'n', {"sådana"}, 'o', 1},
        DeterminerCase{"tal", {W{.sp = "tal", .sv = "sådan"}, Noun(1)}, 'n', {"sådan"}, 'o', 1},
        DeterminerCase{"eso", {W{.sp = "eso", .sv = "det"}}, 'n', {"detta"}, '?', 1},
        DeterminerCase{"esos", {W{.sp = "eso", .sv = "det", .formCode = 3}, Noun(3)}, 'n', {"de"}, '?', 1},
        DeterminerCase{"este_neuter", {W{.sp = "este", .sv = "den här"}, Noun()}, 't', {"det här"}, 'b', 1},
        DeterminerCase{"esta_common", {W{.sp = "este", .sv = "det här"}, Noun()}, 'f', {"den här"}, 'b', 1},
        DeterminerCase{"este_no_gender", {W{.sp = "este", .sv = "denna"}, Noun()}, ' ', {"denna"}, 'b', 1},
        DeterminerCase{"aquel_neuter", {W{.sp = "aquel", .sv = "den där"}, Noun()}, 't', {"det där"}, 'b', 1},
        DeterminerCase{
            "aquellos", {W{.sp = "aquel", .sv = "den där", .formCode = 3}, Noun(3)}, 'n', {"de där"}, 'b', 1},
        DeterminerCase{"unos", {W{.sp = "unos", .sv = "några"}, Noun(3)}, 'n', {"några"}, 'o', 1},
        DeterminerCase{"pocas", {W{.sp = "pocas", .sv = "få"}, Noun(3)}, 'n', {"få"}, 'o', 1},
        DeterminerCase{"muchos", {W{.sp = "muchos", .sv = "många"}, Noun(3)}, 'n', {"många"}, 'o', 1},
        DeterminerCase{"cada", {W{.sp = "cada", .sv = "varje"}, Noun()}, 'n', {"varje"}, 'o', 1},
        DeterminerCase{"alguna_common", {W{.sp = "alguno", .sv = "någon"}, Noun()}, 'n', {"någon"}, 'o', 1},
        DeterminerCase{"algun_neuter", {W{.sp = "alguno", .sv = "någon"}, Noun()}, 't', {"något"}, 'o', 1},
        DeterminerCase{"algunos_neuter", {W{.sp = "algunos", .sv = "någon", .formCode = 3}, Noun(3)}, 't', {"någon"},
                       'o', 1},
        DeterminerCase{"mucha", {W{.sp = "mucho", .sv = "mycket"}, Noun()}, 't', {"mycket"}, 'o', 1},
        DeterminerCase{"poca", {W{.sp = "poco", .sv = "lite"}, Noun()}, 't', {"lite"}, 'o', 1},
        DeterminerCase{"cualquier_before_verb",
                       {W{.sp = "cualquier", .sv = "vilken"}, W{.sp = "ir", .spClass = 3}},
                       'n',
                       {"vilken"},
                       'b',
                       1},
        DeterminerCase{"ambos", {W{.sp = "ambos", .sv = "båda"}, Noun(3)}, 'n', {"båda"}, 'b', 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeterminerCualquier, JoinsSomHelstToTheNoun) {
    Sentence t({W{.sp = "cualquier", .sv = "vilken"}, Noun()});
    char definiteness = ' ';
    TranslateDeterminer(t.s, definiteness, 'n');
    EXPECT_EQ(Utf(t.Word(2)->SvWord), "som helst hus");
    EXPECT_EQ(Utf(t.Word(1)->SvForm), "vilken");
}

TEST(DeterminerThis, IsRecordedOnTheWord) {
    Sentence t({W{.sp = "este", .sv = "den här"}, Noun()});
    char definiteness = ' ';
    TranslateDeterminer(t.s, definiteness, 't');
    EXPECT_EQ(Utf(t.Word(1)->SvWord), "det här");
    EXPECT_EQ(t.Word(1)->ClassTag.view(), "indf");
    EXPECT_EQ(t.Word(1)->DefMark, 'b');
}

TEST(DeterminerWithoutWord, EmitsNothing) {
    Sentence t;
    char definiteness = '?';
    TranslateDeterminer(t.s, definiteness, 'n');
    EXPECT_TRUE(t.Out().empty());
    EXPECT_EQ(definiteness, '?');
}

}  // namespace
}  // namespace quelvo
