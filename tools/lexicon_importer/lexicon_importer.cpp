#include "lexicon_importer.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>

#include "spanish_verb_rows.h"
#include "swedish_classes.h"

namespace quelvo::limp {
namespace {

constexpr std::size_t kWordChars = 19;           // the word fields of the text dictionaries
constexpr std::size_t kIrregularVerbChars = 20;  // the form strings of "SvVerb1.pek"
constexpr std::size_t kIrregularNounChars = 30;  // those of "OregSubs.pek"
constexpr std::size_t kVerbFormChars = 30;       // the fields of "Spvb.dat"
constexpr int kAgreeingForHigh = 2;
// A lemma no two sources agree on takes the word of one source, but not of
// the English dictionaries alone: their Spanish often runs words together
// ("paraunapersona").
constexpr std::string_view kUntrustedAlone = "eng";

constexpr std::string_view kSwedishHeader =
    "key\tnumber\tword\tclass\tgender\tdeclension\tadjective\tcomparison\tgroup\tcompound\tflags\tnote";
constexpr std::string_view kSpanishHeader = "spanish\tentry\tclass\tflags\tnote";
constexpr std::string_view kVerbHeader = "infinitive\tform\t1sg\t2sg\t3sg\t1pl\t2pl\t3pl\tnote";
constexpr std::string_view kIrregularVerbHeader =
    "infinitive\tpast\tsupine\tparticiple\tpresent\tpresent_participle\tnote";
constexpr std::string_view kIrregularNounHeader =
    "indefinite_singular\tdefinite_singular\tindefinite_plural\tdefinite_plural\tnote";

struct ClassLabel {
    WordClass wordClass;
    std::string_view spanish;
};
constexpr ClassLabel kSpanishLabels[] = {
    {WordClass::Noun, "n"}, {WordClass::Verb, "v"}, {WordClass::Adjective, "adj"}, {WordClass::Adverb, "adv"}};

// Regular present, participle and gerund endings whose forms a noun must not
// hide ("muestra", "cansado"): infinitive ending, then the endings after the stem.
struct VerbFormEndings {
    std::string_view infinitive;
    std::array<std::string_view, 4> forms;
};
constexpr VerbFormEndings kHiddenVerbForms[] = {
    {"ar", {"a", "ado", "ada", "ando"}}, {"er", {"e", "ido", "ida", "iendo"}}, {"ir", {"e", "ido", "ida", "iendo"}}};

std::string_view SpanishLabel(WordClass c) {
    return std::ranges::find(kSpanishLabels, c, &ClassLabel::wordClass)->spanish;
}

// Fits a field of `chars` characters of code page 1252: Latin-1 letters, no C1 controls.
bool FitsField(const std::string& text, std::size_t chars) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
            if ((c != 0xC2 || next < 0xA0) && c != 0xC3) return false;
            ++i;
        }
        ++count;
    }
    return count <= chars;
}

std::string Tabbed(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += '\t';
        line += fields[i];
    }
    return line;
}

std::string Number(int n) { return n == 0 ? std::string() : std::to_string(n); }

class Importer {
public:
    explicit Importer(const ImportInputs& in)
        : in_(in), names_(SpanishNamesOf(in.dictionaries)), takenVerbForms_(in.handWritten.spanishForms) {
        result_.sources["swedish.tsv"] = {std::string(kSwedishHeader)};
        result_.sources["spanish.tsv"] = {std::string(kSpanishHeader)};
        result_.sources["spanish_verbs.tsv"] = {std::string(kVerbHeader)};
        result_.sources["swedish_irregular_verbs.tsv"] = {std::string(kIrregularVerbHeader)};
        result_.sources["irregular_nouns.tsv"] = {std::string(kIrregularNounHeader)};
        for (const std::string& verb : in.handWritten.verbs) HideFormsOf(verb);
    }

