// Loading a dictionary directory of realistic size, and each lookup on it.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/translation_state.h"
#include "lexicon/lexicon.h"
#include "lexicon/lookups.h"

namespace quelvo {
namespace {

constexpr int kSpanishForms = 50000;
constexpr int kSwedishEntries = 30000;
constexpr int kFormEntries = 10000;
constexpr int kVerbLines = 3000;
constexpr int kPhraseSections = 300;
constexpr int kPhrasesPerSection = 6;
constexpr int kIrregularVerbs = 200;
constexpr int kIrregularNouns = 100;

// A made-up word of 4 to 12 letters, distinct for each number.
std::string WordOf(int n, const std::string& ending) {
    static const std::string letters = "abcdefghilmnoprstuvz\xE1\xE9\xED\xF3\xFA\xF1";
    std::string w;
    for (std::uint64_t v = static_cast<std::uint64_t>(n) * 2654435761u % 1000003u + 1000; v > 0; v /= letters.size()) {
        w += letters[v % letters.size()];
    }
    return w + std::to_string(n % 7) + ending;
}

std::string Pek(const std::vector<std::string>& texts, const std::vector<std::size_t>& capacities, std::size_t size) {
    std::string record;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string text = texts[i].substr(0, capacities[i]);
        record += static_cast<char>(text.size());
        record += text;
        record.resize(record.size() + capacities[i] - text.size(), '\0');
    }
    record.resize(size, '\0');
    return record;
}

struct Directory {
    std::filesystem::path path;
    std::vector<std::string> spanish, verbForms, formEntries, phraseStarts, irregularVerbs, irregularNouns;

    Directory() : path(std::filesystem::temp_directory_path() / ("quelvo_lexicon_bench_" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path);
        std::string spOrd, svFile, sbAdj, spvb, fras = "*", svVerb1, oregSubs;
        for (int i = 0; i < kSpanishForms; ++i) {
            spanish.push_back(WordOf(i, "o"));
            spOrd += std::to_string(i) + "\t" + spanish.back() + "\t" + std::to_string(i % kSwedishEntries) + "\t" +
                     std::to_string(i % 64 + 64 * (i % 3)) + "\t" + std::to_string(i % 4096) + "\t0\r\n";
        }
        for (int i = 0; i < kSwedishEntries; ++i) {
            svFile += std::to_string(i) + "\t" + WordOf(i + 100000, "a") + "\t" + std::to_string(i % 64) + "\t" +
                      std::to_string(i % 8192) + "\t" + std::to_string(i % 13) + "\t0\r\n";
        }
        for (int i = 0; i < kFormEntries; ++i) {
            formEntries.push_back(WordOf(i, "es"));
            sbAdj += formEntries.back() + "\t" + std::to_string(i * 3 % kSwedishEntries) + "\r\n";
        }
        for (int i = 0; i < kVerbLines; ++i) {
            spvb += WordOf(i / 6, "ar") + "," + std::to_string(4 + i % 6);
            for (int person = 0; person < 6; ++person) {
                verbForms.push_back(WordOf(i * 6 + person, "mos"));
                spvb += "," + verbForms.back();
            }
            spvb += "\r\n";
        }
        for (int i = 0; i < kPhraseSections; ++i) {
            phraseStarts.push_back(spanish[static_cast<std::size_t>(i)]);
            fras += (i > 0 ? "+" : "") + phraseStarts.back() + "&\r\n";
            for (int r = 0; r < kPhrasesPerSection; ++r) {
                fras += (r > 0 ? ",\r\n" : "") + phraseStarts.back() + " " + spanish[static_cast<std::size_t>(i + r + 1)] +
                        "/" + WordOf(r, "") + "/adv/" + std::to_string(r);
            }
            fras += ".\r\n";
        }
        for (int i = 0; i < kIrregularVerbs; ++i) {
            irregularVerbs.push_back(WordOf(i, "a"));
            svVerb1 += Pek({irregularVerbs.back(), "past", "supine", "participle", "present", "presentparticiple"},
                           {20, 20, 20, 20, 20, 30}, 136);
        }
        for (int i = 0; i < kIrregularNouns; ++i) {
            irregularNouns.push_back(WordOf(i, "e"));
            oregSubs += Pek({irregularNouns.back(), "definite", "plural", "definiteplural"}, {30, 30, 30, 30}, 132);
        }
        Write("SpOrd.txt", spOrd + "!");
        Write("SvFile.txt", svFile + "!");
        Write("SbAdj.txt", sbAdj + "!");
        Write("Spvb.dat", spvb + "!");
        Write("FrasText.txt", fras + "#");
        Write("SvVerb1.pek", svVerb1);
        Write("OregSubs.pek", oregSubs);
    }
    ~Directory() { std::filesystem::remove_all(path); }

