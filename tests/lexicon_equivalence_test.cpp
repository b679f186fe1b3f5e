// Every indexed lookup against a plain scan of the same generated files, over
// many keys, including what each leaves in the staged word.
#include <gtest/gtest.h>

#include <sstream>

#include "lexicon/lexicon.h"
#include "lexicon/lookups.h"
#include "lexicon_generator.h"

namespace quelvo {
namespace {

using generated::Generator;
using generated::Profile;

std::string Shown(const WordFields& w) {
    std::ostringstream out;
    out << "SpWord=" << w.SpWord.view() << " SvWord=" << w.SvWord.view() << " SvForm=" << w.SvForm.view()
        << " SpText=" << w.SpText.view() << " SvKey=" << w.SvKey.view() << " SpCode=" << w.SpCode1 << ","
        << w.SpCode2 << "," << w.SpCode3 << " SpClass=" << w.SpClass << " SvCode=" << w.SvCode1 << "," << w.SvCode2
        << "," << w.SvCode3 << "," << w.SvCode4 << " SvClass=" << w.SvClass << " FormCode=" << w.FormCode
        << " PersonNo=" << w.PersonNo << " ClassTag=" << w.ClassTag.view() << " DefMark=" << w.DefMark
        << " Gender=" << w.Gender << " Known=" << int(w.Known);
    return out.str();
}

// A staged word left over from earlier lookups, so that untouched fields show.
WordFields Leftover(Generator& g) {
    WordFields w;
    w.SpWord = g.Word();
    w.SvWord = g.Word();
    w.SvForm = g.Word();
    w.SpText = g.Word();
    w.SvKey = std::to_string(g.Pick(50));
    w.SpCode1 = static_cast<std::uint16_t>(g.Pick(65536));
    w.SpCode3 = 7;
    w.SpClass = 3;
    w.SvCode2 = static_cast<std::uint16_t>(g.Pick(65536));
    w.SvClass = 9;
    w.FormCode = static_cast<std::int32_t>(g.Pick(500));
    w.PersonNo = static_cast<std::int32_t>(g.Pick(7));
    w.ClassTag = "adj";
    w.Gender = 't';
    w.Known = 1;
    return w;
}

// The keys looked up: every word of the files, cut and lengthened forms of
// them, and words that are in no file.
std::vector<std::string> Probes(Generator& g) {
    std::vector<std::string> probes = g.Words();
    for (const std::string& w : g.Words()) {
        for (std::size_t cut : {5u, 19u, 25u, 29u, 30u}) {
            if (w.size() > cut) probes.push_back(w.substr(0, cut));
        }
        probes.push_back(w + "!" + g.Word());
    }
    for (int i = 0; i < 20; ++i) probes.push_back(g.NewWord());
    probes.insert(probes.end(), {"", "!", "Not Found", "Not Nound"});
    return probes;
}

// How many lookups found something, so that a run in which nothing matches
// cannot pass unnoticed.
struct Hits {
    int spanish = 0;
    int swedish = 0;
    int form = 0;
    int verb = 0;
    int phrase = 0;
    int irregular = 0;
};

class Comparison {
public:
    Comparison(const Lexicon& lexicon, const reference::Files& files, Generator& g)
        : s_(lexicon), files_(files), g_(g), probes_(Probes(g)) {}

    void SpanishWords() {
        for (const std::string& probe : probes_) {
            for (bool tryForm : {false, true}) {
                Stage(probe);
                bool found = g_.Chance(50);
                bool expected = found;
                if (tryForm) {
                    TryLookup(s_, found);
                    bool own = false;
                    reference::LookupSpanishWord(files_, ref_, own);
                    expected = expected || own;
                } else {
                    LookupSpanishWord(s_, found);
                    reference::LookupSpanishWord(files_, ref_, expected);
                }
                Compare(probe, found, expected);
                hits_.spanish += expected ? 1 : 0;
            }
        }
    }

    void SwedishEntries() {
        std::vector<std::string> keys = {"Not Fo", "", "0", "7", "007", "0007", " 7", "+7", "-3", "12a", "123456"};
        for (int i = 0; i < 200; ++i) keys.push_back(std::to_string(g_.Pick(400)));
        for (const std::string& key : keys) {
            Stage(g_.Word());
            s_.StagedWord.SvKey = ref_.staged.SvKey = key;
            bool found = false;
            bool expected = false;
            LookupSwedishEntry(s_, found);
            reference::LookupSwedishEntry(files_, ref_, expected);
            Compare(key, found, expected);
            hits_.swedish += expected ? 1 : 0;
        }
    }