    ImportResult Run() {
        std::map<std::string, std::vector<const SpanishLemma*>> bySpanish;
        const std::vector<SpanishLemma> lemmas = CollectCandidates(in_.dictionaries, in_.morphology);
        for (const SpanishLemma& l : lemmas) bySpanish[l.spanish].push_back(&l);
        // Verbs first: a noun or adjective must not hide their forms.
        for (const bool verbs : {true, false})
            for (const auto& [spanish, readings] : bySpanish) {
                const SpanishLemma* best = BestReading(readings);
                if ((best->wordClass == WordClass::Verb) == verbs) Consider(*best);
            }
        return std::move(result_);
    }

private:
    static const SpanishLemma* BestReading(const std::vector<const SpanishLemma*>& readings) {
        return *std::ranges::min_element(readings, [](const SpanishLemma* a, const SpanishLemma* b) {
            const int ca = a->candidates.front().Agreeing(), cb = b->candidates.front().Agreeing();
            return ca != cb ? ca > cb : a->wordClass < b->wordClass;
        });
    }

    void HideFormsOf(const std::string& verb) {
        for (const VerbFormEndings& v : kHiddenVerbForms)
            if (verb.ends_with(v.infinitive))
                for (const std::string_view e : v.forms)
                    hiddenForms_.insert(verb.substr(0, verb.size() - v.infinitive.size()) + std::string(e));
    }

    bool KnownOrHidden(const std::string& spanish, WordClass c) const {
        if (in_.handWritten.spanishForms.contains(spanish) || names_.contains(spanish) || in_.rejected.contains(spanish) ||
            !FitsField(spanish, kWordChars) || in_.alreadyKnown(spanish))
            return true;
        return c != WordClass::Verb && hiddenForms_.contains(spanish);
    }

    // The Swedish word for `lemma` with its codes and the confidence, or nullopt.
    struct Choice {
        std::string swedish;
        SwedishCodes codes;
        std::string note;
        bool high;
    };
    std::optional<Choice> Choose(const SpanishLemma& lemma) const {
        if (const auto review = in_.review.find(lemma.spanish); review != in_.review.end()) {
            const auto word = in_.morphology.Resolve(review->second.swedish, lemma.wordClass);
            const auto codes = word ? DeriveCodes(*word) : std::nullopt;
            if (!codes) return std::nullopt;
            return Choice{review->second.swedish, *codes, "reviewed: " + review->second.note, true};
        }
        const int best = lemma.candidates.front().Agreeing();
        for (const Candidate& c : lemma.candidates) {
            const bool high = c.Agreeing() >= kAgreeingForHigh;
            if (c.Agreeing() < best || (!high && c.sources == untrustedAlone_) || !FitsField(c.swedish, kWordChars))
                continue;
            const auto codes = DeriveCodes(*in_.morphology.Resolve(c.swedish, lemma.wordClass));
            if (codes)
                return Choice{c.swedish, *codes,
                              "sources " + DescribeSources(c.sources) + "; confidence " + (high ? "high" : "low"), high};
        }
        return std::nullopt;
    }

    void Consider(const SpanishLemma& lemma) {
        if (KnownOrHidden(lemma.spanish, lemma.wordClass)) return;
        const std::optional<Choice> choice = Choose(lemma);
        if (!choice || !AddIrregularForms(*choice)) return;
        const std::string key = EntryKey(*choice);
        if (key.empty()) return;
        result_.sources["spanish.tsv"].push_back(
            Tabbed({lemma.spanish, key, std::string(SpanishLabel(lemma.wordClass)), "", choice->note}));
        ++result_.counts[std::string(SpanishLabel(lemma.wordClass)) + (choice->high ? " high" : " low")];
        if (lemma.wordClass != WordClass::Verb) return;
        HideFormsOf(lemma.spanish);
        for (const VerbRow& row : DeriveVerbRows(lemma.spanish, in_.handWritten, takenVerbForms_)) {
            std::vector<std::string> fields{row.infinitive, row.form};
            fields.insert(fields.end(), row.forms.begin(), row.forms.end());
            if (std::ranges::all_of(row.forms, [](const std::string& f) { return FitsField(f, kVerbFormChars); }))
                result_.sources["spanish_verbs.tsv"].push_back(Tabbed(fields));
        }
    }

