#include "swedish_classes.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

namespace quelvo::limp {
namespace {

// The regular declension classes: letters cut from the dictionary form, then
// the endings of indefinite and definite singular and plural.
struct Declension {
    int number;
    int cut;
    std::array<std::string_view, 4> endings;
};
constexpr Declension kDeclensions[] = {
    {4, 0, {"", "en", "ar", "arna"}},      {1, 1, {"a", "an", "or", "orna"}},    {2, 0, {"", "en", "or", "orna"}},
    {3, 1, {"e", "en", "ar", "arna"}},     {5, 0, {"", "en", "er", "erna"}},     {11, 0, {"", "et", "", "en"}},
    {10, 0, {"", "t", "n", "na"}},         {9, 0, {"", "et", "er", "erna"}},     {7, 0, {"", "n", "", "na"}},
    {8, 0, {"", "n", "er", "erna"}},       {12, 1, {"e", "en", "e", "na"}},      {13, 0, {"", "n", "r", "rna"}},
    {14, 1, {"e", "en", "er", "erna"}},    {16, 2, {"el", "let", "el", "len"}},  {17, 2, {"er", "ret", "er", "ren"}},
    {18, 3, {"mer", "ret", "mer", "ren"}}, {19, 2, {"en", "net", "en", "nen"}},  {20, 2, {"er", "ern", "rar", "rarna"}},
    {21, 2, {"el", "eln", "lar", "larna"}}, {23, 2, {"en", "nen", "nar", "narna"}}, {24, 0, {"", "n", "ar", "arna"}},
    {25, 2, {"um", "et", "er", "erna"}},   {26, 2, {"er", "ern", "rer", "rerna"}}, {27, 0, {"", "met", "", "men"}},
    {29, 0, {"", "men", "mar", "marna"}},  {30, 2, {"on", "onen", "nar", "narna"}}, {31, 0, {"", "n", "er", "erna"}},
    {32, 0, {"", "et", "er", "erna"}},     {33, 3, {"mel", "len", "lar", "larna"}}, {34, 0, {"", "nen", "ner", "nerna"}},
    {36, 0, {"", "en", "er", "erna"}},     {40, 2, {"el", "eln", "ler", "lerna"}},
};
constexpr std::string_view kNounSlotNames[] = {"sg ind", "sg def", "pl ind", "pl def"};
constexpr std::span<const std::string_view, 4> kNounSlots(kNounSlotNames);

// Adjective classes: cut, then common singular, neuter singular, plural.
struct AdjectiveClass {
    int number;
    int cut;
    std::array<std::string_view, 3> endings;
};
constexpr AdjectiveClass kAdjectiveClasses[] = {
    {1, 0, {"", "t", "a"}},      {2, 1, {"d", "t", "da"}},    {4, 0, {"", "tt", "a"}},   {5, 2, {"en", "et", "na"}},
    {6, 2, {"el", "elt", "la"}}, {7, 0, {"", "t", "ma"}},     {8, 0, {"", "", "a"}},     {10, 2, {"er", "ert", "ra"}},
    {13, 2, {"dd", "tt", "dda"}}, {14, 1, {"d", "tt", "da"}}, {20, 2, {"ad", "at", "ade"}}, {0, 0, {"", "", ""}},
};
constexpr std::array<std::string_view, 3> kAdjectiveSlots = {"ut sg", "nt sg", "un pl"};
constexpr int kComparisonInflected = 1;  // "-are", "-ast"

// Verb groups: cut and ending of present, past, supine; the participle is
// checked only where the group forms one.
struct VerbGroup {
    int number;
    std::array<std::pair<int, std::string_view>, 4> forms;
    bool formsParticiple;
};
constexpr VerbGroup kVerbGroups[] = {
    {1, {{{0, "r"}, {0, "de"}, {0, "t"}, {0, "d"}}}, true},
    {4, {{{0, "r"}, {0, "dde"}, {0, "tt"}, {0, ""}}}, false},
    {2, {{{1, "er"}, {1, "te"}, {1, "t"}, {1, "t"}}}, true},
    {3, {{{1, "er"}, {1, "de"}, {1, "t"}, {1, "d"}}}, true},
    {6, {{{1, "er"}, {2, "de"}, {2, "t"}, {0, ""}}}, false},
    {7, {{{1, "er"}, {1, "de"}, {2, "tt"}, {0, ""}}}, false},
    {10, {{{1, ""}, {1, "de"}, {1, "t"}, {0, ""}}}, false},
    {11, {{{2, "mer"}, {2, "de"}, {2, "t"}, {0, ""}}}, false},
    {13, {{{1, "er"}, {2, "te"}, {1, ""}, {0, ""}}}, false},
};
constexpr std::array<std::string_view, 4> kVerbSlots = {"pres", "past", "supn", "pp"};
constexpr std::array<std::string_view, 3> kSVerbSlots = {"s-pres", "s-past", "s-supn"};
constexpr std::array<std::string_view, 3> kSVerbEndings = {"", "des", "ts"};  // after cutting the "s"

// Noun endings after which a compound takes a joining "s" ("tidningsartikel").
constexpr std::string_view kJoiningSEndings[] = {"ning", "het", "tion", "sion", "dom", "skap", "itet", "nad", "else"};

SwedishCodes Labelled(std::string wordClass, std::string gender = {}) {
    SwedishCodes codes;
    codes.wordClass = std::move(wordClass);
    codes.gender = std::move(gender);
    return codes;
}

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// `word` less its last `letters` letters (UTF-8); nullopt when too short.
std::optional<std::string> CutLetters(const std::string& word, int letters) {
    std::size_t end = word.size();
    for (int i = 0; i < letters; ++i) {
        if (end == 0) return std::nullopt;
        do --end;
        while (end > 0 && IsContinuationByte(word[end]));
    }
    if (end == 0 && letters > 0) return std::nullopt;
    return word.substr(0, end);
}

bool Has(const SwedishWord& w, std::string_view slot, const std::string& form) {
    const auto& forms = w.Forms(std::string(slot));
    return std::ranges::find(forms, form) != forms.end();
}

// A slot that the morphology does not fill is not held against a class.
bool Fits(const SwedishWord& w, std::string_view slot, const std::string& form) {
    return w.Forms(std::string(slot)).empty() || Has(w, slot, form);
}

std::string FirstForm(const SwedishWord& w, std::string_view slot) {
    const auto& forms = w.Forms(std::string(slot));
    return forms.empty() ? std::string() : forms.front();
}

std::optional<SwedishCodes> NounCodes(const SwedishWord& w) {
    if (w.Forms("sg def").empty() || (w.gender != "ut" && w.gender != "nt")) return std::nullopt;
    SwedishCodes codes = Labelled("n", w.gender == "nt" ? "t" : "n");
    for (const std::string_view ending : kJoiningSEndings)
        if (w.lemma.ends_with(ending)) codes.compound = "add-s";
    for (const Declension& d : kDeclensions) {
        const std::optional<std::string> stem = CutLetters(w.lemma, d.cut);
        if (!stem || *stem + std::string(d.endings[0]) != w.lemma) continue;
        bool fits = true;
        for (std::size_t i = 1; i < kNounSlots.size(); ++i) fits = fits && Fits(w, kNounSlots[i], *stem + std::string(d.endings[i]));
        if (fits) {
            codes.declension = d.number;
            return codes;
        }
    }
    codes.irregular.push_back(w.lemma);
    for (const std::string_view slot : kNounSlots.subspan<1>()) codes.irregular.push_back(FirstForm(w, slot));
    if (std::ranges::any_of(codes.irregular, [](const std::string& f) { return f.empty(); })) return std::nullopt;
    codes.declension = kIrregularDeclension;
    return codes;
}

std::optional<SwedishCodes> AdjectiveCodes(const SwedishWord& w) {
    SwedishCodes codes = Labelled("adj");
    const std::string neuter = FirstForm(w, "nt sg"), plural = FirstForm(w, "un pl");
    if (neuter.empty() || plural.empty()) return std::nullopt;
    if (Has(w, "comp", w.lemma + "are") && Has(w, "sup", w.lemma + "ast") && !w.lemma.ends_with('m'))
        codes.comparison = kComparisonInflected;
    for (const AdjectiveClass& a : kAdjectiveClasses) {
        const std::optional<std::string> stem = CutLetters(w.lemma, a.cut);
        if (!stem || *stem + std::string(a.endings[0]) != w.lemma) continue;
        if (Has(w, kAdjectiveSlots[1], *stem + std::string(a.endings[1])) &&
            Has(w, kAdjectiveSlots[2], *stem + std::string(a.endings[2]))) {
            codes.adjective = a.number;
            return codes;
        }
    }
    return std::nullopt;
}

bool FitsGroup(const SwedishWord& w, const VerbGroup& g) {
    for (std::size_t i = 0; i < kVerbSlots.size(); ++i) {
        if (i == kVerbSlots.size() - 1 && !g.formsParticiple) break;
        const std::optional<std::string> stem = CutLetters(w.lemma, g.forms[i].first);
        const bool required = i < kVerbSlots.size() - 1;
        if (!stem || (required ? !Has(w, kVerbSlots[i], *stem + std::string(g.forms[i].second))
                               : !Fits(w, kVerbSlots[i], *stem + std::string(g.forms[i].second))))
            return false;
    }
    return true;
}

std::optional<SwedishCodes> SVerbCodes(const SwedishWord& w) {
    const std::optional<std::string> stem = CutLetters(w.lemma, 1);
    if (!stem || !w.lemma.ends_with('s')) return std::nullopt;
    for (std::size_t i = 0; i < kSVerbSlots.size(); ++i)
        if (!Has(w, kSVerbSlots[i], (i == 0 ? w.lemma : *stem) + std::string(kSVerbEndings[i]))) return std::nullopt;
    SwedishCodes codes = Labelled("v");
    codes.group = kSVerbGroup;
    return codes;
}

std::optional<SwedishCodes> VerbCodes(const SwedishWord& w) {
    if (w.Forms("pres").empty()) return SVerbCodes(w);
    SwedishCodes codes = Labelled("v");
    for (const VerbGroup& g : kVerbGroups)
        if (FitsGroup(w, g)) {
            codes.group = g.number;
            return codes;
        }
    codes.irregular = {w.lemma, FirstForm(w, "past"), FirstForm(w, "supn"), FirstForm(w, "pp"), FirstForm(w, "pres"),
                       FirstForm(w, "pprs")};
    if (codes.irregular[1].empty() || codes.irregular[2].empty()) return std::nullopt;
    codes.group = kIrregularVerbGroup;
    return codes;
}

}  // namespace

std::optional<SwedishCodes> DeriveCodes(const KnownWord& known) {
    std::optional<SwedishCodes> codes;
    switch (known.word->wordClass) {
        case WordClass::Noun: codes = NounCodes(*known.word); break;
        case WordClass::Adjective: codes = AdjectiveCodes(*known.word); break;
        case WordClass::Verb: codes = VerbCodes(*known.word); break;
        case WordClass::Adverb: codes = Labelled("adv"); break;
    }
    if (codes)
        for (std::string& form : codes->irregular)
            if (!form.empty()) form.insert(0, known.prefix);
    return codes;
}

}  // namespace quelvo::limp