    void FormEntries() {
        for (const std::string& probe : probes_) {
            Stage(g_.Word());
            s_.StagedWord.SvKey = ref_.staged.SvKey = "x";
            WordNode node;
            node.SpWord = probe;
            LookupFormEntry(s_, node);
            reference::LookupFormEntry(files_, ref_, node);
            Compare(probe, false, false);
            EXPECT_EQ(node.SpWord.view(), Str30(probe).view());
            hits_.form += ref_.staged.SvKey == Str6("x") ? 0 : 1;
        }
    }

    void VerbForms() {
        for (const std::string& probe : probes_) {
            Stage(g_.Word());
            Str30 word(probe);
            Str30 expectedWord(probe);
            bool found = false;
            bool expected = false;
            int formCode = -7;
            int expectedCode = -7;
            LookupVerbForm(s_, word, found, formCode);
            reference::LookupVerbForm(files_, ref_, expectedWord, expected, expectedCode);
            Compare(probe, found, expected);
            EXPECT_EQ(word.view(), expectedWord.view()) << probe;
            EXPECT_EQ(formCode, expectedCode) << probe;
            hits_.verb += expected ? 1 : 0;
        }
    }

    void Phrases() {
        for (int sentence = 0; sentence < 300; ++sentence) {
            std::vector<WordNode> nodes(1 + g_.Pick(6));
            for (std::size_t i = 0; i < nodes.size(); ++i) {
                nodes[i].SpWord = g_.Word();
                if (i > 0) {
                    nodes[i].Prev = &nodes[i - 1];
                    nodes[i - 1].Next = &nodes[i];
                }
            }
            for (const WordNode& node : nodes) {
                const Str30 word = g_.Chance(90) ? node.SpWord : Str30(g_.Word());
                ResetPhrase();
                bool found = false;
                bool expected = false;
                FindPhrase(s_, word, &node, found);
                reference::FindPhrase(files_, ref_, word, &node, expected);
                EXPECT_EQ(found, expected) << word.view();
                hits_.phrase += expected ? 1 : 0;
                EXPECT_EQ(s_.PhraseWordCount, ref_.phraseWordCount) << word.view();
                EXPECT_EQ(s_.PhraseSv.view(), ref_.phraseSv.view()) << word.view();
                EXPECT_EQ(s_.PhraseSp.view(), ref_.phraseSp.view()) << word.view();
                EXPECT_EQ(s_.PhraseClassWord.view(), ref_.phraseClassWord.view()) << word.view();
                EXPECT_EQ(s_.PhraseNumber.view(), ref_.phraseNumber.view()) << word.view();
            }
        }
    }

    void IrregularForms() {
        for (const std::string& probe : probes_) {
            for (char definiteness : {'b', 'o', ' '}) {
                for (int number : {0, 1, 2, 3, 30}) {
                    Str30 form(probe);
                    Str30 expected(probe);
                    LookupIrregularNoun(s_, form, definiteness, number);
                    reference::LookupIrregularNoun(files_, expected, definiteness, number);
                    EXPECT_EQ(form.view(), expected.view()) << probe << " " << definiteness << number;
                    hits_.irregular += expected == Str30(probe) ? 0 : 1;
                }
            }
            for (int formCode : {1, 4, 5, 6, 7, 8, 10, 11, 13, 14, 15, 20, 77, 99, 450, 455, 460, 470}) {
                Str30 form(probe);
                Str30 expected(probe);
                LookupIrregularVerb(s_, form, formCode);
                reference::LookupIrregularVerb(files_, expected, formCode);
                EXPECT_EQ(form.view(), expected.view()) << probe << " " << formCode;
                hits_.irregular += expected == Str30(probe) ? 0 : 1;
            }
        }
    }

    void EveryLookup() {
        SpanishWords();
        SwedishEntries();
        FormEntries();
        VerbForms();
        Phrases();
        IrregularForms();
    }

    const Hits& Found() const { return hits_; }

private:
    void Stage(const std::string& lookupWord) {
        ref_.staged = s_.StagedWord = Leftover(g_);
        ref_.lookupWord = s_.LookupWord = lookupWord;
    }