    // The irregular forms' line, when the word needs one; false when they do not fit.
    bool AddIrregularForms(const Choice& c) {
        if (c.codes.irregular.empty()) return true;
        const bool noun = c.codes.declension == kIrregularDeclension;
        const std::set<std::string>& handWritten = noun ? in_.handWritten.irregularNouns : in_.handWritten.irregularVerbs;
        if (handWritten.contains(c.swedish) || irregularsAdded_.contains(c.codes.wordClass + c.swedish)) return true;
        const std::size_t chars = noun ? kIrregularNounChars : kIrregularVerbChars;
        if (!std::ranges::all_of(c.codes.irregular, [&](const std::string& f) { return FitsField(f, chars); }))
            return false;
        irregularsAdded_.insert(c.codes.wordClass + c.swedish);
        std::vector<std::string> fields = c.codes.irregular;
        result_.sources[noun ? "irregular_nouns.tsv" : "swedish_irregular_verbs.tsv"].push_back(Tabbed(fields));
        return true;
    }

    // The key of the Swedish entry: a hand-written or earlier imported one of
    // the same word and class, else a new entry.
    std::string EntryKey(const Choice& c) {
        const std::string wordAndClass = c.swedish + '\t' + c.codes.wordClass;
        if (const auto it = in_.handWritten.entryByWordAndClass.find(wordAndClass);
            it != in_.handWritten.entryByWordAndClass.end())
            return it->second;
        if (const auto it = importedEntries_.find(wordAndClass); it != importedEntries_.end()) return it->second;
        std::string key = c.swedish;
        if (in_.handWritten.entryKeys.contains(key) || importedKeys_.contains(key)) key += "/" + c.codes.wordClass;
        if (in_.handWritten.entryKeys.contains(key) || !importedKeys_.insert(key).second) return {};
        importedEntries_[wordAndClass] = key;
        const SwedishCodes& s = c.codes;
        result_.sources["swedish.tsv"].push_back(Tabbed({key == c.swedish ? "" : key, "", c.swedish, s.wordClass,
                                                         s.gender, Number(s.declension), Number(s.adjective),
                                                         Number(s.comparison), Number(s.group), s.compound,
                                                         s.group == kSVerbGroup ? "s-verb" : "", c.note}));
        return key;
    }

    const ImportInputs& in_;
    ImportResult result_;
    const std::set<std::string> names_;
    const unsigned untrustedAlone_ = SourceBit(kUntrustedAlone);
    std::set<std::string> hiddenForms_;
    std::set<std::string> takenVerbForms_;
    std::set<std::string> irregularsAdded_;
    std::set<std::string> importedKeys_;
    std::map<std::string, std::string> importedEntries_;
};

}  // namespace

ImportResult ImportLexicon(const ImportInputs& inputs) { return Importer(inputs).Run(); }

std::string WriteImportedSources(const std::string& dir, const ImportedSources& sources) {
    namespace fs = std::filesystem;
    const fs::path target(dir);
    const fs::path fresh = target.string() + ".new";
    std::error_code ec;
    fs::remove_all(fresh, ec);
    fs::create_directories(fresh, ec);
    if (ec) return fresh.string() + ": " + ec.message();
    for (const auto& [name, lines] : sources) {
        std::ofstream out(fresh / name, std::ios::binary | std::ios::trunc);
        for (const std::string& line : lines) out << line << '\n';
        if (!out) return (fresh / name).string() + ": cannot be written";
    }
    fs::remove_all(target, ec);
    fs::rename(fresh, target, ec);
    return ec ? target.string() + ": " + ec.message() : std::string();
}

}  // namespace quelvo::limp
