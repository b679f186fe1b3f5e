// An auxiliary with its verb: the auxiliary said, or giving its tense.
#include <gtest/gtest.h>

#include "lexicon/swedish_word_lookup.h"
#include "render/auxiliary_verbs.h"
#include "verb_render_support.h"

namespace quelvo {
namespace {

using testing_support::kComiendo;
using testing_support::kEnd;
using testing_support::VerbScene;
using testing_support::Verb;
using testing_support::Wd;
using testing_support::Word;

struct AfterAuxiliaryCase {
    const char* name;
    std::vector<Wd> words;
    std::vector<std::string> out;
    int verbFormCode;  // the verb's FormCode afterwards
};

void PrintTo(const AfterAuxiliaryCase& c, std::ostream* os) { *os << c.name; }

class VerbAfterAuxiliary : public testing::TestWithParam<AfterAuxiliaryCase> {};

TEST_P(VerbAfterAuxiliary, TheVerbTakesTheTenseOfTheAuxiliary) {
    const AfterAuxiliaryCase& c = GetParam();
    VerbScene scene(c.words);
    EmitVerbAfterAuxiliary(scene.s);
    EXPECT_EQ(scene.Out(), c.out);
    EXPECT_EQ(scene.CurIndex(), 3);
    EXPECT_EQ(scene.Word(2)->FormCode, c.verbFormCode);
}

INSTANTIATE_TEST_SUITE_P(
    Tenses, VerbAfterAuxiliary,
    testing::Values(
        AfterAuxiliaryCase{"esta_comiendo", {Verb("estar", "vara", 450, 9), kComiendo}, {"Äter"}, 4},
        AfterAuxiliaryCase{"esta_pintando", {Verb("estar", "vara", 4, 9), Wd{"pintar", "måla", 11, 1}}, {"Målar"}, 4},
        AfterAuxiliaryCase{"estaba_comiendo", {Verb("estar", "vara", 460, 9), kComiendo}, {"Åt"}, 5},
        AfterAuxiliaryCase{"estuvo_pintando", {Verb("estar", "vara", 5, 9), Wd{"pintar", "måla", 11, 1}}, {"Målade"}, 5},
        AfterAuxiliaryCase{"estaria_comiendo", {Verb("estar", "vara", 476, 9), kComiendo}, {"Skulle", "äta"}, 11},
        AfterAuxiliaryCase{"estar_comiendo", {Verb("estar", "vara", 19, 9), kComiendo}, {"Äta"}, 11},
        AfterAuxiliaryCase{"particle_verb_takes_the_ending_on_its_verb",
                           {Verb("estar", "vara", 450, 9), Wd{"buscar", "leta efter", 11, 1}}, {"Letar efter"}, 4},
        AfterAuxiliaryCase{"particle_verb_in_the_past",
                           {Verb("estar", "vara", 460, 9), Wd{"buscar", "leta efter", 11, 1}}, {"Letade efter"}, 5},
        AfterAuxiliaryCase{"s_verb_takes_the_tense_of_the_auxiliary",
                           {Verb("estar", "vara", 450, 9), Wd{"esperar", "hoppas", 5, 129}}, {"Hoppas"}, 4},
        AfterAuxiliaryCase{"estara_comiendo", {Verb("estar", "vara", 475, 9), kComiendo}, {"Kommer att", "äta"}, 11},
        AfterAuxiliaryCase{"estuvo_comiendo", {Verb("estar", "vara", 470, 9), kComiendo}, {"Åt"}, 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VerbAfterAuxiliaryEnd, AnAuxiliaryWithoutAVerbIsTheVerb) {
    VerbScene scene({Verb("estar", "vara", 450, 9)});
    EmitVerbAfterAuxiliary(scene.s);
    EXPECT_EQ(scene.Out(), (std::vector<std::string>{"Är"}));
    EXPECT_EQ(scene.CurIndex(), 2);
}

TEST(AuxiliaryAndVerb, TheAuxiliaryThenTheVerbWord) {
    VerbScene scene({Verb("poder", "kunna", 450, 9), Wd{"comer", "äta", 19, 9, 99}});
    EmitAuxiliaryAndVerb(scene.s);
    EXPECT_EQ(scene.Out(), (std::vector<std::string>{"Kan", "äta"}));
    EXPECT_EQ(scene.OutTags(), (std::vector<std::string>{"hjv", "v"}));
    EXPECT_EQ(scene.CurIndex(), 3);

    VerbScene perfect({Verb("haber", "ha", 450, 9), Verb("ir", "gå", 10, 9)});
    EmitAuxiliaryAndVerb(perfect.s);
    EXPECT_EQ(perfect.Out(), (std::vector<std::string>{"Har", "gått"}));

    VerbScene alone({Verb("poder", "kunna", 460, 9)});
    EmitAuxiliaryAndVerb(alone.s);
    EXPECT_EQ(alone.Out(), (std::vector<std::string>{"Kunde"}));
    EXPECT_EQ(alone.CurIndex(), 2);
}

TEST(SwedishWordLookup, FindsAnEntryByItsWordWithItsCodes) {
    VerbScene scene({});
    bool found = false;
    LookupSwedishWord(scene.s, "tendera", found);
    EXPECT_TRUE(found);
    EXPECT_EQ(scene.s.StagedWord.SvCode3, 1);
    EXPECT_EQ(scene.s.StagedWord.SvClass, 3);

    found = false;
    LookupSwedishWord(scene.s, testing_support::Cp("komma ihåg"), found);
    EXPECT_TRUE(found);
    EXPECT_EQ(scene.s.StagedWord.SvClass, 25);
    EXPECT_EQ(scene.s.StagedWord.SvCode3, 9);

    found = false;
    LookupSwedishWord(scene.s, "saknas", found);
    EXPECT_FALSE(found);
    EXPECT_EQ(scene.s.StagedWord.SvWord.view(), testing_support::Cp("komma ihåg"));
}

}  // namespace
}  // namespace quelvo
