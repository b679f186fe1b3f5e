// The vocabulary importer over tiny dictionaries in the formats of Debian's
// packages: which entries it writes, with which codes, and how it refuses
// damaged input.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "import_text.h"
#include "lexicon_importer.h"

namespace quelvo::limp {
namespace {

namespace fs = std::filesystem;
const fs::path kFixtures = fs::path(QUELVO_FIXTURES) / "importer";
constexpr const char* kDictionaries[] = {"swe-spa", "spa-deu", "deu-swe"};

std::string Text(const fs::path& path) {
    std::string error;
    return ReadWholeFile(path.string(), error);
}

ImportInputs FixtureInputs(const fs::path& dir) {
    ImportInputs in;
    for (const char* name : kDictionaries)
        in.dictionaries[name] = ReadDictionary((dir / ("freedict-" + std::string(name))).string()).articles;
    in.morphology = ParseMorphologyListing("swedish_forms.txt", Text(dir / "swedish_forms.txt"));
    // A hand-written noun and an irregular verb whose compounds take its rows.
    in.handWritten.spanishForms = {"casa", "tener", "tengo"};
    in.handWritten.verbs = {"tener"};
    in.handWritten.verbRows["tener"] = {{"tener", "special-present", {"tengo", "tienes", "tiene", "", "", "tienen"}}};
    in.review["can"] = {"", "\"can\" is too rare a word for \"dog\""};
    return in;
}

struct Expected {
    const char* file;
    const char* line;  // the start of a line the file must hold; "-word\t" a start it must not
};

// perro: direct and through German; grande: through German only; "can" is
// rejected by the review, "casa" is hand-written, "correr" has no verb
// "springa" in the direct dictionary's class.
constexpr Expected kImported[] = {
    {"spanish.tsv", "perro\thund\tn\t\tsources swe-spa+deu; confidence high"},
    {"spanish.tsv", "ratón\tmus\tn\t\tsources swe-spa; confidence low"},
    {"spanish.tsv", "comprar\tköpa\tv\t\tsources swe-spa+deu; confidence high"},
    {"spanish.tsv", "grande\tstor\tadj\t\tsources swe-spa+deu; confidence high"},
    {"spanish.tsv", "mayor\tstor\tadj\t"},
    {"spanish.tsv", "-can\t"},
    {"spanish.tsv", "-casa\t"},
    {"spanish.tsv", "-correr\t"},
    {"swedish.tsv", "\t\thund\tn\tn\t4\t\t\t\t\t\t"},
    {"swedish.tsv", "\t\tmus\tn\tn\t15\t"},
    {"swedish.tsv", "\t\thuvudstad\tn\tn\t15\t"},
    {"swedish.tsv", "\t\tstor\tadj\t\t\t1\t\t\t\t\t"},
    {"swedish.tsv", "\t\tsnabb\tadj\t\t\t1\t1\t\t\t\t"},
    {"swedish.tsv", "\t\tköpa\tv\t\t\t\t\t2\t\t\t"},
    {"swedish.tsv", "\t\thoppas\tv\t\t\t\t\t12\t\ts-verb\t"},
    {"swedish.tsv", "\t\tupprätthålla\tv\t\t\t\t\t9\t"},
    {"irregular_nouns.tsv", "mus\tmusen\tmöss\tmössen"},
    {"irregular_nouns.tsv", "huvudstad\thuvudstaden\thuvudstäder\thuvudstäderna"},
    {"swedish_irregular_verbs.tsv", "upprätthålla\tupprätthöll\tupprätthållit\tupprätthållen\tupprätthåller\tupprätthållande"},
    {"spanish_verbs.tsv", "mantener\tpresent\tmantengo\tmantienes\tmantiene\t\t\tmantienen"},
};

TEST(LexiconImporter, WritesTheAgreedEntriesWithTheirCodes) {
    const ImportResult result = ImportLexicon(FixtureInputs(kFixtures));
    for (const Expected& e : kImported) {
        const std::vector<std::string>& lines = result.sources.at(e.file);
        const bool absent = e.line[0] == '-';
        const std::string start = absent ? e.line + 1 : e.line;
        const bool found = std::ranges::any_of(lines, [&](const std::string& l) { return l.starts_with(start); });
        EXPECT_EQ(found, !absent) << e.file << ": " << start;
    }
}

struct Damage {
    const char* file;
    std::size_t keepBytes;  // the file is cut to this length
    const char* error;      // the start of the error
};
constexpr Damage kDamages[] = {
    {"freedict-swe-spa.dict.dz", 40, "freedict-swe-spa.dict.dz: damaged compressed data"},
    {"freedict-swe-spa.index", 47, "freedict-swe-spa.index:5: not an index line"},
    {"swedish_forms.txt", 60, "swedish_forms.txt:3: not a line of a morphology listing"},
};

TEST(LexiconImporter, NamesTheDamagedFileAndWritesNothing) {
    for (const Damage& d : kDamages) {
        const fs::path dir = fs::temp_directory_path() / ("quelvo_import_" + std::string(d.file));
        fs::remove_all(dir);
        fs::copy(kFixtures, dir);
        fs::resize_file(dir / d.file, d.keepBytes);
        std::string error;
        for (const char* name : kDictionaries)
            if (const DictionaryRead r = ReadDictionary((dir / ("freedict-" + std::string(name))).string());
                error.empty())
                error = r.error;
        if (error.empty()) error = ParseMorphologyListing("swedish_forms.txt", Text(dir / d.file)).error;
        EXPECT_TRUE(error.find(d.error) != std::string::npos) << d.file << ": " << error;
        fs::remove_all(dir);
    }
}

TEST(LexiconImporter, ReplacesTheWholeOutputFolder) {
    const fs::path dir = fs::temp_directory_path() / "quelvo_import_output";
    fs::create_directories(dir);
    std::ofstream(dir / "stale.tsv") << "left from an earlier import\n";
    ASSERT_EQ(WriteImportedSources(dir.string(), {{"spanish.tsv", {"spanish\tentry\tclass"}}}), "");
    EXPECT_FALSE(fs::exists(dir / "stale.tsv"));
    EXPECT_FALSE(fs::exists(dir.string() + ".new"));
    EXPECT_EQ(Text(dir / "spanish.tsv"), "spanish\tentry\tclass\n");
    fs::remove_all(dir);
}

}  // namespace
}  // namespace quelvo::limp
