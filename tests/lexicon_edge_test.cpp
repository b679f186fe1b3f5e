// The corners of each dictionary file, one small file per case.
#include <gtest/gtest.h>

#include "lexicon/lexicon.h"
#include "lexicon/lookups.h"
#include "lexicon_generator.h"

namespace quelvo {
namespace {

std::shared_ptr<const Lexicon> Load(const std::string& name, const reference::Files& files) {
    auto loaded = generated::LoadFiles(name, files);
    if (const auto* error = std::get_if<DataError>(&loaded)) {
        ADD_FAILURE() << error->Describe();
        return std::make_shared<const Lexicon>();
    }
    return std::get<std::shared_ptr<const Lexicon>>(loaded);
}

template <typename Case>
std::string NameOf(const testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

const std::string kSwedish = "1\tett\t1\t0\t0\t0\r\n2\ttv\xE5\t2\t0\t0\t0\r\n7\tsju\t7\t0\t0\t0\r\n!";

// ---- "SpOrd.txt" and "SvFile.txt" ----

struct SpanishCase {
    const char* name;
    std::string spOrd;
    std::string svFile;
    std::string word;
    bool found;
    std::string svWord;
    std::string svKey;
    std::uint16_t spCode1;
    std::uint16_t svCode1;
};

class SpanishWordEdges : public testing::TestWithParam<SpanishCase> {};

TEST_P(SpanishWordEdges, GiveTheScansResult) {
    const SpanishCase& c = GetParam();
    const auto lexicon = Load(c.name, {c.spOrd, c.svFile});
    TranslationState s(*lexicon);
    s.LookupWord = c.word;
    bool found = !c.found;
    LookupSpanishWord(s, found);
    EXPECT_EQ(found, c.found);
    EXPECT_EQ(s.StagedWord.SvWord.view(), c.svWord);
    EXPECT_EQ(s.StagedWord.SvKey.view(), c.svKey);
    EXPECT_EQ(s.StagedWord.SpCode1, c.spCode1);
    EXPECT_EQ(s.StagedWord.SpClass, c.spCode1 & 63);
    EXPECT_EQ(s.StagedWord.SvCode1, c.svCode1);
    EXPECT_EQ(s.StagedWord.SvClass, c.svCode1 & 63);
    EXPECT_EQ(s.StagedWord.SpWord.view(), c.found ? c.word : "Not Nound");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpanishWordEdges,
    testing::Values(
        SpanishCase{"first_of_duplicate_forms", "1\tx\t1\t5\t0\t0\r\n2\tx\t2\t6\t0\t0\r\n!", kSwedish, "x", true,
                    "ett", "1", 5, 1},
        SpanishCase{"first_of_duplicate_entries", "1\tx\t2\t5\t0\t0\r\n!", "2\tf\xF6rsta\t3\t0\t0\t0\r\n2\tandra\t4\t0\t0\t0\r\n!",
                    "x", true, "f\xF6rsta", "2", 5, 3},
        SpanishCase{"zero_padded_entry_number", "1\tx\t007\t5\t0\t0\r\n!", kSwedish, "x", true, "sju", "007", 5, 7},
        SpanishCase{"entry_missing_from_swedish_file", "1\tx\t9\t5\t0\t0\r\n!", kSwedish, "x", false, "Not Found",
                    "Not Fo", 0, 0},
        SpanishCase{"form_not_in_the_file", "1\tx\t1\t5\t0\t0\r\n!", kSwedish, "y", false, "Not Found", "Not Fo", 0,
                    0},
        SpanishCase{"long_form_keeps_nineteen_characters", "1\tabcdefghijklmnopqrstu\t1\t5\t0\t0\r\n!", kSwedish,
                    "abcdefghijklmnopqrs", true, "ett", "1", 5, 1},
        SpanishCase{"whole_long_form_is_not_found", "1\tabcdefghijklmnopqrstu\t1\t5\t0\t0\r\n!", kSwedish,
                    "abcdefghijklmnopqrstu", false, "Not Found", "Not Fo", 0, 0},
        SpanishCase{"six_digit_entry_number_never_matches", "1\tx\t123456\t5\t0\t0\r\n!",
                    "12345\ta\t1\t0\t0\t0\r\n123456\tb\t1\t0\t0\t0\r\n!", "x", false, "Not Found", "Not Fo", 0, 0},
        SpanishCase{"swedish_entry_number_keeps_five_characters", "1\tx\t0\t5\t0\t0\r\n!", "000007\tnoll\t3\t0\t0\t0\r\n!",
                    "x", true, "noll", "0", 5, 3},
        SpanishCase{"crlf_and_blank_lines", "\r\n1\tx\t2\t5\t0\t0\r\n\r\n\r\n2\ty\t7\t6\t0\t0\r\n\r\n!",
                    "\r\n\r\n2\ttv\xE5\t2\t0\t0\t0\r\n\r\n7\tsju\t7\t0\t0\t0\r\n\r\n!", "y", true, "sju", "7", 6, 7},
        SpanishCase{"bare_cr_and_blank_lines", "1\tx\t2\t5\t0\t0\r\r2\ty\t7\t6\t0\t0\r!", kSwedish, "y", true, "sju",
                    "7", 6, 7},
        SpanishCase{"bang_first_in_record_ends_the_file", "1\tx\t1\t5\t0\t0\r\n!\r\n2\ty\t1\t6\t0\t0\r\n", kSwedish,
                    "y", false, "Not Found", "Not Fo", 0, 0},
        SpanishCase{"bang_after_blank_lines_ends_the_file", "1\tx\t1\t5\t0\t0\r\n\r\n!2\ty\t1\t6\t0\t0\r\n",
                    kSwedish, "y", false, "Not Found", "Not Fo", 0, 0},
        SpanishCase{"bang_inside_first_field_ends_the_file", "1\tx\t1\t5\t0\t0\r\n2!\ty\t1\t6\t0\t0\r\n!", kSwedish,
                    "y", false, "Not Found", "Not Fo", 0, 0},
        SpanishCase{"bang_in_a_later_field_is_text", "1\tx!y\t1\t5!\t0\t0\r\n!", kSwedish, "x!y", true, "ett", "1",
                    5, 1},
        SpanishCase{"number_12a_reads_12", "1\tx\t1\t12a\t0\t0\r\n!", kSwedish, "x", true, "ett", "1", 12, 1},
        SpanishCase{"empty_number_reads_0", "1\tx\t1\t\t0\t0\r\n!", "1\tett\t\t0\t0\t0\r\n!", "x", true, "ett", "1", 0, 0},
        SpanishCase{"blanks_and_sign_before_a_number", "1\tx\t 1\t  +70\t0\t0\r\n!", kSwedish, "x", true, "ett",
                    " 1", 70, 1},
        SpanishCase{"negative_number_keeps_its_low_16_bits", "1\tx\t1\t-1\t0\t0\r\n!", kSwedish, "x", true, "ett",
                    "1", 65535, 1},
        SpanishCase{"large_number_keeps_its_low_16_bits", "1\tx\t1\t65601\t0\t0\r\n!", kSwedish, "x", true, "ett",
                    "1", 65, 1},
        SpanishCase{"entry_number_keeps_six_characters", "1\tx\t00000001\t5\t0\t0\r\n!", kSwedish, "x", false,
                    "Not Found", "Not Fo", 0, 0},
        SpanishCase{"missing_terminator_reads_to_the_end", "1\tx\t1\t5\t0\t0\r\n2\ty\t7\t6\t0\t0", "7\tsju\t7", "y",
                    true, "sju", "7", 6, 7},
        SpanishCase{"end_inside_a_record_ends_its_field", "1\tx\t1\t5\t0\t0\r\n2\ty\t7\t6", kSwedish, "y", true,
                    "sju", "7", 6, 7},
        SpanishCase{"end_inside_a_first_field_drops_the_record", "1\tx\t1\t5\t0\t0\r\n2", kSwedish, "2", false,
                    "Not Found", "Not Fo", 0, 0},
        SpanishCase{"extra_fields_end_up_in_the_last", "1\tx\t1\t5\t0\t9\tmore\r\n!", kSwedish, "x", true, "ett", "1",
                    5, 1},
        SpanishCase{"empty_files", "", "", "x", false, "Not Found", "Not Fo", 0, 0}),
    NameOf<SpanishCase>);

TEST(SpanishWordEdges, TryLookupNeverClearsTheCallersFlag) {
    const auto lexicon = Load("try_lookup", {"1\tx\t1\t5\t0\t0\r\n!", kSwedish});
    TranslationState s(*lexicon);
    s.LookupWord = "y";
    bool found = true;
    TryLookup(s, found);
    EXPECT_TRUE(found);
    EXPECT_EQ(s.StagedWord.SvKey.view(), "Not Fo");
    found = false;
    s.LookupWord = "x";
    TryLookup(s, found);
    EXPECT_TRUE(found);
}

TEST(SpanishWordEdges, SwedishEntryMissLeavesTheStagedWord) {
    const auto lexicon = Load("swedish_miss", {"", kSwedish});
    TranslationState s(*lexicon);
    s.StagedWord.SvKey = "8";
    s.StagedWord.SvWord = "kvar";
    s.StagedWord.FormCode = 4;
    bool found = false;
    LookupSwedishEntry(s, found);
    EXPECT_FALSE(found);
    EXPECT_EQ(s.StagedWord.SvWord.view(), "kvar");
    EXPECT_EQ(s.StagedWord.FormCode, 4);
    s.StagedWord.SvKey = "+7";
    LookupSwedishEntry(s, found);
    EXPECT_TRUE(found);
    EXPECT_EQ(s.StagedWord.SvWord.view(), "sju");
    EXPECT_EQ(s.StagedWord.FormCode, 4);
}

// ---- "SbAdj.txt" ----

struct FormCase {
    const char* name;
    std::string sbAdj;
    std::string spWord;
    std::string svKey;   // the staged entry number afterwards ("-" when untouched)
    std::string svWord;  // the staged Swedish word afterwards ("-" when untouched)
};

class FormEntryEdges : public testing::TestWithParam<FormCase> {};

TEST_P(FormEntryEdges, SetTheEntryNumberAndTheSwedishWord) {
    const FormCase& c = GetParam();
    const auto lexicon = Load(c.name, {"", kSwedish, c.sbAdj});
    TranslationState s(*lexicon);
    s.StagedWord.SvKey = "-";
    s.StagedWord.SvWord = "-";
    WordNode node;
    node.SpWord = c.spWord;
    LookupFormEntry(s, node);
    EXPECT_EQ(s.StagedWord.SvKey.view(), c.svKey);
    EXPECT_EQ(s.StagedWord.SvWord.view(), c.svWord);
}

INSTANTIATE_TEST_SUITE_P(Cases, FormEntryEdges,
                         testing::Values(FormCase{"first_of_duplicate_forms", "ojos\t1\r\nojos\t2\r\n!", "ojos", "1", "ett"},
                                         FormCase{"entry_missing_keeps_the_number", "ojos\t9\r\n!", "ojos", "9", "-"},
                                         FormCase{"form_missing_changes_nothing", "ojos\t1\r\n!", "ojo", "-", "-"},
                                         FormCase{"entry_number_keeps_five_characters", "ojos\t0000071\r\n!", "ojos",
                                                  "00000", "-"},
                                         FormCase{"after_the_terminator", "ojos\t1\r\n!\r\nmanos\t2\r\n", "manos", "-",
                                                  "-"},
                                         FormCase{"bare_cr", "ojos\t1\rmanos\t2\r!", "manos", "2", "tv\xE5"}),
                         NameOf<FormCase>);

// ---- "Spvb.dat" ----

struct VerbCase {
    const char* name;
    std::string spvb;
    std::string word;
    bool found;
    std::string infinitive;  // the word afterwards
    int formCode;            // -1 when untouched
    int personNo;            // -1 when untouched
};

class VerbFormEdges : public testing::TestWithParam<VerbCase> {};

TEST_P(VerbFormEdges, GiveInfinitiveFormCodeAndPerson) {
    const VerbCase& c = GetParam();
    reference::Files files;
    files.spvb = c.spvb;
    const auto lexicon = Load(c.name, files);
    TranslationState s(*lexicon);
    s.StagedWord.PersonNo = -1;
    Str30 word(c.word);
    bool found = false;
    int formCode = -1;
    LookupVerbForm(s, word, found, formCode);
    EXPECT_EQ(found, c.found);
    EXPECT_EQ(word.view(), c.infinitive);
    EXPECT_EQ(formCode, c.formCode);
    EXPECT_EQ(s.StagedWord.PersonNo, c.personNo);
}

const std::string kComer = "comer,4,como,comes,come,comemos,com\xE9is,comen\r\ncomer,10,comido\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, VerbFormEdges,
    testing::Values(VerbCase{"position_counts_from_one", kComer + "!", "come", true, "comer", 4, 3},
                    VerbCase{"form_code_10_has_no_person", kComer + "!", "comido", true, "comer", 10, 0},
                    VerbCase{"first_line_wins", kComer + "comerse,5,come\r\n!", "come", true, "comer", 4, 3},
                    VerbCase{"first_place_on_a_line_wins", "ir,4,va,va\r\n!", "va", true, "ir", 4, 1},
                    VerbCase{"infinitive_is_not_a_form", kComer + "!", "comer", false, "comer", -1, -1},
                    VerbCase{"unknown_form_changes_nothing", kComer + "!", "comiste", false, "comiste", -1, -1},
                    VerbCase{"bang_starting_a_line_ends_the_file", kComer + "!\r\nir,4,voy\r\n", "voy", false, "voy", -1,
                             -1},
                    VerbCase{"bang_after_a_bare_cr_ends_the_file", "ir,4,voy\r!", "voy", true, "ir", 4, 1},
                    VerbCase{"missing_terminator", kComer + "ir,4,voy,vas", "vas", true, "ir", 4, 2},
                    VerbCase{"missing_terminator_after_the_line_end", kComer, "comido", true, "comer", 10, 0},
                    VerbCase{"bang_inside_a_form_is_text", "ir,4,v!oy\r\n!", "v!oy", true, "ir", 4, 1},
                    VerbCase{"form_code_12a_reads_12", "ir,12a,voy\r\n!", "voy", true, "ir", 12, 1},
                    VerbCase{"empty_form_matches_an_empty_word", "ir,4,,vas\r\n!", "", true, "ir", 4, 1},
                    VerbCase{"long_form_keeps_thirty_characters", "ir,4,abcdefghijklmnopqrstuvwxyzABCDE\r\n!",
                             "abcdefghijklmnopqrstuvwxyzABCD", true, "ir", 4, 1},
                    VerbCase{"empty_file", "", "voy", false, "voy", -1, -1}),
    NameOf<VerbCase>);

// ---- "FrasText.txt" ----

struct PhraseCase {
    const char* name;
    std::string frasText;
    std::vector<std::string> sentence;
    bool found;
    std::string sv;  // PhraseSv afterwards ("-" when untouched)
    std::string classWord;
    std::string number;
    unsigned wordCount;  // PhraseWordCount afterwards (99 when untouched)
};

class PhraseEdges : public testing::TestWithParam<PhraseCase> {};

TEST_P(PhraseEdges, FindTheScansRecord) {
    const PhraseCase& c = GetParam();
    reference::Files files;
    files.frasText = c.frasText;
    const auto lexicon = Load(c.name, files);
    TranslationState s(*lexicon);
    s.PhraseWordCount = 99;
    s.PhraseSv = s.PhraseSp = s.PhraseClassWord = s.PhraseNumber = "-";
    std::vector<WordNode> nodes(c.sentence.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        nodes[i].SpWord = c.sentence[i];
        if (i + 1 < nodes.size()) nodes[i].Next = &nodes[i + 1];
    }
    bool found = false;
    FindPhrase(s, nodes[0].SpWord, &nodes[0], found);
    EXPECT_EQ(found, c.found);
    EXPECT_EQ(s.PhraseSv.view(), c.sv);
    EXPECT_EQ(s.PhraseClassWord.view(), c.classWord);
    EXPECT_EQ(s.PhraseNumber.view(), c.number);
    EXPECT_EQ(s.PhraseWordCount, c.wordCount);
    EXPECT_EQ(s.PhraseSp.view() == "-", !c.found);
}

const std::string kPhrases = "*de&de acuerdo/\xF6verens/adv/0,de repente/pl\xF6tsligt/adv/1.+a&a pesar de/trots/prep/2.#";

INSTANTIATE_TEST_SUITE_P(
    Cases, PhraseEdges,
    testing::Values(
        PhraseCase{"three_words", kPhrases, {"a", "pesar", "de", "todo"}, true, "trots", "prep", "2", 3},
        PhraseCase{"second_record_of_a_section", kPhrases, {"de", "repente"}, true, "pl\xF6tsligt", "adv", "1", 2},
        PhraseCase{"longer_than_the_sentence_end", kPhrases, {"a", "pesar"}, false, "-", "-", "-", 3},
        PhraseCase{"last_word_taken_again", "*a&a b b/x/adv/1.#", {"a", "b"}, true, "x", "adv", "1", 3},
        PhraseCase{"first_matching_record_wins", "*a&a b/x/adv/1,a b/y/sub/2.#", {"a", "b"}, true, "x", "adv", "1", 2},
        PhraseCase{"only_the_first_section_of_a_key", "*a&a c/x/adv/1.+a&a b/y/sub/2.#", {"a", "b"}, false, "-", "-",
                   "-", 2},
        PhraseCase{"word_count_of_the_record_last_compared", "*a&a b c/x/adv/1,a d/y/sub/2.#", {"a", "e"}, false, "-",
                   "-", "-", 2},
        PhraseCase{"marker_hash_means_an_empty_file", "#a&a b/x/adv/1.#", {"a", "b"}, false, "-", "-", "-", 99},
        PhraseCase{"marker_is_not_part_of_the_key", "aa&a b/x/adv/1.#", {"a", "b"}, true, "x", "adv", "1", 2},
        PhraseCase{"cr_and_lf_anywhere", "*\r\na\r\n&a\r\n b/x\r/ad\nv/1\r\n.\r\n#", {"a", "b"}, true, "x", "adv", "1",
                   2},
        PhraseCase{"full_stop_in_an_earlier_swedish_text_ends_the_section", "*a&a c/t.ex./adv/1,a b/y/sub/2.#",
                   {"a", "b"}, false, "-", "-", "-", 2},
        PhraseCase{"comma_in_an_earlier_swedish_text_starts_a_record", "*a&a c/t,a b/y/sub/2.#", {"a", "b"}, true, "y",
                   "sub", "2", 2},
        PhraseCase{"full_stop_in_the_matched_swedish_text", "*a&a b/t.ex./adv/1.#", {"a", "b"}, true, "t.ex.", "adv",
                   "1", 2},
        PhraseCase{"class_word_and_number_are_cut", "*a&a b/x/konjunktionen/1234567.#", {"a", "b"}, true, "x",
                   "konjunkti", "12345", 2},
        PhraseCase{"end_of_file_inside_the_matched_record", "*a&a b/x/ad", {"a", "b"}, false, "-", "-", "-", 2},
        PhraseCase{"end_of_file_before_the_number_ends", "*a&a c/x/adv/1,a b/y/sub/2", {"a", "b"}, false, "-", "-",
                   "-", 2},
        PhraseCase{"missing_final_hash", "*a&a c/x/adv/1,a b/y/sub/2.", {"a", "b"}, true, "y", "sub", "2", 2},
        PhraseCase{"key_in_no_section", kPhrases, {"con", "todo"}, false, "-", "-", "-", 99},
        PhraseCase{"empty_file", "", {"a"}, false, "-", "-", "-", 99}),
    NameOf<PhraseCase>);

TEST(PhraseEdges, WordOtherThanTheNodesSelectsTheSection) {
    reference::Files files;
    files.frasText = kPhrases;
    const auto lexicon = Load("other_word", files);
    TranslationState s(*lexicon);
    WordNode de;
    de.SpWord = "de";
    bool found = false;
    FindPhrase(s, Str30("a"), &de, found);
    EXPECT_FALSE(found);
    EXPECT_EQ(s.PhraseWordCount, 3u);
}

// ---- "OregSubs.pek" and "SvVerb1.pek" ----

std::string NounRecord(const std::string& indefSg, const std::string& defSg, const std::string& indefPl,
                       const std::string& defPl) {
    std::string record = generated::PekString(indefSg, 30) + generated::PekString(defSg, 30) +
                         generated::PekString(indefPl, 30) + generated::PekString(defPl, 30);
    record.resize(132, '\xFF');
    return record;
}

std::string VerbRecord(const std::string& inf, const std::string& past, const std::string& supine,
                       const std::string& participle, const std::string& present, const std::string& presPart) {
    return generated::PekString(inf, 20) + generated::PekString(past, 20) + generated::PekString(supine, 20) +
           generated::PekString(participle, 20) + generated::PekString(present, 20) + generated::PekString(presPart, 30);
}

struct NounCase {
    const char* name;
    std::string records;
    std::string form;
    char definiteness;
    int number;
    std::string expected;
};

class IrregularNounEdges : public testing::TestWithParam<NounCase> {};

TEST_P(IrregularNounEdges, ReplaceTheForm) {
    const NounCase& c = GetParam();
    reference::Files files;
    files.oregSubs = c.records;
    const auto lexicon = Load(c.name, files);
    const TranslationState s(*lexicon);
    Str30 form(c.form);
    LookupIrregularNoun(s, form, c.definiteness, c.number);
    EXPECT_EQ(form.view(), c.expected);
}

const std::string kMan = NounRecord("man", "mannen", "m\xE4n", "m\xE4nnen");

INSTANTIATE_TEST_SUITE_P(
    Cases, IrregularNounEdges,
    testing::Values(NounCase{"definite_singular", kMan, "man", 'b', 1, "mannen"},
                    NounCase{"definite_singular_of_number_2", kMan, "man", 'b', 2, "mannen"},
                    NounCase{"definite_plural", kMan, "man", 'b', 3, "m\xE4nnen"},
                    NounCase{"indefinite_plural", kMan, "man", 'o', 3, "m\xE4n"},
                    NounCase{"indefinite_singular", kMan, "man", 'o', 1, "man"},
                    NounCase{"other_number", kMan, "man", 'b', 30, "man"},
                    NounCase{"no_definiteness", kMan, "man", ' ', 1, "man"},
                    NounCase{"absent_noun", kMan, "mus", 'b', 1, "mus"},
                    NounCase{"later_record_takes_the_new_form", kMan + NounRecord("mannen", "x", "y", "z"), "man", 'b',
                             1, "x"},
                    NounCase{"earlier_record_is_not_read_again", NounRecord("mannen", "x", "y", "z") + kMan, "man", 'b',
                             1, "mannen"},
                    NounCase{"second_record_of_the_key_no_longer_matches",
                             kMan + NounRecord("man", "x", "y", "z"), "man", 'b', 3, "m\xE4nnen"},
                    NounCase{"second_record_of_the_key_matches_while_unchanged",
                             NounRecord("man", "man", "y", "z") + NounRecord("man", "x", "y", "z"), "man", 'b', 1,
                             "x"},
                    NounCase{"empty_file", "", "man", 'b', 1, "man"}),
    NameOf<NounCase>);

struct VerbRecordCase {
    const char* name;
    std::string records;
    std::string form;
    int formCode;
    std::string expected;
};

class IrregularVerbEdges : public testing::TestWithParam<VerbRecordCase> {};

TEST_P(IrregularVerbEdges, ReplaceTheForm) {
    const VerbRecordCase& c = GetParam();
    reference::Files files;
    files.svVerb1 = c.records;
    const auto lexicon = Load(c.name, files);
    const TranslationState s(*lexicon);
    Str30 form(c.form);
    LookupIrregularVerb(s, form, c.formCode);
    EXPECT_EQ(form.view(), c.expected);
}

const std::string kGa = VerbRecord("g\xE5", "gick", "g\xE5tt", "g\xE5ngen", "g\xE5r", "g\xE5\x65nde");
const std::string kLong = VerbRecord("abcdefghijklmnopqrst", "PPPPPPPPPPPPPPPPPPPP", "s", "p", "RRRRRRRRRRRRRRRRRRRR",
                                     "012345678901234567890123456789");

INSTANTIATE_TEST_SUITE_P(
    Cases, IrregularVerbEdges,
    testing::Values(VerbRecordCase{"present", kGa, "g\xE5", 4, "g\xE5r"},
                    VerbRecordCase{"present_of_code_455", kGa, "g\xE5", 455, "g\xE5r"},
                    VerbRecordCase{"past", kGa, "g\xE5", 470, "gick"},
                    VerbRecordCase{"present_and_past", kGa, "g\xE5", 7, "g\xE5r/gick"},
                    VerbRecordCase{"supine", kGa, "g\xE5", 13, "g\xE5tt"},
                    VerbRecordCase{"present_participle", kGa, "g\xE5", 11, "g\xE5\x65nde"},
                    VerbRecordCase{"past_participle", kGa, "g\xE5", 77, "g\xE5ngen"},
                    VerbRecordCase{"other_code", kGa, "g\xE5", 9, "g\xE5"},
                    VerbRecordCase{"absent_verb", kGa, "ta", 4, "ta"},
                    VerbRecordCase{"case_counts", kGa, "G\xE5", 4, "G\xE5"},
                    VerbRecordCase{"twenty_character_key", kLong, "abcdefghijklmnopqrst", 11,
                                   "012345678901234567890123456789"},
                    VerbRecordCase{"present_and_past_cut_to_thirty", kLong, "abcdefghijklmnopqrst", 7,
                                   "RRRRRRRRRRRRRRRRRRRR/PPPPPPPPP"},
                    VerbRecordCase{"later_record_takes_the_new_form", kGa + VerbRecord("g\xE5r", "x", "x", "x", "y", "x"),
                                   "g\xE5", 4, "y"}),
    NameOf<VerbRecordCase>);

TEST(Acronyms, EachRowOfTheTable) {
    static const Lexicon lexicon;
    TranslationState s(lexicon);
    for (const auto& [spanish, swedish] : {std::pair{"FP", "yrkesutbildning"}, std::pair{"ONU", "FN"},
                                           std::pair{"OPEP", "OPEC"}, std::pair{"UE", "EU"}}) {
        s.LookupWord = spanish;
        s.StagedWord.SvWord = "-";
        bool found = false;
        LookupAcronym(s, found);
        EXPECT_TRUE(found) << spanish;
        EXPECT_EQ(s.StagedWord.SvWord.view(), swedish);
    }
    s.LookupWord = "EEUU";
    s.StagedWord.SvWord = "-";
    bool found = false;
    LookupAcronym(s, found);
    EXPECT_FALSE(found);
    EXPECT_EQ(s.StagedWord.SvWord.view(), "-");
}

}  // namespace
}  // namespace quelvo
