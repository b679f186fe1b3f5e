// The shipped vocabulary: it compiles without remarks, every verb and noun
// can be formed, and the words the rules name carry the codes they read.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "builder_steps.h"
#include "core/word_classes.h"
#include "dictionary_codes.h"
#include "lexicon/lexicon.h"
#include "lexicon/lookups.h"
#include "lexicon_compiler.h"
#include "source_table.h"
#include "support.h"

namespace quelvo {
namespace {

using testing_support::Cp;
using testing_support::Utf;

lexc::SourceSet ShippedSources() {
    lexc::Diagnostics problems;
    lexc::SourceSet sources = lexc::ReadSourceDirectory(QUELVO_LEXICON_SOURCES, problems);
    for (const lexc::Diagnostic& d : problems.All()) ADD_FAILURE() << d.Describe();
    return sources;
}

TEST(ShippedVocabulary, CompilesWithoutRemarks) {
    const lexc::CompileResult result = lexc::CompileLexicon(ShippedSources());
    std::string remarks;
    for (const lexc::Diagnostic& d : result.diagnostics) remarks += d.Describe() + "\n";
    EXPECT_TRUE(result.diagnostics.empty()) << remarks;
    EXPECT_EQ(result.files.size(), 7u);
}

// The sources as the compiler reads them, before anything is written.
class ShippedModel : public testing::Test {
protected:
    static void SetUpTestSuite() {
        const lexc::SourceSet sources = ShippedSources();
        auto text = [&](const char* name) { return sources.contains(name) ? sources.at(name) : std::string(); };
        lexc::Diagnostics ignored;
        model_ = std::make_unique<lexc::LexiconModel>();
        lexc::ReadSwedishEntries(text("swedish.tsv"), *model_, ignored);
        lexc::ReadSpanishForms(text("spanish.tsv"), *model_, ignored);
        lexc::ReadFormEntries(text("form_entries.tsv"), *model_, ignored);
        lexc::ReadPhrases(text("phrases.tsv"), *model_, ignored);
        lexc::ReadIrregularVerbs(text("swedish_irregular_verbs.tsv"), *model_, ignored);
        lexc::ReadIrregularNouns(text("irregular_nouns.tsv"), *model_, ignored);
        swedishText_ = text("swedish.tsv");
    }
    static void TearDownTestSuite() { model_.reset(); }

    static int ClassOfEntry(const lexc::SwedishEntry& e) { return e.codes[0] & 63; }
    static bool HasIrregularVerb(const std::string& infinitive) {
        return std::ranges::any_of(model_->irregularVerbs, [&](const lexc::IrregularVerb& v) {
            return v.forms[0] == infinitive && !v.forms[1].empty() && !v.forms[2].empty() && !v.forms[4].empty();
        });
    }
    static bool HasIrregularNoun(const std::string& word) {
        return std::ranges::any_of(model_->irregularNouns, [&](const lexc::IrregularNoun& n) {
            return n.forms[0] == word && std::ranges::none_of(n.forms, &std::string::empty);
        });
    }

