// Damaged dictionary files: each gives an error naming the file and what is
// wrong, or loads as the format allows; never a crash or a silent change.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <variant>

#include "quelvo/translator.h"

namespace quelvo {
namespace {

namespace fs = std::filesystem;

struct DamageRow {
    const char* name;
    const char* file;
    std::function<std::string(std::string)> damage;
    const char* reason;  // part of the error; empty: the files load
};

void PrintTo(const DamageRow& row, std::ostream* os) { *os << row.name; }

std::string ReadBytes(const fs::path& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

// The handwritten dictionaries with one file damaged.
fs::path DamagedCopy(const DamageRow& row) {
    const fs::path dir = fs::path(testing::TempDir()) / ("quelvo_damaged_" + std::string(row.name));
    fs::remove_all(dir);
    fs::copy(fs::path(QUELVO_FIXTURES) / "handwritten", dir);
    const fs::path file = dir / row.file;
    const std::string damaged = row.damage(ReadBytes(file));
    std::ofstream(file, std::ios::binary | std::ios::trunc) << damaged;
    return dir;
}

class DamagedFile : public testing::TestWithParam<DamageRow> {};

TEST_P(DamagedFile, IsNamedOrLoads) {
    const DamageRow& row = GetParam();
    const fs::path dir = DamagedCopy(row);
    const auto opened = Translator::Open(dir);
    fs::remove_all(dir);
    if (std::string(row.reason).empty()) {
        EXPECT_TRUE(std::holds_alternative<Translator>(opened)) << std::get<DataError>(opened).Describe();
        return;
    }
    ASSERT_TRUE(std::holds_alternative<DataError>(opened));
    const std::string said = std::get<DataError>(opened).Describe();
    EXPECT_NE(said.find(row.file), std::string::npos) << said;
    EXPECT_NE(said.find(row.reason), std::string::npos) << said;
}

using namespace std::string_literals;
const auto kReplace = [](std::string with) { return [with](const std::string&) { return with; }; };

INSTANTIATE_TEST_SUITE_P(
    Rows, DamagedFile,
    testing::Values(
        DamageRow{"empty", "SpOrd.txt", kReplace(""), "the file is empty"},
        DamageRow{"all_nul", "SvFile.txt", [](std::string b) { return std::string(b.size(), '\0'); }, "binary byte 0"},
        DamageRow{"shifted_by_a_byte", "SvVerb1.pek", [](std::string b) { return "\x01" + b.substr(0, b.size() - 1); },
                  "shifted record"},
        DamageRow{"word_for_a_number", "SpOrd.txt", [](std::string b) { return "1\tni\xF1o\tuno\t1\t0\t0\r\n" + b; },
                  "field 3 is not a number"},
        DamageRow{"phrase_field_too_many", "FrasText.txt", [](std::string b) { return b.insert(b.find('.'), "/9"); },
                  "more than its 4 fields"},
        DamageRow{"utf16", "FrasText.txt", [](std::string b) { return "\xFF\xFE*\0d\0"s + b; }, "binary byte"},
        DamageRow{"utf8", "SpOrd.txt", [](std::string b) { return "9\tni\xC3\xB1o\t10\t1\t0\t0\r\n" + b; }, "UTF-8"},
        DamageRow{"record_cut_short", "SpOrd.txt", [](std::string b) { return "1\tperro\r\n" + b; }, "of its 6 fields"},
        DamageRow{"ten_megabyte_line", "SvFile.txt", [](std::string b) { return std::string(10'000'000, 'x') + "\r\n" + b; },
                  "no TAB"},
        DamageRow{"phrase_file_is_a_table", "FrasText.txt", kReplace("spanish\tswedish\r\n"), "TAB"},
        DamageRow{"record_one_byte_short", "OregSubs.pek", [](std::string b) { return b.substr(1); }, "whole number"},
        DamageRow{"no_end_mark", "SbAdj.txt", [](std::string b) { return b.substr(0, b.rfind('!')); }, ""},
        DamageRow{"all_end_marks", "SbAdj.txt", kReplace("!!!!!!!!\r\n"), ""}),
    [](const auto& info) { return std::string(info.param.name); });

// Warned of once: by the translator, and by the command line however many
// lines it translates.
TEST(DamagedFile, MissingEndMarkIsAWarning) {
    const DamageRow row{"warned", "SbAdj.txt", [](std::string b) { return b.substr(0, b.rfind('!')); }, ""};
    const fs::path dir = DamagedCopy(row);
    const auto opened = Translator::Open(dir);
    const fs::path err = dir / "stderr.txt";
    const std::string command = "printf 'hola\\nperro\\n' | " + std::string(QUELVO_CLI) + " --data '" + dir.string() +
                                "' > /dev/null 2> '" + err.string() + "'";
    const int status = std::system(command.c_str());
    const std::string said = ReadBytes(err);
    fs::remove_all(dir);
    ASSERT_TRUE(std::holds_alternative<Translator>(opened));
    const auto& warnings = std::get<Translator>(opened).Warnings();
    ASSERT_EQ(warnings.size(), 1u);
    const std::string warning = "SbAdj.txt: the file lacks its closing";
    EXPECT_NE(warnings[0].Describe().find(warning), std::string::npos);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << said;
    const auto first = said.find(warning);
    EXPECT_NE(first, std::string::npos) << said;
    EXPECT_EQ(said.find(warning, first + 1), std::string::npos) << said;
}

TEST(DamagedDirectory, SaysWhatStandsInTheWay) {
    const fs::path dir = fs::path(testing::TempDir()) / "quelvo_damaged_dir";
    fs::remove_all(dir);
    fs::copy(fs::path(QUELVO_FIXTURES) / "handwritten", dir);
    const auto said = [](const fs::path& d) {
        const auto opened = Translator::Open(d);
        return std::holds_alternative<DataError>(opened) ? std::get<DataError>(opened).Describe() : "";
    };
    fs::remove(dir / "SpOrd.txt");
    fs::create_directory(dir / "SpOrd.txt");
    EXPECT_NE(said(dir).find("not a regular file"), std::string::npos);
    fs::remove(dir / "SpOrd.txt");
    fs::create_symlink("SpOrd.txt", dir / "SpOrd.txt");
    EXPECT_NE(said(dir).find("loop of symbolic links"), std::string::npos);
    EXPECT_NE(said(dir / "SbAdj.txt").find("not a directory"), std::string::npos);
    const std::string command = std::string(QUELVO_CLI) + " --data '" + (dir / "SbAdj.txt").string() + "' hola 2>/dev/null";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 3);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace quelvo
