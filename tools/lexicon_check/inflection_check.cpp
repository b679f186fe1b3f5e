#include "inflection_check.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <set>

#include "core/word_classes.h"
#include "lexicon/dictionary_format.h"
#include "our_forms.h"
#include "swedish/comparison.h"
#include "swedish/verb_forms.h"
#include "morphology_listing.h"
#include "readable_tables.h"
#include "swedish_classes.h"

namespace quelvo::lchk {
namespace {

constexpr std::string_view kGenders[] = {"ut", "nt"};
constexpr std::string_view kCommon = "ut", kNeuter = "nt";
constexpr char kNeuterLetter = 't';
constexpr std::string_view kListedSlot = "sg ind";  // a gender the morphology lists has this slot
constexpr int kDefaultComparison = 3;
// Both parts of a compound have at least this many bytes, as the morphology's lookup has it.
constexpr std::size_t kMinCompoundPart = 3;
// A UTF-8 byte inside a character, where no part may start.
constexpr unsigned char kContinuationMask = 0xC0, kContinuationBits = 0x80;

std::optional<limp::WordClass> MorphologyClass(const lexc::SwedishEntry& entry) {
    switch (ClassOfCode(entry.codes[0])) {
        case wc::kNoun:
            if (entry.word.find(' ') == std::string::npos) return limp::WordClass::Noun;
            return std::nullopt;
        case wc::kAdjective:
            if (entry.word.find(' ') == std::string::npos) return limp::WordClass::Adjective;
            return std::nullopt;
        case wc::kVerb:
        case wc::kParticleVerb: return limp::WordClass::Verb;
        default: return std::nullopt;
    }
}

char GenderLetter(const lexc::SwedishEntry& entry) {
    const auto bits = static_cast<std::size_t>(GenderBits(entry.codes[1]));
    return bits < kGenderLetters.size() ? kGenderLetters[bits] : '?';
}

std::string OurCodes(const lexc::SwedishEntry& entry) {
    switch (ClassOfCode(entry.codes[0])) {
        case wc::kNoun:
            return std::string("n ") + GenderLetter(entry) + ' ' + std::to_string(DeclensionOf(entry.codes[1]));
        case wc::kAdjective:
            return "adj " + std::to_string(AdjClassOf(entry.codes[1])) + " cmp " +
                   std::to_string(ComparisonGroupOf(entry.codes[0]));
        default: return "v " + std::to_string(VerbGroupOf(entry.codes[2]));
    }
}

std::string CodesText(const std::optional<limp::SwedishCodes>& codes) {
    if (!codes) return "none";
    if (codes->wordClass == "n") return "n " + codes->gender + ' ' + std::to_string(codes->declension);
    if (codes->wordClass == "adj")
        return "adj " + std::to_string(codes->adjective) + " cmp " +
               std::to_string(codes->comparison == 0 ? kDefaultComparison : codes->comparison);
    return "v " + std::to_string(codes->group);
}

// The word with only the forms of one gender, under the plain slot names.
limp::SwedishWord OfGender(const limp::SwedishWord& word, std::string_view gender) {
    limp::SwedishWord only{word.lemma, word.wordClass, std::string(gender), {}};
    const std::string prefix = std::string(gender) + ' ';
    for (const auto& [slot, forms] : word.slots)
        if (slot.starts_with(prefix)) only.slots[slot.substr(prefix.size())] = forms;
    return only;
}

std::vector<std::string> ListedGenders(const limp::SwedishWord& word) {
    std::vector<std::string> genders;
    for (const std::string_view g : kGenders)
        if (!word.Forms(std::string(g) + ' ' + std::string(kListedSlot)).empty()) genders.emplace_back(g);
    return genders;
}

std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string out;
    for (const std::string& p : parts) out += (out.empty() ? "" : std::string(separator)) + p;
    return out;
}

std::vector<std::string> FormsOf(TranslationState& s, const lexc::SwedishEntry& entry) {
    std::vector<std::string> forms;
    for (const SlotForm& f : OurForms(s, entry)) forms.push_back(f.form);
    return forms;
}

// One entry's comparison with the forms of `known` (of the gender the entry
// is compared with, for a noun); nullopt when they agree.
class EntryCheck {
public:
    EntryCheck(const lexc::SwedishEntry& entry, const limp::KnownWord& known) : entry_(entry), known_(known) {}

