// Words that are both a verb form and an adjective ("bajo", "solo",
// "estrecho", "extraño") are resolved by their neighbours.
#include <optional>
#include <string>

#include "core/form_codes.h"
#include "core/word_classes.h"
#include "lexicon/dictionary_format.h"
#include "lexicon/lookups.h"
#include "morphology/class_tests.h"
#include "morphology/correction_passes.h"
#include "morphology/ending_analysis.h"
#include "morphology/staging.h"

namespace quelvo {
namespace {

struct VerbAdjectivePair {
    std::string_view verb;
    std::string_view adjective;
};

// Verbs whose adjective reading is the entry of an adjective of its own.
constexpr VerbAdjectivePair kVerbAdjectivePairs[] = {
    {"estrechar", "estrecho"},
    {"extra\xF1" "ar", "extra\xF1o"},
    {"soler", "solo"},
};

char LastLetter(std::string_view text) { return text.empty() ? '\0' : text.back(); }

// Whether the neighbours make the word an adjective; the first rule that applies decides.
bool AdjectiveContext(const WordNode& node) {
    const WordNode* prev = node.Prev;
    const WordNode* next = node.Next;
    const int prevClass = SpClassOf(prev);
    const int nextClass = SpClassOf(next);
    const std::string_view prevWord = SpWordOf(prev);
    const char prevLast = prev != nullptr ? LastLetter(prev->SpText) : '\0';
    if (prevClass == wc::kDeterminer) return true;
    if (FormCodeOf(next) == fc::kInfinitive) return false;
    if (nextClass == wc::kNoun) return true;
    if (EndsWith(prevWord, "ci\xF3n")) return true;
    if ((prevClass == wc::kNoun || prevClass == wc::kNounAdjective) && (prevLast == LastLetter(node.SpText) || prevLast == 'e')) return true;
    if (OneOf(prevLast, {'z', 'j', 's'})) return true;
    if (OneOf(prevWord, {"muy", "m\xE1s", "tan", "ser", "estar", "parecer"})) return true;
    if (prevWord == "y" && SpClassOf(prev->Prev) == wc::kAdjective) return true;
    return prev != nullptr && next != nullptr && (OneOf(prevClass, {wc::kDeterminer, wc::kDemonstrative}) || prevWord == "una") &&
           (nextClass == wc::kNoun || Between(nextClass, wc::kNounAdjective, wc::kNounPossessive));
}

// The adjective that pairs with `verb`, or the word itself.
std::string_view PairedAdjective(std::string_view word) {
    for (const auto& pair : kVerbAdjectivePairs)
        if (pair.verb == word) return pair.adjective;
    return word;
}

// The verb form takes the verb's own entry; the ending analysis has staged
// its tense and person.
void ReadAsVerb(TranslationState& s, WordNode& node, int pos) {
    bool found = false;
    AnalyseEnding1(s, node.SpWord, found);
    if (!found || !IsVerbClass(s.StagedWord.SpClass)) return;
    const int formCode = s.StagedWord.FormCode;
    const int person = s.StagedWord.PersonNo;
    s.LookupWord = s.StagedWord.SpWord;
    LookupSpanishWord(s, found);
    if (!found) return;
    s.StagedWord.FormCode = formCode;
    s.StagedWord.PersonNo = person;
    SetTag(s, pos, "v");
    CopyStagedToNode(s, node);
    node.SvForm = node.SvWord;
}

// The adjective takes its own full entry, in the number the typed ending
// gives, so that it agrees like any other adjective.
void ReadAsAdjective(TranslationState& s, WordNode& node, int pos, const std::string& masculine, bool plural) {
    const std::string_view paired = PairedAdjective(node.SpWord.view());
    s.LookupWord = paired != node.SpWord.view() ? Str30(paired) : Str30(masculine);
    bool found = false;
    LookupSpanishWord(s, found);
    if (!found) return;
    const Str30 adjective = s.LookupWord;
    if (s.StagedWord.SpClass == wc::kNounAdjective) {
        node.SpWord = adjective;
        LookupFormEntry(s, node);
    }
    s.StagedWord.SpWord = adjective;
    s.StagedWord.SvClass = wc::kAdjective;
    s.StagedWord.FormCode = plural ? fc::kPlural : fc::kSingular;
    s.StagedWord.PersonNo = plural ? 6 : 0;
    SetTag(s, pos, "adj");
    CopyStagedToNode(s, node);
    node.SvForm = node.SvWord;
}

// The masculine singular of a feminine or plural adjective ending; none for other words.
std::optional<std::string> MasculineOfAdjective(std::string_view text) {
    for (const std::string_view ending : {"as", "os", "a"}) {
        if (EndsWith(text, ending) && text.size() > ending.size() + 1)
            return std::string(text.substr(0, text.size() - ending.size())) + "o";
    }
    return std::nullopt;
}

// After "estar" or "ser" a verb form of the ending analysis that is also the
// feminine or plural of a dictionary adjective is that adjective: "est\xE1 limpia".
void ReadPredicateAdjective(TranslationState& s, WordNode& node, int pos) {
    if (!OneOf(SpWordOf(node.Prev), {"estar", "ser"}) || !IsVerbClass(node.SpClass)) return;
    const auto masculine = MasculineOfAdjective(node.SpText.view());
    if (!masculine) return;
    s.LookupWord = *masculine;
    bool found = false;
    LookupSpanishWord(s, found);
    if (!found || s.StagedWord.SpClass != wc::kAdjective) return;
    node.SpWord = s.LookupWord;
    LookupFormEntry(s, node);
    s.StagedWord.SvClass = wc::kAdjective;
    CopyStagedToNode(s, node);
    node.SvForm = node.SvWord;
    const bool plural = EndsWith(node.SpText, "s");
    node.FormCode = plural ? fc::kPlural : fc::kSingular;
    node.PersonNo = plural ? 6 : 0;
    node.ClassTag = "adj";
    SetTag(s, pos, "adj");
    SetClassText(s, pos, "adj");
}

}  // namespace

void ResolveVerbAdjectiveWords(TranslationState& s) {
    int pos = 1;
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next, ++pos) {
        if (n->ClassTag.view().find('x') != std::string_view::npos || n->SpWord == "bajo") return;
        if (!HasFlag(n->SpCode2, kVerbAdjFlag)) {
            ReadPredicateAdjective(s, *n, pos);
            continue;
        }
        const std::string text(n->SpText.view());
        if (EndsWith(text, "o") && !AdjectiveContext(*n)) ReadAsVerb(s, *n, pos);
        if (EndsWith(text, "a") && AdjectiveContext(*n))
            ReadAsAdjective(s, *n, pos, text.substr(0, text.size() - 1) + "o", false);
        if (EndsWith(text, "as") && AdjectiveContext(*n))
            ReadAsAdjective(s, *n, pos, text.substr(0, text.size() - 2) + "o", true);
    }
}

}  // namespace quelvo
