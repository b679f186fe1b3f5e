#include "pair_sources.h"

#include <algorithm>
#include <array>
#include <bit>
#include <optional>
#include <set>
#include <unordered_map>

#include "import_text.h"

namespace quelvo::limp {
namespace {

constexpr std::string_view kDirect = "swe-spa";
constexpr std::array<std::string_view, 4> kPivots = {"deu", "fra", "ita", "eng"};
constexpr int kNotDirect = 1000;

struct ClassTag {
    std::string_view tag;
    WordClass wordClass;
};
constexpr ClassTag kClassTags[] = {
    {"n", WordClass::Noun},         {"v", WordClass::Verb},        {"vblex", WordClass::Verb},
    {"adj", WordClass::Adjective},  {"adv", WordClass::Adverb},
};
constexpr WordClass kAllClasses[] = {WordClass::Noun, WordClass::Verb, WordClass::Adjective, WordClass::Adverb};
constexpr std::string_view kVerbEndings[] = {"ar", "er", "ir", "ír"};
// The letters beyond a-z that Spanish writes; a word with another ("sensibilità")
// is a pivot dictionary's slip.
constexpr std::string_view kSpanishLetters[] = {"á", "é", "í", "ó", "ú", "ü", "ñ"};

bool IsSpanishSpelling(std::string_view word) {
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (static_cast<unsigned char>(word[i]) < 0x80) continue;
        const std::string_view letter = word.substr(i, 2);
        if (std::ranges::find(kSpanishLetters, letter) == std::end(kSpanishLetters)) return false;
        ++i;
    }
    return true;
}

// The classes a dictionary tag allows: its own, every class when the tag is
// missing, none for names, prepositions and the like.
std::vector<WordClass> ClassesOf(std::string_view tag) {
    if (tag.empty()) return {std::begin(kAllClasses), std::end(kAllClasses)};
    for (const ClassTag& t : kClassTags)
        if (t.tag == tag) return {t.wordClass};
    return {};
}

bool LooksLikeInfinitive(std::string_view spanish) {
    return std::ranges::any_of(kVerbEndings, [&](std::string_view e) { return spanish.ends_with(e); });
}

struct Tagged {
    std::string word;
    std::vector<WordClass> classes;
};

// Word -> its partners with the classes the dictionary allows, both directions merged.
using Links = std::unordered_map<std::string, std::vector<Tagged>>;

void AddLinks(const DictionarySet& dictionaries, const std::string& name, bool headwordIsKey, Links& links) {
    const auto it = dictionaries.find(name);
    if (it == dictionaries.end()) return;
    for (const Article& a : it->second) {
        const std::vector<WordClass> classes = ClassesOf(a.partOfSpeech);
        if (classes.empty() || a.headword.empty()) continue;
        for (const std::string& t : a.translations) {
            if (headwordIsKey) links[LowerCase(a.headword)].push_back({t, classes});
            else links[LowerCase(t)].push_back({a.headword, classes});
        }
    }
}

std::vector<WordClass> Common(const std::vector<WordClass>& a, const std::vector<WordClass>& b) {
    std::vector<WordClass> out;
    for (const WordClass c : a)
        if (std::ranges::find(b, c) != b.end()) out.push_back(c);
    return out;
}

class CandidateTable {
public:
    explicit CandidateTable(const Morphology& morphology) : morphology_(morphology) {}

    void Add(const std::string& spanish, const std::string& swedish, const std::vector<WordClass>& classes,
             int sourceBit, int directRank) {
        if (!IsLowerCaseWord(spanish) || !IsSpanishSpelling(spanish) || !IsLowerCaseWord(swedish)) return;
        for (const WordClass c : classes) {
            if ((c == WordClass::Verb) != LooksLikeInfinitive(spanish) || !morphology_.Resolve(swedish, c)) continue;
            auto& lemma = lemmas_[{spanish, c}];
            auto found = std::ranges::find(lemma, swedish, &Candidate::swedish);
            if (found == lemma.end()) {
                lemma.push_back({swedish, 0, kNotDirect, order_++});
                found = lemma.end() - 1;
            }
            found->sources |= 1U << sourceBit;
            found->directRank = std::min(found->directRank, directRank);
        }
    }