    void ResetPhrase() {
        ref_.phraseWordCount = s_.PhraseWordCount = 99;
        ref_.phraseSv = s_.PhraseSv = "sv";
        ref_.phraseSp = s_.PhraseSp = "sp";
        ref_.phraseClassWord = s_.PhraseClassWord = "cl";
        ref_.phraseNumber = s_.PhraseNumber = "n";
    }

    void Compare(const std::string& key, bool found, bool expected) {
        EXPECT_EQ(found, expected) << key;
        EXPECT_EQ(Shown(s_.StagedWord), Shown(ref_.staged)) << key;
    }

    TranslationState s_;
    reference::State ref_;
    const reference::Files& files_;
    Generator& g_;
    std::vector<std::string> probes_;
    Hits hits_;
};

class LexiconEquivalence : public testing::TestWithParam<Profile> {};

TEST_P(LexiconEquivalence, EveryLookupGivesWhatTheScanGives) {
    Hits total;
    for (unsigned seed = 1; seed <= 3; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Generator g(GetParam(), seed);
        const reference::Files files = g.Files();
        auto loaded = generated::LoadFiles(std::string(GetParam().name) + std::to_string(seed), files);
        if (const auto* error = std::get_if<DataError>(&loaded)) FAIL() << error->Describe();
        Comparison c(*std::get<std::shared_ptr<const Lexicon>>(loaded), files, g);
        c.EveryLookup();
        total.spanish += c.Found().spanish;
        total.swedish += c.Found().swedish;
        total.form += c.Found().form;
        total.verb += c.Found().verb;
        total.phrase += c.Found().phrase;
        total.irregular += c.Found().irregular;
    }
    EXPECT_GT(total.spanish, 0);
    EXPECT_GT(total.swedish, 0);
    EXPECT_GT(total.form, 0);
    EXPECT_GT(total.verb, 0);
    EXPECT_GT(total.phrase, 0);
    EXPECT_GT(total.irregular, 0);
}

// Files of which one is a random run of words, TABs, line ends and the
// characters that end fields and files: the lexicon either refuses the file,
// naming it, or answers every lookup as the scan does.
TEST(LexiconNoise, RefusedOrReadAsTheScanReadsIt) {
    static const char* const names[] = {"SpOrd.txt", "SvFile.txt", "SbAdj.txt", "FrasText.txt",
                                        "Spvb.dat", "SvVerb1.pek", "OregSubs.pek"};
    const Profile profile{"noise", 40, 8, false, false, true, false, false};
    int loaded = 0;
    for (unsigned seed = 1; seed <= 140; ++seed) {
        Generator g(profile, seed);
        const int which = static_cast<int>(seed % 7);
        const reference::Files files = g.FilesWithNoise(which);
        auto result = generated::LoadFiles("noise", files);
        if (const auto* error = std::get_if<DataError>(&result)) {
            EXPECT_NE(error->file.find(names[which]), std::string::npos) << error->Describe();
            EXPECT_FALSE(error->reason.empty());
            continue;
        }
        ++loaded;
        SCOPED_TRACE("seed " + std::to_string(seed));
        Comparison c(*std::get<std::shared_ptr<const Lexicon>>(result), files, g);
        c.EveryLookup();
    }
    EXPECT_GT(loaded, 40);
}

// name, records, vocabulary, bareCr, blankLines, terminator, earlyStop, awkward
INSTANTIATE_TEST_SUITE_P(
    Profiles, LexiconEquivalence,
    testing::Values(Profile{"plain", 400, 150, false, false, true, false, false},
                    Profile{"duplicate_keys", 400, 12, false, false, true, false, false},
                    Profile{"bare_cr", 300, 80, true, false, true, false, false},
                    Profile{"crlf_blank_lines", 300, 80, false, true, true, false, false},
                    Profile{"bare_cr_blank_lines", 300, 80, true, true, true, false, false},
                    Profile{"no_terminator", 300, 40, false, false, false, false, false},
                    Profile{"bang_first_in_record", 600, 60, false, false, true, true, false},
                    Profile{"awkward_fields", 400, 40, false, false, true, false, true},
                    Profile{"everything", 500, 25, true, true, false, true, true}),
    [](const testing::TestParamInfo<Profile>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quelvo