    std::optional<Disagreement> Run(TranslationState& s) {
        const Compared compared = ComparedWords();
        const limp::SwedishWord& word = compared.word;
        bool differs = compared.otherGender;
        std::vector<std::string> listed;
        for (const SlotForm& f : OurForms(s, entry_)) {
            const std::vector<std::string> forms = Listed(word, f.slot);
            differs = differs || (!forms.empty() && std::ranges::find(forms, f.form) == forms.end());
            listed.push_back(forms.empty() ? "-" : Joined(forms, "|"));
        }
        if (!differs) return std::nullopt;
        return Disagreement{entry_.line,
                            InflectedWord(entry_),
                            OurCodes(entry_),
                            Joined(FormsOf(s, entry_), " "),
                            Joined(listed, " "),
                            CodesText(limp::DeriveCodes({&word, known_.prefix}))};
    }

private:
    // The forms of a slot, each once, with the compound's first part.
    std::vector<std::string> Listed(const limp::SwedishWord& word, const std::string& slot) const {
        std::vector<std::string> forms;
        for (const std::string& form : word.Forms(slot))
            if (std::ranges::find(forms, known_.prefix + form) == forms.end()) forms.push_back(known_.prefix + form);
        return forms;
    }

    struct Compared {
        limp::SwedishWord word;
        bool otherGender = false;              // the morphology lists the noun in the other gender only
    };

    // A noun is compared with the forms of its own gender, or of the other
    // one when the morphology lists only that.
    Compared ComparedWords() const {
        const std::vector<std::string> genders = ListedGenders(*known_.word);
        if (known_.word->wordClass != limp::WordClass::Noun || genders.empty()) return {{*known_.word}};
        const std::string ours(GenderLetter(entry_) == kNeuterLetter ? kNeuter : kCommon);
        const bool listed = std::ranges::find(genders, ours) != genders.end();
        return {{OfGender(*known_.word, listed ? ours : genders.front())}, !listed};
    }

    const lexc::SwedishEntry& entry_;
    const limp::KnownWord& known_;
};

std::vector<std::string> WordsToList(const std::vector<lexc::SwedishEntry>& entries) {
    std::set<std::string> words;
    for (const lexc::SwedishEntry& e : entries)
        if (MorphologyClass(e)) words.insert(InflectedWord(e));
    return {words.begin(), words.end()};
}

std::vector<std::string> CompoundPartsToList(const std::vector<lexc::SwedishEntry>& entries,
                                             const limp::Morphology& morphology) {
    std::set<std::string> parts;
    for (const lexc::SwedishEntry& e : entries) {
        const std::optional<limp::WordClass> wordClass = MorphologyClass(e);
        const std::string word = InflectedWord(e);
        if (!wordClass || morphology.Find(word, *wordClass) != nullptr) continue;
        for (std::size_t split = kMinCompoundPart; split + kMinCompoundPart <= word.size(); ++split)
            if ((static_cast<unsigned char>(word[split]) & kContinuationMask) != kContinuationBits)
                parts.insert(word.substr(split));
    }
    return {parts.begin(), parts.end()};
}

}  // namespace

limp::Morphology ListEntryMorphology(const std::string& analyser, const std::vector<lexc::SwedishEntry>& entries,
                                     const std::string& workDir, std::string& error) {
    std::string listing = limp::ListMorphology(analyser, WordsToList(entries), workDir, error);
    const std::vector<std::string> parts =
        CompoundPartsToList(entries, limp::ParseMorphologyListing(analyser, listing));
    if (error.empty() && !parts.empty()) listing += limp::ListMorphology(analyser, parts, workDir, error);
    limp::Morphology morphology = limp::ParseMorphologyListing(analyser, listing);
    if (error.empty()) error = morphology.error;
    return morphology;
}

CheckResult CheckInflections(const std::vector<lexc::SwedishEntry>& entries, const limp::Morphology& morphology,
                             const Lexicon& lexicon) {
    CheckResult result;
    const auto s = std::make_unique<TranslationState>(lexicon);
    for (const lexc::SwedishEntry& e : entries) {
        const std::optional<limp::WordClass> wordClass = MorphologyClass(e);
        if (!wordClass) continue;
        const std::optional<limp::KnownWord> known = morphology.Resolve(InflectedWord(e), *wordClass);
        if (!known) {
            result.unknown.push_back({e.line, InflectedWord(e), OurCodes(e), Joined(FormsOf(*s, e), " "), {}, {}});
            continue;
        }
        ++result.checked;
        if (std::optional<Disagreement> d = EntryCheck(e, *known).Run(*s))
            result.disagreements.push_back(std::move(*d));
    }
    return result;
}

void DropReviewed(CheckResult& result, const std::string& reviewText) {
    std::set<std::string> reviewed;
    for (const limp::TableRow& row : limp::ReadTable(reviewText))
        if (row.contains("word") && row.contains("codes")) reviewed.insert(row.at("word") + '\t' + row.at("codes"));
    const auto dropped = std::erase_if(result.disagreements, [&](const Disagreement& d) {
        return reviewed.contains(d.word + '\t' + d.ourCodes);
    });
    result.reviewed += static_cast<int>(dropped);
}

}  // namespace quelvo::lchk
