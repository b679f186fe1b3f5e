// The inflection check: which Swedish entries it finds at odds with a
// morphology listing and which codes it proposes; and the shipped entries,
// which must agree with Apertium's morphology or stand in the review file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "builder_steps.h"
#include "import_text.h"
#include "inflection_check.h"

namespace quelvo::lchk {
namespace {

namespace fs = std::filesystem;

// As lt-paradigm lists them; "pris" is both "ett pris" and "en pris".
constexpr std::string_view kListing = R"(pris<n><nt><sg><ind>:pris
pris<n><nt><sg><def>:priset
pris<n><nt><pl><ind>:priser
pris<n><nt><pl><def>:priserna
pris<n><ut><sg><ind>:pris
pris<n><ut><sg><def>:prisen
pris<n><ut><pl><ind>:prisar
pris<n><ut><pl><def>:prisarna
sparv<n><ut><sg><ind>:sparv
sparv<n><ut><sg><def>:sparven
sparv<n><ut><pl><ind>:sparvar
sparv<n><ut><pl><def>:sparvarna
stänga<vblex><pres><actv>:stänger
stänga<vblex><past><actv>:stängde
stänga<vblex><supn><actv>:stängt
stänga<adj><pp><ut><sg><ind>:stängd
stor<adj><sint><pst><ut><sg><ind>:stor
stor<adj><sint><pst><nt><sg><ind>:stort
stor<adj><sint><pst><un><pl><ind>:stora
stor<adj><sint><comp><un><sp>:större
)";

constexpr std::string_view kHeader = "word\tclass\tgender\tdeclension\tadjective\tcomparison\tgroup\n";

struct Case {
    const char* entry;     // a line of swedish.tsv under kHeader
    const char* matching;  // the codes proposed; empty when the forms agree
};

constexpr Case kCases[] = {
    {"pris\tn\tt\t11", "n t 9"},  // "prisen" where "priserna" is right
    {"pris\tn\tt\t9", ""},
    {"pris\tn\tn\t4", ""},
    {"sparv\tn\tt\t11", "n n 4"},  // the morphology has no neuter "sparv"
    {"gråsparv\tn\tn\t5", "n n 4"},  // a compound, through its last part
    {"gråsparv\tn\tn\t4", ""},
    {"stänga\tv\t\t\t\t\t1", "v 3"},
    {"stänga\tv\t\t\t\t\t3", ""},
    {"stänga in\tHvbFras\t\t\t\t\t2", "v 3"},  // a particle verb by its verb
    {"stor\tadj\t\t\t1\t1", "adj 1 cmp 3"},  // "storare"
    {"stor\tadj\t\t\t2\t3", "adj 1 cmp 3"},
    {"stor\tadj\t\t\t1\t3", ""},
    {"blå\tadj\t\t\t1", ""},  // unknown to the morphology
};

TEST(InflectionCheck, FindsTheEntriesWhoseFormsTheMorphologyLacks) {
    const limp::Morphology morphology = limp::ParseMorphologyListing("forms", kListing);
    const Lexicon empty;
    for (const Case& c : kCases) {
        lexc::LexiconModel model;
        lexc::Diagnostics diagnostics;
        lexc::ReadSwedishEntries(std::string(kHeader) + c.entry + '\n', model, diagnostics);
        const CheckResult result = CheckInflections(model.entries, morphology, empty);
        ASSERT_LE(result.disagreements.size(), 1U) << c.entry;
        EXPECT_EQ(result.disagreements.empty() ? "" : result.disagreements.front().matching, c.matching) << c.entry;
    }
}

TEST(InflectionCheck, ShippedEntriesAgreeWithTheMorphologyOrAreReviewed) {
    if (!fs::exists(QUELVO_SWEDISH_ANALYSER) || std::system("command -v lt-paradigm > /dev/null") != 0)
        GTEST_SKIP() << "Apertium's Swedish morphology (apertium-swe-nor, lttoolbox) is not installed";
    auto loaded = Lexicon::Load(QUELVO_BUILD_DATA);
    if (const auto* error = std::get_if<DataError>(&loaded)) FAIL() << error->Describe();
    std::string error;
    lexc::LexiconModel model;
    lexc::Diagnostics diagnostics;
    lexc::ReadSwedishEntries(limp::ReadWholeFile(QUELVO_LEXICON_SOURCES "/swedish.tsv", error), model, diagnostics);
    const fs::path work = fs::temp_directory_path() / ("quelvo_inflection_" + std::to_string(getpid()));
    fs::create_directories(work);
    const limp::Morphology morphology = ListEntryMorphology(QUELVO_SWEDISH_ANALYSER, model.entries, work, error);
    fs::remove_all(work);
    ASSERT_EQ(error, "");
    CheckResult result = CheckInflections(model.entries, morphology, *std::get<std::shared_ptr<const Lexicon>>(loaded));
    DropReviewed(result, limp::ReadWholeFile(QUELVO_INFLECTION_REVIEW, error));
    EXPECT_GT(result.checked, 0);
    for (const Disagreement& d : result.disagreements)
        ADD_FAILURE() << "swedish.tsv:" << d.line << " " << d.word << ": ours " << d.ourCodes << " (" << d.ourForms
                      << "), Apertium " << d.listedForms << ", matches " << d.matching;
}

}  // namespace
}  // namespace quelvo::lchk
