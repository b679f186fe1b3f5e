#include "analysis/opening_pronouns.h"

#include <string>
#include <string_view>

#include "core/accents.h"
#include "core/word_classes.h"
#include "lexicon/lookups.h"
#include "morphology/class_tests.h"
#include "morphology/imperatives.h"

namespace quelvo {
namespace {

// The pronouns an order may carry, the longer before the shorter that ends
// them ("nos" before "os").
constexpr std::string_view kFirstPronouns[] = {"me", "te", "se", "nos"};
constexpr std::string_view kLastPronouns[] = {"nos", "los", "las", "les", "me", "te", "se", "lo", "la", "le", "os"};

// The one-syllable orders, which take no accent when a pronoun is attached
// ("dame", "hazlo"); longer ones do ("cuéntame"), which keeps "sale" and
// "come" whole.
constexpr std::string_view kShortOrders[] = {"di", "haz", "pon", "ten", "ven", "da"};

bool IsShortOrder(std::string_view stem) {
    for (const std::string_view order : kShortOrders)
        if (order == stem) return true;
    return false;
}

// A word of the dictionary or of the verb-form file is never cut.
bool IsKnownWord(TranslationState& s, std::string_view word) {
    s.LookupWord = word;
    bool found = false;
    LookupSpanishWord(s, found);
    if (found) return true;
    Str30 form(word);
    int formCode = 0;
    LookupVerbForm(s, form, found, formCode);
    return found;
}

struct Cut {
    std::string stem;
    std::string_view first, second;  // `first` empty for one pronoun
};

// An infinitive of the dictionary ("casar" of "Casarse"); the splitter
// leaves a capitalised word whole, so the first word of a sentence comes here.
bool IsInfinitive(TranslationState& s, std::string_view stem) {
    if (!(stem.ends_with("ar") || stem.ends_with("er") || stem.ends_with("ir"))) return false;
    s.LookupWord = stem;
    bool found = false;
    LookupSpanishWord(s, found);
    return found && (IsVerbClass(s.StagedWord.SpClass) || s.StagedWord.SpClass == wc::kAuxiliary);
}

// The stem of an order takes an accent when a pronoun is attached, unless it
// is a short order; an infinitive does not.
bool IsVerbStem(TranslationState& s, std::string_view stem, const std::string& plain) {
    if (IsInfinitive(s, plain)) return true;
    return (HasAccent(stem) || IsShortOrder(stem)) && IsImperativeStem(s, plain);
}

bool TryCut(TranslationState& s, std::string_view word, std::string_view first, std::string_view second, Cut& cut) {
    const std::size_t tail = first.size() + second.size();
    if (word.size() <= tail + 1 || word.substr(word.size() - tail) != std::string(first) + std::string(second))
        return false;
    const std::string_view stem = word.substr(0, word.size() - tail);
    std::string plain = WithoutAccents(stem);
    if (!IsVerbStem(s, stem, plain)) return false;
    cut = {std::move(plain), first, second};
    return true;
}

bool FindCut(TranslationState& s, std::string_view word, Cut& cut) {
    for (const std::string_view first : kFirstPronouns)
        for (const std::string_view second : kLastPronouns)
            if (TryCut(s, word, first, second, cut)) return true;
    for (const std::string_view only : kLastPronouns)
        if (TryCut(s, word, {}, only, cut)) return true;
    return false;
}

TextNode* OpeningToken(const TranslationState& s) {
    TextNode* t = s.TokenList.Head;
    for (int pos = 1; t != nullptr && pos < s.OpeningPosition; ++pos) t = t->Next;
    return t;
}

void AddAfter(TranslationState& s, TextNode& at, std::string_view text) {
    TextNode* node = s.TokenList.InsertAfter(s.Arena, at);
    node->Text = text;
    node->Attached = true;
    ++s.WordCount;
    ++s.SlotCount;
}

}  // namespace

void SeparateOpeningPronouns(TranslationState& s) {
    TextNode* token = OpeningToken(s);
    if (token == nullptr || token->Text.empty()) return;
    const std::string word(token->Text.view());
    if (word.ends_with("mente") || IsKnownWord(s, word)) return;
    Cut cut;
    if (!FindCut(s, word, cut)) return;
    token->Text = cut.stem;
    AddAfter(s, *token, cut.second);
    if (!cut.first.empty()) AddAfter(s, *token, cut.first);
}

}  // namespace quelvo