    std::vector<SpanishLemma> Ranked() const {
        std::vector<SpanishLemma> out;
        for (const auto& [key, candidates] : lemmas_) {
            SpanishLemma lemma{key.first, key.second, candidates};
            std::ranges::sort(lemma.candidates, [](const Candidate& a, const Candidate& b) {
                if (a.Agreeing() != b.Agreeing()) return a.Agreeing() > b.Agreeing();
                if (a.directRank != b.directRank) return a.directRank < b.directRank;
                return a.order < b.order;
            });
            out.push_back(std::move(lemma));
        }
        return out;
    }

private:
    const Morphology& morphology_;
    std::map<std::pair<std::string, WordClass>, std::vector<Candidate>> lemmas_;
    int order_ = 0;
};

void AddDirect(const DictionarySet& dictionaries, CandidateTable& table) {
    const auto it = dictionaries.find(std::string(kDirect));
    if (it == dictionaries.end()) return;
    for (const Article& a : it->second)
        for (std::size_t i = 0; i < a.translations.size(); ++i)
            table.Add(a.translations[i], a.headword, ClassesOf(a.partOfSpeech), 0, static_cast<int>(i));
}

void AddPivot(const DictionarySet& dictionaries, const std::string& pivot, int bit, CandidateTable& table) {
    Links spanishSide;  // pivot word -> Spanish words
    AddLinks(dictionaries, "spa-" + pivot, false, spanishSide);
    AddLinks(dictionaries, pivot + "-spa", true, spanishSide);
    Links swedishSide;  // pivot word -> Swedish words
    AddLinks(dictionaries, pivot + "-swe", true, swedishSide);
    AddLinks(dictionaries, "swe-" + pivot, false, swedishSide);
    for (const auto& [pivotWord, spanishWords] : spanishSide) {
        const auto other = swedishSide.find(pivotWord);
        if (other == swedishSide.end()) continue;
        for (const Tagged& s : spanishWords)
            for (const Tagged& w : other->second) table.Add(s.word, w.word, Common(s.classes, w.classes), bit, kNotDirect);
    }
}

}  // namespace

int Candidate::Agreeing() const { return std::popcount(sources); }

std::vector<std::string> SourceNames() {
    std::vector<std::string> names{std::string(kDirect)};
    for (const std::string_view p : kPivots) names.emplace_back(p);
    return names;
}

unsigned SourceBit(std::string_view name) {
    const std::vector<std::string> names = SourceNames();
    return 1U << static_cast<unsigned>(std::ranges::find(names, name) - names.begin());
}

std::string DescribeSources(unsigned sources) {
    std::string out;
    const std::vector<std::string> names = SourceNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (((sources >> i) & 1U) == 0) continue;
        if (!out.empty()) out += '+';
        out += names[i];
    }
    return out;
}

std::vector<SpanishLemma> CollectCandidates(const DictionarySet& dictionaries, const Morphology& morphology) {
    CandidateTable table(morphology);
    AddDirect(dictionaries, table);
    for (std::size_t i = 0; i < kPivots.size(); ++i)
        AddPivot(dictionaries, std::string(kPivots[i]), static_cast<int>(i + 1), table);
    return table.Ranked();
}

std::set<std::string> SpanishNamesOf(const DictionarySet& dictionaries) {
    std::set<std::string> names;
    const auto addName = [&](const std::string& word) {
        const std::string lower = LowerCase(word);
        if (lower != word && IsLowerCaseWord(lower)) names.insert(lower);
    };
    for (const auto& [name, articles] : dictionaries)
        for (const Article& a : articles) {
            if (name.starts_with("spa-")) addName(a.headword);
            if (!name.ends_with("-spa")) continue;
            for (const std::string& t : a.translations) addName(t);
        }
    return names;
}

std::vector<std::string> SwedishWordsOf(const DictionarySet& dictionaries) {
    std::set<std::string> words;
    for (const auto& [name, articles] : dictionaries) {
        const bool swedishHead = name.starts_with("swe-"), swedishTarget = name.ends_with("-swe");
        for (const Article& a : articles) {
            if (swedishHead && IsLowerCaseWord(a.headword)) words.insert(a.headword);
            if (!swedishTarget) continue;
            for (const std::string& t : a.translations)
                if (IsLowerCaseWord(t)) words.insert(t);
        }
    }
    return {words.begin(), words.end()};
}

}  // namespace quelvo::limp
