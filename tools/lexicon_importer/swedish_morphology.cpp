#include "swedish_morphology.h"

#include <optional>

#include "import_text.h"

namespace quelvo::limp {
namespace {

// Both parts of a compound have at least this many bytes.
constexpr std::size_t kMinCompoundPart = 3;

struct Slot {
    WordClass wordClass;
    std::string name;
    std::string gender;
};

std::string Joined(const std::vector<std::string_view>& tags, std::size_t from, std::size_t count) {
    std::string out;
    for (std::size_t i = from; i < from + count && i < tags.size(); ++i) {
        if (!out.empty()) out += ' ';
        out += tags[i];
    }
    return out;
}

// The slot a tag sequence fills, nullopt for forms no entry is built from.
std::optional<Slot> SlotOf(const std::vector<std::string_view>& t) {
    if (t.empty()) return std::nullopt;
    if (t[0] == "n" && t.size() == 4) return Slot{WordClass::Noun, Joined(t, 2, 2), std::string(t[1])};
    if (t[0] == "vblex" && t.size() == 3 && t[2] == "actv") return Slot{WordClass::Verb, std::string(t[1]), ""};
    if (t[0] == "vblex" && t.size() == 3 && t[2] == "pasv") return Slot{WordClass::Verb, "s-" + std::string(t[1]), ""};
    if (t[0] == "adj" && t.size() == 5 && t[1] == "pp" && t[2] == "ut") return Slot{WordClass::Verb, "pp", ""};
    if (t[0] == "adj" && t.size() == 2 && t[1] == "pprs") return Slot{WordClass::Verb, "pprs", ""};
    if (t[0] == "adv") return Slot{WordClass::Adverb, "adv", ""};
    if (t[0] != "adj" || t.size() < 3 || t[1] != "sint") return std::nullopt;
    if (t[2] == "pst" && t.size() == 6 && t[5] == "ind") return Slot{WordClass::Adjective, Joined(t, 3, 2), ""};
    if (t[2] == "comp" || t[2] == "sup") return Slot{WordClass::Adjective, std::string(t[2]), ""};
    return std::nullopt;
}

}  // namespace

const std::vector<std::string>& SwedishWord::Forms(const std::string& slot) const {
    static const std::vector<std::string> kNone;
    const auto it = slots.find(slot);
    return it == slots.end() ? kNone : it->second;
}

std::string MorphologyKey(const std::string& lemma, WordClass wordClass) {
    return lemma + '\t' + std::to_string(static_cast<int>(wordClass));
}

const SwedishWord* Morphology::Find(const std::string& lemma, WordClass wordClass) const {
    const auto it = words.find(MorphologyKey(lemma, wordClass));
    return it == words.end() ? nullptr : &it->second;
}

std::optional<KnownWord> Morphology::Resolve(const std::string& lemma, WordClass wordClass) const {
    if (const SwedishWord* word = Find(lemma, wordClass)) return KnownWord{word, ""};
    for (std::size_t split = kMinCompoundPart; split + kMinCompoundPart <= lemma.size(); ++split)
        if (const SwedishWord* head = Find(lemma.substr(split), wordClass)) return KnownWord{head, lemma.substr(0, split)};
    return std::nullopt;
}

Morphology ParseMorphologyListing(const std::string& file, std::string_view listing) {
    Morphology morphology;
    int lineNumber = 0;
    for (std::string_view line : SplitText(listing, '\n')) {
        ++lineNumber;
        line = TrimBlanks(line);
        if (line.empty()) continue;
        const std::size_t tagStart = line.find('<');
        const std::size_t formStart = line.rfind(">:");
        if (tagStart == 0 || tagStart == std::string_view::npos || formStart == std::string_view::npos ||
            formStart < tagStart || formStart + 2 == line.size()) {
            morphology.error = file + ":" + std::to_string(lineNumber) + ": not a line of a morphology listing";
            morphology.words.clear();
            return morphology;
        }
        std::vector<std::string_view> tags;
        for (std::string_view tag : SplitText(line.substr(tagStart + 1, formStart - tagStart - 1), '<'))
            tags.push_back(tag.ends_with('>') ? tag.substr(0, tag.size() - 1) : tag);
        const std::optional<Slot> slot = SlotOf(tags);
        if (!slot) continue;
        const std::string lemma(line.substr(0, tagStart));
        SwedishWord& word = morphology.words[MorphologyKey(lemma, slot->wordClass)];
        word.lemma = lemma;
        word.wordClass = slot->wordClass;
        if (!slot->gender.empty()) word.gender = slot->gender;
        word.slots[slot->name].emplace_back(line.substr(formStart + 2));
        if (!slot->gender.empty()) word.slots[slot->gender + ' ' + slot->name].emplace_back(line.substr(formStart + 2));
    }
    return morphology;
}

}  // namespace quelvo::limp