    static std::unique_ptr<lexc::LexiconModel> model_;
    static std::string swedishText_;
};
std::unique_ptr<lexc::LexiconModel> ShippedModel::model_;
std::string ShippedModel::swedishText_;

TEST_F(ShippedModel, EveryVerbHasAGroupThatFormsIt) {
    const int verbClasses[] = {*WordClassByLabel("v"), *WordClassByLabel("hjv"), *WordClassByLabel("HvbFras")};
    int verbs = 0;
    for (const lexc::SwedishEntry& e : model_->entries) {
        if (std::ranges::find(verbClasses, ClassOfEntry(e)) == std::end(verbClasses)) continue;
        ++verbs;
        const int group = e.codes[2] & kVerbGroupMask;
        EXPECT_TRUE(group >= 1 && group <= kMaxVerbGroup) << Utf(e.word) << " has no verb group";
        // a particle verb is conjugated by its verb, the word before the blank
        const std::string verb = e.word.substr(0, e.word.find(' '));
        if (group == kIrregularVerbGroup) {
            EXPECT_TRUE(HasIrregularVerb(verb)) << Utf(verb) << " is irregular but has no complete forms";
        }
    }
    EXPECT_GT(verbs, 500);
}

TEST_F(ShippedModel, EveryNounHasGenderAndDeclension) {
    const lexc::ColumnSpec columns[] = {{"key", false},       {"number", false},    {"word", true},
                                        {"class", true},      {"gender", false},    {"declension", false},
                                        {"adjective", false}, {"comparison", false}, {"group", false},
                                        {"compound", false},  {"flags", false}};
    lexc::Diagnostics ignored;
    int nouns = 0;
    for (const lexc::SourceRow& row : lexc::ReadSourceTable("swedish.tsv", swedishText_, columns, ignored)) {
        if (row.fields[3] != "n") continue;
        ++nouns;
        const std::string& word = row.fields[2];
        EXPECT_FALSE(row.fields[4].empty()) << word << " (line " << row.line << ") has no gender";
        EXPECT_FALSE(row.fields[5].empty()) << word << " (line " << row.line << ") has no declension";
        if (row.fields[5] == "15" || row.fields[5] == "22") {
            EXPECT_TRUE(HasIrregularNoun(Cp(word))) << word << " is irregular but has no complete forms";
        }
    }
    EXPECT_GT(nouns, 800);
}

// The resolvers fetch the second reading of these words from the form entries.
TEST_F(ShippedModel, WordsReadTwoWaysHaveTheirSecondReading) {
    const int twoWayClasses[] = {*WordClassByLabel("SbAdj"), *WordClassByLabel("SbAdv"), *WordClassByLabel("AdjAdvSb"),
                                 *WordClassByLabel("IAdv"), *WordClassByLabel("IAAS")};
    const std::uint16_t sppva = lexc::FindFlag("sppva")->bits;
    const std::uint16_t verbAdj = lexc::FindFlag("verb-adj")->bits;
    const int adjective = *WordClassByLabel("adj");
    int twoWay = 0;
    for (const lexc::SpanishForm& f : model_->spanishForms) {
        const int spClass = f.codes[0] & 63;
        const bool readTwoWays = std::ranges::find(twoWayClasses, spClass) != std::end(twoWayClasses) ||
                                 (f.codes[0] & sppva) != 0 || (spClass == adjective && (f.codes[1] & verbAdj) != 0);
        if (!readTwoWays) continue;
        ++twoWay;
        EXPECT_TRUE(std::ranges::any_of(model_->formEntries, [&](const lexc::FormEntry& e) { return e.form == f.form; }))
            << Utf(f.form) << " has no entry in form_entries.tsv";
    }
    EXPECT_GT(twoWay, 40);
}

TEST_F(ShippedModel, NounExpressionsHaveADeclension) {
    for (const lexc::Phrase& p : model_->phrases) {
        if (p.classWord != "sub") continue;
        EXPECT_NE(p.number & kDeclensionMask, 0) << Utf(p.spanish);
    }
}

// The compiled files, read by the lookups the translator uses.
class Shipped : public testing::Test {
protected:
    static void SetUpTestSuite() {
        auto loaded = Lexicon::Load(QUELVO_BUILD_DATA);
        if (const auto* error = std::get_if<DataError>(&loaded)) FAIL() << error->Describe();
        lexicon_ = std::get<std::shared_ptr<const Lexicon>>(loaded);
    }
    static void TearDownTestSuite() { lexicon_.reset(); }

    bool FindsSpanish(const std::string& utf8) {
        s.LookupWord = Str30(Cp(utf8));
        bool found = false;
        LookupSpanishWord(s, found);
        return found;
    }

    static std::shared_ptr<const Lexicon> lexicon_;
    TranslationState s{*lexicon_};
};
std::shared_ptr<const Lexicon> Shipped::lexicon_;

// Words that the built-in tables translate must not be found before them.
TEST_F(Shipped, LeavesTheBuiltInTablesTheirWords) {
    const char* tableWords[] = {"rápidamente", "totalmente",  "nuevamente", "probablemente", "abierta",
                                "descrita",    "abiertas",    "descritas",  "útil",
                                "útiles",      "carrobomba",  "eurozona",   "cacerolazo",    "jóvenes",
                                "exámenes",    "imágenes",    "quinientas", "ONU",           "UE"};
    for (const char* w : tableWords) {
        EXPECT_FALSE(FindsSpanish(w)) << w << " is in the dictionary";
        Str30 word(Cp(w));
        bool found = false;
        int formCode = 0;
        LookupVerbForm(s, word, found, formCode);
        EXPECT_FALSE(found) << w << " is in the verb-form file";
    }
    // "sí" is above all "ja"; the table's reflexive "sig" gives way to it
    EXPECT_TRUE(FindsSpanish("sí"));
    // the forms the plural table looks up instead
    for (const char* w : {"joven", "examen", "imagen", "femhundra"}) EXPECT_TRUE(FindsSpanish(w)) << w;
}

}  // namespace
}  // namespace quelvo
