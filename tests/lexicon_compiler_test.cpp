#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "dictionary_codes.h"
#include "lexicon_compiler.h"
#include "source_table.h"
#include "support.h"

namespace quelvo::lexc {
namespace {

using testing_support::Cp;

constexpr const char* kSwedishHeader =
    "key\tnumber\tword\tclass\tgender\tdeclension\tadjective\tcomparison\tgroup\tcompound\tflags\n";
constexpr const char* kSpanishHeader = "spanish\tentry\tclass\tflags\n";
constexpr const char* kVerbHeader = "infinitive\tform\t1sg\t2sg\t3sg\t1pl\t2pl\t3pl\n";
constexpr const char* kIrregularVerbHeader = "infinitive\tpast\tsupine\tparticiple\tpresent\tpresent_participle\n";
constexpr const char* kIrregularNounHeader =
    "indefinite_singular\tdefinite_singular\tindefinite_plural\tdefinite_plural\n";

// One noun and its Spanish form: a set that compiles without a remark.
SourceSet BaseSources() {
    return {{"swedish.tsv", std::string(kSwedishHeader) + "hund\t\thund\tn\tn\t4\n"},
            {"spanish.tsv", std::string(kSpanishHeader) + "perro\thund\tn\tphrase-start\n"}};
}

std::string DescribeAll(const std::vector<Diagnostic>& diagnostics) {
    std::string all;
    for (const Diagnostic& d : diagnostics) all += d.Describe() + "\n";
    return all;
}

const CompiledFile* FileNamed(const CompileResult& result, std::string_view name) {
    const auto it = std::ranges::find(result.files, name, &CompiledFile::name);
    return it == result.files.end() ? nullptr : &*it;
}

TEST(LexiconCompiler, BaseSourcesCompileWithoutRemarks) {
    const CompileResult result = CompileLexicon(BaseSources());
    EXPECT_TRUE(result.diagnostics.empty()) << DescribeAll(result.diagnostics);
    EXPECT_EQ(result.files.size(), 7u);
}

struct DiagnosticCase {
    const char* name;
    const char* file;  // the source that replaces or joins the base set
    std::string text;
    Severity severity;
    int line;
    const char* message;  // part of the expected message
};

void PrintTo(const DiagnosticCase& c, std::ostream* os) { *os << c.name; }

class SourceDiagnostics : public testing::TestWithParam<DiagnosticCase> {};

TEST_P(SourceDiagnostics, AreReportedWithFileAndLine) {
    const DiagnosticCase& c = GetParam();
    SourceSet sources = BaseSources();
    sources[c.file] = c.text;
    const CompileResult result = CompileLexicon(sources);
    const bool found = std::ranges::any_of(result.diagnostics, [&](const Diagnostic& d) {
        return d.file == c.file && d.line == c.line && d.severity == c.severity &&
               d.message.find(c.message) != std::string::npos;
    });
    EXPECT_TRUE(found) << "expected " << c.file << ":" << c.line << " \"" << c.message << "\", got:\n"
                       << DescribeAll(result.diagnostics);
    EXPECT_EQ(result.files.empty(), c.severity == Severity::Error)
        << "files are written exactly when no error is found";
}

std::string Swedish(const std::string& rows) { return kSwedishHeader + rows; }
std::string Spanish(const std::string& rows) { return kSpanishHeader + rows; }

const DiagnosticCase kErrorCases[] = {
    {"MissingHeader", "phrases.tsv", "# only a comment\n\n", Severity::Error, 0, "header line is missing"},
    {"UnknownColumn", "spanish.tsv", "spanish\tentry\tclass\tcolour\nperro\thund\tn\n", Severity::Error, 1,
     "unknown column \"colour\""},
    {"MissingColumn", "spanish.tsv", "spanish\tclass\nperro\tn\n", Severity::Error, 1, "lacks the column \"entry\""},
    {"ColumnTwice", "spanish.tsv", "spanish\tentry\tclass\tentry\nperro\thund\tn\thund\n", Severity::Error, 1,
     "named twice"},
    {"TooManyFields", "spanish.tsv", Spanish("perro\thund\tn\t\textra\n"), Severity::Error, 2, "5 fields"},
    {"EmptyRequiredField", "spanish.tsv", Spanish("# comment\n\nperro\t\tn\n"), Severity::Error, 4,
     "\"entry\" is empty"},
    {"UnknownWordClass", "spanish.tsv", Spanish("perro\thund\tnoun\n"), Severity::Error, 2,
     "unknown word class \"noun\""},
    {"ClassSetByRules", "spanish.tsv", Spanish("perro\thund\tsppva\n"), Severity::Error, 2,
     "cannot be stored in a dictionary code"},
    {"UnknownFlag", "spanish.tsv", Spanish("perro\thund\tn\tphrase-start, plural\n"), Severity::Error, 2,
     "unknown flag \"plural\""},
    {"SwedishFlagInSpanish", "spanish.tsv", Spanish("perro\thund\tn\ts-verb\n"), Severity::Error, 2,
     "belongs to swedish.tsv"},
    {"SpanishFlagInSwedish", "swedish.tsv", Swedish("hund\t\thund\tn\tn\t4\t\t\t\t\tdrop-a\n"), Severity::Error, 2,
     "belongs to spanish.tsv"},
    {"UnknownEntry", "spanish.tsv", Spanish("perro\thund\tn\ngato\tkatt\tn\n"), Severity::Error, 3,
     "no entry \"katt\""},
    {"SpanishFormTwice", "spanish.tsv", Spanish("perro\thund\tn\nperro\thund\tn\n"), Severity::Error, 3,
     "listed twice"},
    {"SpanishFormTooLong", "spanish.tsv", Spanish("perroperroperroperro\thund\tn\n"), Severity::Error, 2,
     "20 characters long; the field holds 19"},
    {"NotInCodePage1252", "spanish.tsv",
     Spanish("perro\thund\tn\n\xC5\x82\xC3\xB3"
             "d\xC5\xBA\thund\tn\n"),
     Severity::Error, 3, "code page 1252 cannot hold"},
    {"EntryKeyTwice", "swedish.tsv", Swedish("hund\t\thund\tn\tn\t4\nhund\t\thund\tn\tt\t11\n"), Severity::Error, 3,
     "key \"hund\" is used twice"},
    {"EntryNumberTwice", "swedish.tsv", Swedish("hund\t7\thund\tn\tn\t4\nbil\t7\tbil\tn\tn\t4\n"), Severity::Error, 3,
     "number 7 is used twice"},
    {"EntryNumberTooLarge", "swedish.tsv", Swedish("hund\t100000\thund\tn\tn\t4\n"), Severity::Error, 2,
     "from 1 to 99999"},
    {"EntryNumberNotANumber", "swedish.tsv", Swedish("hund\t12a\thund\tn\tn\t4\n"), Severity::Error, 2,
     "\"12a\" in column \"number\""},
    {"SwedishWordTooLong", "swedish.tsv", Swedish("hund\t\thundhundhundhundhund\tn\tn\t4\n"), Severity::Error, 2,
     "the field holds 19"},
    {"UnknownGender", "swedish.tsv", Swedish("hund\t\thund\tn\tx\t4\n"), Severity::Error, 2, "unknown gender"},
    {"DeclensionOutOfRange", "swedish.tsv", Swedish("hund\t\thund\tn\tn\t42\n"), Severity::Error, 2, "from 1 to 41"},
    {"AdjectiveClassOutOfRange", "swedish.tsv", Swedish("hund\t\thund\tn\tn\t4\t21\n"), Severity::Error, 2,
     "from 0 to 20"},
    {"ComparisonOutOfRange", "swedish.tsv", Swedish("hund\t\thund\tn\tn\t4\t\t8\n"), Severity::Error, 2, "from 1 to 7"},
    {"VerbGroupOutOfRange", "swedish.tsv", Swedish("hund\t\thund\tn\tn\t4\t\t\t14\n"), Severity::Error, 2,
     "from 1 to 13"},
    {"UnknownCompoundForm", "swedish.tsv", Swedish("hund\t\thund\tn\tn\t4\t\t\t\tadd-x\n"), Severity::Error, 2,
     "unknown compound form"},
    {"FormEntryWithBang", "form_entries.tsv", "spanish\tentry\n!perro\thund\n", Severity::Error, 2, "contains \"!\""},
    {"FormEntryTwice", "form_entries.tsv", "spanish\tentry\nperros\thund\nperros\thund\n", Severity::Error, 3,
     "listed twice"},
    {"FormEntryUnknownEntry", "form_entries.tsv", "spanish\tentry\nperros\thunden\n", Severity::Error, 2,
     "no entry \"hunden\""},
    {"PhraseReservedCharacter", "phrases.tsv", "spanish\tswedish\tclass\nperro/gato\thund\tsub\n", Severity::Error, 2,
     "contains \"/\""},
    {"PhraseTooLong", "phrases.tsv", "spanish\tswedish\tclass\nperro de la casa de mi abuelos\thund\tsub\n",
     Severity::Error, 2, "the field holds 29"},
    {"PhraseDoubleBlank", "phrases.tsv", "spanish\tswedish\tclass\nperro  caliente\tvarmkorv\tsub\n", Severity::Error,
     2, "single blanks"},
    {"UnknownPhraseClass", "phrases.tsv", "spanish\tswedish\tclass\nperro caliente\tvarmkorv\tnoun\n", Severity::Error,
     2, "unknown phrase class"},
    {"PhraseTwice", "phrases.tsv",
     "spanish\tswedish\tclass\nperro caliente\tvarmkorv\tsub\nperro caliente\tkorv\tsub\n", Severity::Error, 3,
     "listed twice"},
    {"UnknownFormCode", "spanish_verbs.tsv", std::string(kVerbHeader) + "perro\tpresent-perfect\tperro\n",
     Severity::Error, 2, "unknown form code"},
    {"VerbFormWithComma", "spanish_verbs.tsv", std::string(kVerbHeader) + "perro\tpresent\tperro,s\n", Severity::Error,
     2, "contains \",\""},
    {"VerbLineWithoutForms", "spanish_verbs.tsv", std::string(kVerbHeader) + "perro\tpresent\n", Severity::Error, 2,
     "without forms"},
    {"InfinitiveWithBang", "spanish_verbs.tsv", std::string(kVerbHeader) + "!perro\tpresent\tperro\n", Severity::Error,
     2, "may not start with \"!\""},
    {"IrregularVerbFormTooLong", "swedish_irregular_verbs.tsv",
     std::string(kIrregularVerbHeader) + "hund\thundhundhundhundhundh\thund\t\thund\n", Severity::Error, 2,
     "21 characters long; the field holds 20"},
    {"PresentParticipleTooLong", "swedish_irregular_verbs.tsv",
     std::string(kIrregularVerbHeader) + "hund\thund\thund\t\thund\thundhundhundhundhundhundhundhun\n", Severity::Error,
     2, "31 characters long; the field holds 30"},
    {"IrregularVerbTwice", "swedish_irregular_verbs.tsv",
     std::string(kIrregularVerbHeader) + "ge\tgav\tgett\tgiven\tger\tgivande\nge\tgav\tgivit\tgiven\tger\n",
     Severity::Error, 3, "\"ge\" is listed twice"},
    {"IrregularVerbMissingPresent", "swedish_irregular_verbs.tsv",
     std::string(kIrregularVerbHeader) + "ge\tgav\tgett\tgiven\n", Severity::Error, 2, "\"present\" is empty"},
    {"IrregularNounTwice", "irregular_nouns.tsv",
     std::string(kIrregularNounHeader) + "mus\tmusen\tm\xC3\xB6ss\tm\xC3\xB6ssen\nmus\tmusen\tmusar\tmusarna\n",
     Severity::Error, 3, "\"mus\" is listed twice"},
    {"IrregularNounTooLong", "irregular_nouns.tsv",
     std::string(kIrregularNounHeader) + "mus\tmusenmusenmusenmusenmusenmusen1\tm\tm\n", Severity::Error, 2,
     "the field holds 30"},
};

const DiagnosticCase kWarningCases[] = {
    {"PhraseStartNotFlagged", "phrases.tsv", "spanish\tswedish\tclass\ngato mont\xC3\xA9s\tvildkatt\tsub\n",
     Severity::Warning, 2, "\"gato\" is not a form of spanish.tsv with the flag \"phrase-start\""},
    {"PhraseWithContraction", "phrases.tsv", "spanish\tswedish\tclass\nperro del mar\tsj\xC3\xB6hund\tsub\n",
     Severity::Warning, 2, "write \"a el\", \"de el\""},
    {"PhraseHiddenByShorterOne", "phrases.tsv",
     "spanish\tswedish\tclass\nperro caliente\tvarmkorv\tsub\nperro caliente grande\tstor varmkorv\tsub\n",
     Severity::Warning, 3, "the shorter phrase on line 2 matches first"},
    {"VerbFormOnTwoLines", "spanish_verbs.tsv",
     std::string(kVerbHeader) + "perro\tpresent\tperro\nperro\tpreterite\tperr\xC3\xAD\tperro\n", Severity::Warning, 3,
     "\"perro\" is also on line 2"},
    {"InfinitiveNotInSpanish", "spanish_verbs.tsv", std::string(kVerbHeader) + "gato\tpresent\tgato\n",
     Severity::Warning, 2, "\"gato\" is not in spanish.tsv"},
    {"NounWithoutGender", "swedish.tsv", Swedish("hund\t\thund\tn\t\t4\n"), Severity::Warning, 2, "without gender"},
    {"NounWithoutDeclension", "swedish.tsv", Swedish("hund\t\thund\tn\tn\n"), Severity::Warning, 2,
     "without declension class"},
    {"SVerbGroupWithoutFlag", "swedish.tsv", Swedish("hund\t\thund\tn\tn\t4\nhoppas\t\thoppas\tv\t\t\t\t\t12\n"),
     Severity::Warning, 3, "without the flag \"s-verb\""},
    {"SVerbFlagWithoutGroup", "swedish.tsv",
     Swedish("hund\t\thund\tn\tn\t4\nhoppas\t\thoppas\tv\t\t\t\t\t1\t\ts-verb\n"), Severity::Warning, 3,
     "without verb group 12"},
    {"IrregularVerbWithoutRecord", "swedish.tsv",
     Swedish("hund\t\thund\tn\tn\t4\n\xC3\xA4ta\t\t\xC3\xA4ta\tv\t\t\t\t\t9\n"), Severity::Warning, 3,
     "keeps its infinitive"},
    {"IrregularNounWithoutRecord", "swedish.tsv", Swedish("hund\t\thund\tn\tn\t4\nmus\t\tmus\tn\tn\t15\n"),
     Severity::Warning, 3, "without a line in irregular_nouns.tsv"},
    {"RuleNamedEntryWithOtherWord", "swedish.tsv", Swedish("hund\t147\thund\tn\tn\t4\n"), Severity::Warning, 2,
     "entry 147 is used by the rules"},
    {"IrregularVerbFormChangedTwice", "swedish_irregular_verbs.tsv",
     std::string(kIrregularVerbHeader) + "ha\thade\thaft\t\thar\nhar\tharade\tharat\t\tharar\n", Severity::Warning, 3,
     "a form on line 2 is \"har\""},
};

INSTANTIATE_TEST_SUITE_P(Errors, SourceDiagnostics, testing::ValuesIn(kErrorCases),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(Warnings, SourceDiagnostics, testing::ValuesIn(kWarningCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A small set that uses every file and every kind of code.
SourceSet RoundTripSources() {
    return {
        {"swedish.tsv", std::string(kSwedishHeader) + "hund\t\thund\tn\tn\t4\n"
                                                      "kunna\t147\tkunna\thjv\t\t\t\t\t9\n"
                                                      "\xC3\xA4ta\t\t\xC3\xA4ta\tv\t\t\t\t\t9\n"
                                                      "hoppas\t\thoppas\tv\t\t\t\t\t12\t\ts-verb\n"
                                                      "stor\t\tstor\tadj\t\t\t1\t1\t\tas-is\n"
                                                      "f\xC3\xB6rut\t\tf\xC3\xB6rut\tadv\n"
                                                      "mus\t\tmus\tn\tt\t15\n"},
        {"spanish.tsv", std::string(kSpanishHeader) + "perro\thund\tn\tphrase-start\n"
                                                      "poder\tkunna\thjv\n"
                                                      "comer\t\xC3\xA4ta\tv\n"
                                                      "esperar\thoppas\tv\tdrop-a\n"
                                                      "grande\tstor\tadj\n"
                                                      "antes\tf\xC3\xB6rut\tadv\tphrase-start, participle-noun\n"
                                                      "pedido\thund\tSbAdj\tsppva,flagged,noun-adj,verb-adj\n"},
        {"form_entries.tsv", "spanish\tentry\ngrandes\tstor\n"},
        {"phrases.tsv",
         "spanish\tswedish\tclass\tgender\tdeclension\n"
         "antes de\tinnan\tprep\n"
         "perro caliente\tvarmkorv\tsub\tn\t4\n"
         "antes que\thellre \xC3\xA4n\tkonj\n"},
        {"spanish_verbs.tsv", std::string(kVerbHeader) +
                                  "poder\tspecial-present\tpuedo\tpuedes\tpuede\tpodemos\tpod\xC3\xA9is\tpueden\n"
                                  "comer\tparticiple\tcomido\n"
                                  "poder\tpresent-subjunctive\tpueda\t\tpueda\n"},
        {"swedish_irregular_verbs.tsv",
         std::string(kIrregularVerbHeader) +
             "\xC3\xA4ta\t\xC3\xA5t\t\xC3\xA4tit\t\xC3\xA4ten\t\xC3\xA4ter\t\xC3\xA4tande\n"
             "kunna\tkunde\tkunnat\t\tkan\n"},
        {"irregular_nouns.tsv", std::string(kIrregularNounHeader) + "mus\tmusen\tm\xC3\xB6ss\tm\xC3\xB6ssen\n"},
    };
}

// A length byte, the characters, zeros up to the capacity.
std::string RecordString(const std::string& utf8, std::size_t capacity) {
    const std::string text = Cp(utf8);
    return std::string(1, static_cast<char>(text.size())) + text + std::string(capacity - text.size(), '\0');
}

struct RoundTripCase {
    const char* file;
    std::string bytes;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.file; }

class RoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, WritesTheExactBytes) {
    const CompileResult result = CompileLexicon(RoundTripSources());
    ASSERT_TRUE(result.diagnostics.empty()) << DescribeAll(result.diagnostics);
    const CompiledFile* file = FileNamed(result, GetParam().file);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->bytes, GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RoundTrip,
    testing::Values(RoundTripCase{"SpOrd.txt", Cp("1\tperro\t1\t65\t0\t0\r\n"
                                                  "2\tpoder\t147\t4\t0\t0\r\n"
                                                  "3\tcomer\t2\t3\t0\t0\r\n"
                                                  "4\tesperar\t3\t3\t0\t3\r\n"
                                                  "5\tgrande\t4\t2\t0\t0\r\n"
                                                  "6\tantes\t5\t69\t16\t0\r\n"
                                                  "7\tpedido\t1\t6164\t6144\t0\r\n"
                                                  "!\r\n")},
                    RoundTripCase{"SvFile.txt", Cp("1\thund\t1\t4100\t0\t0\r\n"
                                                   "147\tkunna\t4\t0\t9\t0\r\n"
                                                   "2\t\xC3\xA4ta\t3\t0\t9\t0\r\n"
                                                   "3\thoppas\t3\t0\t140\t0\r\n"
                                                   "4\tstor\t130\t64\t0\t1\r\n"
                                                   "5\tf\xC3\xB6rut\t5\t0\t0\t0\r\n"
                                                   "6\tmus\t1\t6159\t0\t0\r\n"
                                                   "!\r\n")},
                    RoundTripCase{"SbAdj.txt", "grandes\t4\r\n!\r\n"},
                    RoundTripCase{"FrasText.txt", Cp("+antes&\r\n"
                                                     "antes de/innan/prep/0,\r\n"
                                                     "antes que/hellre \xC3\xA4n/konj/0.\r\n"
                                                     "+perro&\r\n"
                                                     "perro caliente/varmkorv/sub/4100.\r\n"
                                                     "#\r\n")},
                    RoundTripCase{"Spvb.dat", Cp("poder,450,puedo,puedes,puede,podemos,pod\xC3\xA9is,pueden\r\n"
                                                 "comer,10,comido\r\n"
                                                 "poder,20,pueda,,pueda\r\n"
                                                 "!\r\n")},
                    RoundTripCase{"SvVerb1.pek", RecordString("\xC3\xA4ta", 20) + RecordString("\xC3\xA5t", 20) +
                                                     RecordString("\xC3\xA4tit", 20) + RecordString("\xC3\xA4ten", 20) +
                                                     RecordString("\xC3\xA4ter", 20) +
                                                     RecordString("\xC3\xA4tande", 30) + RecordString("kunna", 20) +
                                                     RecordString("kunde", 20) + RecordString("kunnat", 20) +
                                                     RecordString("", 20) + RecordString("kan", 20) +
                                                     RecordString("", 30)},
                    RoundTripCase{"OregSubs.pek", RecordString("mus", 30) + RecordString("musen", 30) +
                                                      RecordString("m\xC3\xB6ss", 30) +
                                                      RecordString("m\xC3\xB6ssen", 30) + std::string(8, '\0')}),
    [](const auto& info) {
        std::string name = info.param.file;
        std::ranges::replace(name, '.', '_');
        return name;
    });

TEST(RoundTrip, EmptySourcesGiveTerminatorsOnly) {
    const CompileResult result = CompileLexicon({});
    ASSERT_TRUE(result.diagnostics.empty()) << DescribeAll(result.diagnostics);
    EXPECT_EQ(FileNamed(result, "SpOrd.txt")->bytes, "!\r\n");
    EXPECT_EQ(FileNamed(result, "SvFile.txt")->bytes, "!\r\n");
    EXPECT_EQ(FileNamed(result, "SbAdj.txt")->bytes, "!\r\n");
    EXPECT_EQ(FileNamed(result, "FrasText.txt")->bytes, "#\r\n");
    EXPECT_EQ(FileNamed(result, "Spvb.dat")->bytes, "!\r\n");
    EXPECT_TRUE(FileNamed(result, "SvVerb1.pek")->bytes.empty());
    EXPECT_TRUE(FileNamed(result, "OregSubs.pek")->bytes.empty());
}

TEST(EntryNumbers, AutomaticNumbersSkipTheFixedOnes) {
    SourceSet sources{{"swedish.tsv", std::string(kSwedishHeader) + "a\t\ta\tadv\n"
                                                                    "b\t\tb\tadv\n"
                                                                    "c\t2\tc\tadv\n"
                                                                    "d\t\td\tadv\n"}};
    const CompileResult result = CompileLexicon(sources);
    ASSERT_FALSE(result.files.empty()) << DescribeAll(result.diagnostics);
    EXPECT_EQ(FileNamed(result, "SvFile.txt")->bytes,
              "1\ta\t5\t0\t0\t0\r\n3\tb\t5\t0\t0\t0\r\n2\tc\t5\t0\t0\t0\r\n4\td\t5\t0\t0\t0\r\n!\r\n");
}

TEST(EntryNumbers, ParticleVerbNeedsTheRecordOfItsVerb) {
    SourceSet sources = BaseSources();
    sources["swedish.tsv"] += "ta fram\t\tta fram\tHvbFras\t\t\t\t\t9\n";
    sources["swedish_irregular_verbs.tsv"] = std::string(kIrregularVerbHeader) + "ta\ttog\ttagit\ttagen\ttar\n";
    const CompileResult result = CompileLexicon(sources);
    EXPECT_TRUE(result.diagnostics.empty()) << DescribeAll(result.diagnostics);
}

TEST(SourceTable, ReadsCommentsBlankLinesOrderAndShortLines) {
    constexpr ColumnSpec kColumns[] = {{"a", true}, {"b", false}, {"c", false}};
    Diagnostics diagnostics;
    const std::string text =
        "\xEF\xBB\xBF"
        "c\tnote\ta\r\n"
        "# a comment\r\n"
        "\t \r\n"
        "z \t anything\t x \r\n"
        "\t\ty\n";
    const std::vector<SourceRow> rows = ReadSourceTable("t.tsv", text, kColumns, diagnostics);
    EXPECT_FALSE(diagnostics.HasErrors()) << DescribeAll(diagnostics.All());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].line, 4);
    EXPECT_EQ(rows[0].fields, (std::vector<std::string>{"x", "", "z"}));
    EXPECT_EQ(rows[1].line, 5);
    EXPECT_EQ(rows[1].fields, (std::vector<std::string>{"y", "", ""}));
}

TEST(SourceTable, SplitsNameLists) {
    EXPECT_EQ(SplitNames(" a, b,,c "), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_TRUE(SplitNames("").empty());
}

class SourceDirectory : public testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("quelvo_lexicon_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_ / "in");
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    void Write(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / "in" / name, std::ios::binary) << text;
    }
    std::filesystem::path dir_;
};

TEST_F(SourceDirectory, ReadsKnownSourcesAndRefusesOthers) {
    for (const auto& [name, text] : BaseSources()) Write(name, text);
    Write("extra.tsv", "a\n");
    Write("readme.txt", "not a source");
    Diagnostics diagnostics;
    const SourceSet sources = ReadSourceDirectory(dir_ / "in", diagnostics);
    EXPECT_EQ(sources, BaseSources());
    ASSERT_EQ(diagnostics.All().size(), 1u);
    EXPECT_EQ(diagnostics.All()[0].Describe(), "extra.tsv: error: not a lexicon source file");
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int RunCompiler(const std::filesystem::path& sources, const std::filesystem::path& output) {
    const std::string command =
        std::string(QUELVO_LEXICON_COMPILER) + " '" + sources.string() + "' '" + output.string() + "' 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(SourceDirectory, WritesTheCompiledFiles) {
    const CompileResult result = CompileLexicon(BaseSources());
    ASSERT_EQ(WriteOutputDirectory(dir_ / "out", result.files), "");
    EXPECT_EQ(ReadFile(dir_ / "out" / "SvFile.txt"), "1\thund\t1\t4100\t0\t0\r\n!\r\n");
}

TEST_F(SourceDirectory, CompilerProgramWritesTheFilesOfGoodSources) {
    for (const auto& [name, text] : BaseSources()) Write(name, text);
    EXPECT_EQ(RunCompiler(dir_ / "in", dir_ / "out"), 0);
    EXPECT_EQ(ReadFile(dir_ / "out" / "SpOrd.txt"), "1\tperro\t1\t65\t0\t0\r\n!\r\n");
}

TEST_F(SourceDirectory, CompilerProgramFailsOnAnErrorAndWritesNothing) {
    for (const auto& [name, text] : BaseSources()) Write(name, text);
    Write("spanish.tsv", std::string(kSpanishHeader) + "perro\tgato\tn\n");
    EXPECT_EQ(RunCompiler(dir_ / "in", dir_ / "out"), 1);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "out"));
}

TEST(ShippedLexicon, BuildDataIsCompiledFromTheSources) {
    Diagnostics readProblems;
    // The imported vocabulary, when the build had the dictionaries to import it.
    const std::filesystem::path imported = std::filesystem::path(QUELVO_BUILD_DATA) / "imported";
    const SourceSet importedSources =
        std::filesystem::exists(imported) ? ReadSourceDirectory(imported, readProblems) : SourceSet{};
    const CompileResult result =
        CompileLexicon(ReadSourceDirectory(QUELVO_LEXICON_SOURCES, readProblems), importedSources);
    ASSERT_EQ(result.files.size(), 7u);
    for (const CompiledFile& file : result.files)
        EXPECT_EQ(ReadFile(std::filesystem::path(QUELVO_BUILD_DATA) / file.name), file.bytes) << file.name;
}

TEST(ShippedLexicon, HoldsTheEntriesTheRulesNameByNumber) {
    Diagnostics readProblems;
    const CompileResult result = CompileLexicon(ReadSourceDirectory(QUELVO_LEXICON_SOURCES, readProblems));
    ASSERT_FALSE(result.files.empty());
    const std::string& svFile = FileNamed(result, "SvFile.txt")->bytes;
    for (const RuleNamedEntry& named : kRuleNamedEntries) {
        const std::string record = std::to_string(named.number) + "\t" + std::string(named.word) + "\t";
        EXPECT_TRUE(svFile.starts_with(record) || svFile.find("\n" + record) != std::string::npos) << record;
    }
}

}  // namespace
}  // namespace quelvo::lexc
