// Dictionary files that are missing or not in their format: the loader
// names the file, the line or record and what is wrong.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <sys/wait.h>

#include "lexicon/lexicon.h"
#include "lexicon_generator.h"

namespace quelvo {
namespace {

const std::filesystem::path kHandwritten = std::filesystem::path(QUELVO_FIXTURES) / "handwritten";

// A copy of the hand-written directory without `missing`.
std::filesystem::path HandwrittenWithout(const std::string& name, const std::string& missing) {
    const auto dir = generated::FreshDir(name);
    for (const auto& entry : std::filesystem::directory_iterator(kHandwritten)) {
        if (entry.path().filename() != missing) std::filesystem::copy_file(entry.path(), dir / entry.path().filename());
    }
    return dir;
}

DataError ErrorOf(const std::variant<std::shared_ptr<const Lexicon>, DataError>& loaded) {
    if (const auto* error = std::get_if<DataError>(&loaded)) return *error;
    ADD_FAILURE() << "the directory loaded";
    return {};
}

class MissingFile : public testing::TestWithParam<const char*> {};

TEST_P(MissingFile, IsNamed) {
    const auto dir = HandwrittenWithout("missing", GetParam());
    const DataError error = ErrorOf(Lexicon::Load(dir));
    std::filesystem::remove_all(dir);
    EXPECT_EQ(error.file, (dir / GetParam()).string());
    EXPECT_EQ(error.reason, "the file is missing");
    EXPECT_EQ(error.line, 0);
}

INSTANTIATE_TEST_SUITE_P(EachFile, MissingFile,
                         testing::Values("SpOrd.txt", "SvFile.txt", "SbAdj.txt", "FrasText.txt", "Spvb.dat",
                                         "SvVerb1.pek", "OregSubs.pek"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             name[name.find('.')] = '_';
                             return name;
                         });

struct MalformedCase {
    const char* name;
    const char* file;
    std::string bytes;
    long line;
    std::string text;
    std::string reason;
};

class MalformedFile : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedFile, IsNamedWithItsLineAndFault) {
    const MalformedCase& c = GetParam();
    const auto dir = HandwrittenWithout(c.name, "");
    generated::WriteFile(dir / c.file, c.bytes);
    const DataError error = ErrorOf(Lexicon::Load(dir));
    std::filesystem::remove_all(dir);
    EXPECT_EQ(error.file, (dir / c.file).string());
    EXPECT_EQ(error.line, c.line);
    EXPECT_EQ(error.text, c.text);
    EXPECT_EQ(error.reason, c.reason);
}

std::string Records(std::size_t count, std::size_t size) { return std::string(count * size, '\0'); }

// `count` copies of a valid record of "SvVerb1.pek" (five strings of 20
// characters, one of 30) or of "OregSubs.pek" (four of 30, then padding).
std::string Repeated(const std::string& record, std::size_t count) {
    std::string records;
    for (std::size_t i = 0; i < count; ++i) records += record;
    return records;
}
std::string VerbRecords(std::size_t count) {
    const std::string form = generated::PekString("ir", 20);
    return Repeated(form + form + form + form + form + generated::PekString("x", 30), count);
}
std::string NounRecords(std::size_t count) {
    const std::string form = generated::PekString("man", 30);
    return Repeated(form + form + form + form + std::string(8, '\0'), count);
}

std::string WithByte(std::string bytes, std::size_t at, char value) {
    bytes[at] = value;
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedFile,
    testing::Values(
        MalformedCase{"line_without_tab", "SpOrd.txt", "1\tx\t1\t1\t0\t0\r\n\r\nhola\r\n!", 3, "hola",
                      "the line holds no TAB"},
        MalformedCase{"too_few_fields", "SpOrd.txt", "1\tx\t1\t1\t0\t0\r\n2\ty\t1\r\n!", 2, "2\\ty\\t1",
                      "the line has 3 of its 6 fields"},
        MalformedCase{"lf_line_ends", "SvFile.txt", "1\tett\t1\t0\t0\t0\n2\ttv\xE5\t1\t0\t0\t0\n!", 1,
                      "1\\tett\\t1\\t0\\t0\\t0", "the line ends in LF without CR"},
        MalformedCase{"form_entry_without_number", "SbAdj.txt", "ojos\t1\r\nmanos\r\n!", 2, "manos",
                      "the line holds no TAB"},
        MalformedCase{"verb_line_without_comma", "Spvb.dat", "ir,4,voy\r\ncomer\r\n!", 2, "comer",
                      "the line holds no \",\""},
        MalformedCase{"verb_line_without_forms", "Spvb.dat", "ir,4\r\n!", 1, "ir,4", "the line ends before its forms"},
        MalformedCase{"verb_blank_line", "Spvb.dat", "ir,4,voy\r\n\r\nser,4,soy\r\n!", 2, "",
                      "the line holds no \",\""},
        MalformedCase{"verb_bare_cr", "Spvb.dat", "ir,4,voy\rser,4,soy\r\n!", 1, "ir,4,voy\\r",
                      "the line ends in CR without LF"},
        MalformedCase{"verb_lf_line_ends", "Spvb.dat", "ir,4,voy\nser,4,soy\n!", 1, "ir,4,voy",
                      "the line ends in LF without CR"},
        MalformedCase{"verb_record_size", "SvVerb1.pek", Records(2, 136) + "x", 0, "",
                      "its size 273 is not a whole number of 136-byte records"},
        MalformedCase{"noun_record_size", "OregSubs.pek", Records(1, 131), 0, "",
                      "its size 131 is not a whole number of 132-byte records"},
        MalformedCase{"verb_key_too_long", "SvVerb1.pek", WithByte(VerbRecords(3), 136, 21), 2, "",
                      "the length 21 of InfKey exceeds its 20 characters"},
        MalformedCase{"present_participle_too_long", "SvVerb1.pek", WithByte(VerbRecords(1), 105, 31), 1, "",
                      "the length 31 of PresPartForm exceeds its 30 characters"},
        MalformedCase{"noun_form_too_long", "OregSubs.pek", WithByte(NounRecords(2), 132 + 93, '\xFF'), 2, "",
                      "the length 255 of DefPl exceeds its 30 characters"},
        MalformedCase{"verb_records_of_zeros", "SvVerb1.pek", VerbRecords(1) + Records(1, 136), 2, "",
                      "InfKey is empty (zeros, or a shifted record?)"},
        MalformedCase{"noun_file_shifted_by_a_byte", "OregSubs.pek", "\x02" + NounRecords(2).substr(1), 1, "",
                      "IndefSg holds bytes past its 2 characters (a shifted record?)"},
        MalformedCase{"noun_padding_not_zero", "OregSubs.pek", WithByte(NounRecords(1), 131, 'x'), 1, "",
                      "the padding after the last string is not zero (a shifted record?)"},
        MalformedCase{"field_too_many", "SpOrd.txt", "1\tx\t1\t5\t0\t9\tmore\r\n!", 1, "1\\tx\\t1\\t5\\t0\\t9\\tmore",
                      "the line has more than its 6 fields"},
        MalformedCase{"form_entry_field_too_many", "SbAdj.txt", "ojos\t1\t\r\n!", 1, "ojos\\t1\\t",
                      "the line has more than its 2 fields"},
        MalformedCase{"record_cut_at_the_end", "SvFile.txt", "1\tett\t1\t0\t0\t0\r\n2\ttv", 2, "2\\ttv",
                      "the line has 2 of its 6 fields"},
        MalformedCase{"code_not_a_number", "SpOrd.txt", "1\tx\t1\t12a\t0\t0\r\n!", 1, "1\\tx\\t1\\t12a\\t0\\t0",
                      "field 4 is not a number"},
        MalformedCase{"empty_code", "SvFile.txt", "1\tett\t1\t0\t0\t\r\n!", 1, "1\\tett\\t1\\t0\\t0\\t",
                      "field 6 is not a number"},
        MalformedCase{"entry_number_as_a_word", "SbAdj.txt", "ojos\tuno\r\n!", 1, "ojos\\tuno",
                      "field 2 is not a number"},
        MalformedCase{"verb_form_code_not_a_number", "Spvb.dat", "ir,4,voy\r\nser,4a,soy\r\n!", 2, "ser,4a,soy",
                      "the form code is not a number"},
        MalformedCase{"verb_line_with_seven_forms", "Spvb.dat", "ir,4,a,b,c,d,e,f,g\r\n!", 1, "ir,4,a,b,c,d,e,f,g",
                      "the line has more than its 6 forms"},
        MalformedCase{"phrase_field_too_many", "FrasText.txt", "*a&a b/x/adv/1,\r\na c/y/sub/2/3.#", 2, "a c/y/sub/2/3",
                      "the record has more than its 4 fields"},
        MalformedCase{"phrase_comma_in_a_text", "FrasText.txt", "*a&a c/t,a b/y/sub/2.#", 1, "*a&a c/t",
                      "the record has 2 of its 4 fields"},
        MalformedCase{"phrase_number_not_a_number", "FrasText.txt", "*a&a b/x/adv/1#", 1, "*a&a b/x/adv/1#",
                      "the number of the record is not a number"},
        MalformedCase{"empty_file", "SpOrd.txt", "", 0, "",
                      "the file is empty (one without entries holds just its closing \"!\")"},
        MalformedCase{"blank_phrase_file", "FrasText.txt", "\r\n", 0, "",
                      "the file is empty (one without entries holds just its closing \"#\")"},
        MalformedCase{"text_file_of_zeros", "SvFile.txt", Records(1, 64), 1, "",
                      "a binary byte 0 in a text file (UTF-16 or a damaged file?)"}),
    [](const testing::TestParamInfo<MalformedCase>& info) { return std::string(info.param.name); });

TEST(LexiconLoad, FaultAfterTheTerminatorIsNeverRead) {
    const auto dir = HandwrittenWithout("after_terminator", "");
    generated::WriteFile(dir / "SpOrd.txt", "1\tx\t1\t1\t0\t0\r\n!\r\nno tab here\n");
    generated::WriteFile(dir / "Spvb.dat", "ir,4,voy\r\n!\nbroken");
    const auto loaded = Lexicon::Load(dir);
    std::filesystem::remove_all(dir);
    EXPECT_TRUE(std::holds_alternative<std::shared_ptr<const Lexicon>>(loaded));
}

TEST(LexiconLoad, MissingDirectory) {
    const DataError error = ErrorOf(Lexicon::Load(kHandwritten / "absent"));
    EXPECT_EQ(error.file, (kHandwritten / "absent").string());
    EXPECT_EQ(error.reason, "no such directory");
}

TEST(LexiconLoad, DirectoryInPlaceOfAFile) {
    const auto dir = HandwrittenWithout("directory_as_file", "SbAdj.txt");
    std::filesystem::create_directory(dir / "SbAdj.txt");
    const DataError error = ErrorOf(Lexicon::Load(dir));
    std::filesystem::remove_all(dir);
    EXPECT_EQ(error.file, (dir / "SbAdj.txt").string());
    EXPECT_EQ(error.reason, "not a regular file");
}

TEST(LexiconLoad, DescriptionNamesFileLineAndText) {
    const auto dir = HandwrittenWithout("describe", "");
    generated::WriteFile(dir / "SbAdj.txt", "ojos\t1\r\nb\xE1sico\r\n!");
    const DataError error = ErrorOf(Lexicon::Load(dir));
    std::filesystem::remove_all(dir);
    EXPECT_EQ(error.Describe(), (dir / "SbAdj.txt").string() + ":2: the line holds no TAB: b\xC3\xA1sico");
}

// Runs the command-line program; gives its exit status and standard error.
std::pair<int, std::string> RunCli(const std::filesystem::path& dataDir) {
    const auto errFile = generated::FreshDir("cli_stderr") / "stderr.txt";
    const std::string command =
        std::string(QUELVO_CLI) + " --data '" + dataDir.string() + "' perro > /dev/null 2> '" + errFile.string() + "'";
    const int status = std::system(command.c_str());
    std::stringstream err;
    err << std::ifstream(errFile).rdbuf();
    std::filesystem::remove_all(errFile.parent_path());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, err.str()};
}

TEST(CommandLine, ReadsTheHandwrittenDirectory) {
    const auto [status, err] = RunCli(kHandwritten);
    EXPECT_EQ(status, 0) << err;
}

TEST(CommandLine, MissingFileEndsWithStatus3NamingIt) {
    const auto dir = HandwrittenWithout("cli_missing", "OregSubs.pek");
    const auto [status, err] = RunCli(dir);
    std::filesystem::remove_all(dir);
    EXPECT_EQ(status, 3);
    EXPECT_NE(err.find((dir / "OregSubs.pek").string()), std::string::npos) << err;
}

}  // namespace
}  // namespace quelvo