    void Write(const char* name, const std::string& bytes) const { std::ofstream(path / name, std::ios::binary) << bytes; }
};

const Directory& Dir() {
    static const Directory dir;
    return dir;
}

std::shared_ptr<const Lexicon> Loaded() {
    static const auto lexicon = std::get<std::shared_ptr<const Lexicon>>(Lexicon::Load(Dir().path));
    return lexicon;
}

void BM_Load(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Lexicon::Load(Dir().path));
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

void BM_LookupSpanishWord(benchmark::State& state) {
    TranslationState s(*Loaded());
    const auto& words = Dir().spanish;
    std::size_t i = 0;
    for (auto _ : state) {
        s.LookupWord = words[i++ % words.size()];
        bool found = false;
        LookupSpanishWord(s, found);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_LookupSpanishWord);

void BM_LookupSpanishWordMissing(benchmark::State& state) {
    TranslationState s(*Loaded());
    const auto& words = Dir().verbForms;
    std::size_t i = 0;
    for (auto _ : state) {
        s.LookupWord = words[i++ % words.size()];
        bool found = false;
        LookupSpanishWord(s, found);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_LookupSpanishWordMissing);

void BM_LookupSwedishEntry(benchmark::State& state) {
    TranslationState s(*Loaded());
    int i = 0;
    for (auto _ : state) {
        s.StagedWord.SvKey = std::to_string(i++ % kSwedishEntries);
        bool found = false;
        LookupSwedishEntry(s, found);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_LookupSwedishEntry);

void BM_LookupFormEntry(benchmark::State& state) {
    TranslationState s(*Loaded());
    const auto& words = Dir().formEntries;
    std::size_t i = 0;
    WordNode node;
    for (auto _ : state) {
        node.SpWord = words[i++ % words.size()];
        LookupFormEntry(s, node);
        benchmark::DoNotOptimize(s.StagedWord.SvCode1);
    }
}
BENCHMARK(BM_LookupFormEntry);

void BM_LookupVerbForm(benchmark::State& state) {
    TranslationState s(*Loaded());
    const auto& words = Dir().verbForms;
    std::size_t i = 0;
    for (auto _ : state) {
        Str30 word(words[i++ % words.size()]);
        bool found = false;
        int formCode = 0;
        LookupVerbForm(s, word, found, formCode);
        benchmark::DoNotOptimize(formCode);
    }
}
BENCHMARK(BM_LookupVerbForm);

// A sentence of three words whose first word opens a section; the phrase
// sought is the section's last record.
void BM_FindPhrase(benchmark::State& state) {
    TranslationState s(*Loaded());
    const auto& spanish = Dir().spanish;
    std::vector<WordNode> nodes(3);
    nodes[0].Next = &nodes[1];
    nodes[1].Next = &nodes[2];
    int i = 0;
    for (auto _ : state) {
        const auto section = static_cast<std::size_t>(i++ % kPhraseSections);
        nodes[0].SpWord = spanish[section];
        nodes[1].SpWord = spanish[section + kPhrasesPerSection];
        bool found = false;
        FindPhrase(s, nodes[0].SpWord, &nodes[0], found);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_FindPhrase);

void BM_LookupIrregularNoun(benchmark::State& state) {
    TranslationState s(*Loaded());
    const auto& words = Dir().irregularNouns;
    std::size_t i = 0;
    for (auto _ : state) {
        Str30 form(words[i++ % words.size()]);
        LookupIrregularNoun(s, form, 'b', 3);
        benchmark::DoNotOptimize(form);
    }
}
BENCHMARK(BM_LookupIrregularNoun);

void BM_LookupIrregularVerb(benchmark::State& state) {
    TranslationState s(*Loaded());
    const auto& words = Dir().irregularVerbs;
    std::size_t i = 0;
    for (auto _ : state) {
        Str30 form(words[i++ % words.size()]);
        LookupIrregularVerb(s, form, 7);
        benchmark::DoNotOptimize(form);
    }
}
BENCHMARK(BM_LookupIrregularVerb);

void BM_LookupAcronym(benchmark::State& state) {
    TranslationState s(*Loaded());
    s.LookupWord = "OPEP";
    for (auto _ : state) {
        bool found = false;
        LookupAcronym(s, found);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_LookupAcronym);

}  // namespace
}  // namespace quelvo
