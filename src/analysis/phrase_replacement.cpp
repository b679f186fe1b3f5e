#include "analysis/phrase_replacement.h"

#include <charconv>
#include <optional>
#include <string_view>
#include <vector>

#include "analysis/time_words.h"
#include "core/form_codes.h"
#include "lexicon/dictionary_format.h"
#include "lexicon/lookups.h"

namespace quelvo {
namespace {

struct PhraseClass {
    std::string_view word;
    int number;
};

// The class a matched phrase takes, by the class word of its record.
constexpr PhraseClass kPhraseClasses[] = {
    {"adj", 89}, {"adv", 90}, {"sub", 91}, {"prep", 92}, {"rel", 93}, {"konj", 94}, {"indf", 96},
};

std::optional<int> PhraseClassNumber(const Str10& classWord) {
    for (const auto& row : kPhraseClasses)
        if (classWord == row.word) return row.number;
    return std::nullopt;
}

int NumberOf(const Str6& text) {
    int value = 0;
    const std::string_view v = text.view();
    std::from_chars(v.data(), v.data() + v.size(), value);
    return value;
}

void TakePhrase(TranslationState& s, WordNode& node) {
    node.SvWord = s.PhraseSv;
    node.SpWord = s.PhraseSp;
    if (const auto number = PhraseClassNumber(s.PhraseClassWord)) {
        node.SpClass = *number;
        node.SvClass = *number;
    }
    node.SvCode2 = static_cast<std::uint16_t>(NumberOf(s.PhraseNumber));
    node.FormCode = fc::kSingular;
}

Slots<int> SlotsOf(const std::vector<int>& values) {
    Slots<int> slots;
    slots.Resize(static_cast<int>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i) slots.Set(static_cast<int>(i) + 1, values[i]);
    return slots;
}

// A clock time or date starting at the word, else a phrase of the phrase
// file; the number of words it covers, 0 for none.
unsigned ReadExpression(TranslationState& s, WordNode& node) {
    if (const unsigned words = ReadTimeWords(node); words > 0) return words;
    bool found = false;
    if (HasFlag(node.SpCode1, kPhraseStartFlag)) FindPhrase(s, node.SpWord, &node, found);
    if (!found) return 0;
    TakePhrase(s, node);
    return s.PhraseWordCount > 0 ? s.PhraseWordCount : 1;
}

}  // namespace

void ReplacePhrases(TranslationState& s) {
    std::vector<int> classes;
    std::vector<int> persons;
    int p = 1;  // position of the node in the sentence as built
    for (WordNode* node = s.WordList.Head; node != nullptr; node = node->Next, ++p) {
        persons.push_back(s.WordPersonNos.Get(p));
        const unsigned words = ReadExpression(s, *node);
        if (words == 0) {
            classes.push_back(s.WordClassNos.Get(p));
            continue;
        }
        classes.push_back(node->SpClass);
        // A phrase matched against a repeated last word covers fewer words than it names.
        for (unsigned k = 1; k < words && node->Next != nullptr; ++k, ++p) DeleteNode(s, node->Next);
    }
    s.WordClassNos = SlotsOf(classes);
    s.WordPersonNos = SlotsOf(persons);
    s.WordCount = static_cast<int>(classes.size());
}

void DeleteNode(TranslationState& s, WordNode* node) {
    WordNode* prev = node->Prev;
    WordNode* next = node->Next;
    if (prev != nullptr) {
        prev->Next = next;
    } else {
        s.WordList.Head = next;
    }
    if (next != nullptr) {
        next->Prev = prev;
    } else {
        s.WordList.Tail = prev;
    }
    node->Next = nullptr;
    node->Prev = nullptr;
}

void VivirDePass(TranslationState& s) {
    for (WordNode* n = s.WordList.Head; n != nullptr && n->Next != nullptr; n = n->Next) {
        if (n->SpWord != "vivir" || n->Next->SpWord != "de") continue;
        n->SvWord = "leva";
        n->SvCode1 = 3;
        n->SvCode2 = 1088;
        n->SvCode3 = 3;
        n->SvCode4 = 0;
    }
}

}  // namespace quelvo
