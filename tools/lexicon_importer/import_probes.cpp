#include "import_probes.h"

#include <array>

namespace quelvo::limp {
namespace {

struct VerbEndings {
    std::string_view infinitive;
    std::array<std::string_view, 21> endings;
};
constexpr VerbEndings kVerbProbes[] = {
    {"ar", {"o", "as", "a", "amos", "an", "é", "aste", "ó", "aron", "aba", "aban", "e", "es", "en", "ado", "ada",
            "ados", "ando", "ará", "aría", "ara"}},
    {"er", {"o", "es", "e", "emos", "en", "í", "iste", "ió", "ieron", "ía", "ían", "a", "as", "an", "ido", "ida",
            "idos", "iendo", "erá", "ería", "iera"}},
    {"ir", {"o", "es", "e", "imos", "en", "í", "iste", "ió", "ieron", "ía", "ían", "a", "as", "an", "ido", "ida",
            "idos", "iendo", "irá", "iría", "iera"}},
};
// Plurals and feminines of nouns and adjectives.
constexpr std::string_view kNominalEndings[] = {"s", "es"};
constexpr std::string_view kMasculineReplacements[] = {"a", "as", "os"};

void AddNominalForms(const std::string& word, std::set<std::string>& probes) {
    for (const std::string_view e : kNominalEndings) probes.insert(word + std::string(e));
    if (!word.ends_with('o')) return;
    for (const std::string_view e : kMasculineReplacements) probes.insert(word.substr(0, word.size() - 1) + std::string(e));
}

void AddVerbForms(const std::string& verb, std::set<std::string>& probes) {
    for (const VerbEndings& v : kVerbProbes) {
        if (!verb.ends_with(v.infinitive)) continue;
        const std::string stem = verb.substr(0, verb.size() - v.infinitive.size());
        for (const std::string_view e : v.endings) probes.insert(stem + std::string(e));
    }
}

}  // namespace

std::vector<std::string> ProbeWords(const HandWritten& handWritten, const std::set<std::string>& names) {
    std::set<std::string> probes;
    for (const std::string& form : handWritten.spanishForms) AddNominalForms(form, probes);
    for (const std::string& verb : handWritten.verbs) AddVerbForms(verb, probes);
    for (const std::string& name : names) {
        std::string capital = name;
        capital[0] = static_cast<char>(capital[0] - ('a' - 'A'));
        if (name[0] >= 'a' && name[0] <= 'z') probes.insert(capital);
    }
    return {probes.begin(), probes.end()};
}

}  // namespace quelvo::limp
