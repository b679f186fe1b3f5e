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
    bool forVerbReading;  // also when the word is read as the verb
};

// Verbs whose adjective is fetched from "SbAdj.txt" instead of their own entry.
constexpr VerbAdjectivePair kVerbAdjectivePairs[] = {
    {"estrechar", "estrecho", true},
    {"extra\xF1" "ar", "extra\xF1o", true},
    {"soler", "solo", false},
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

// The adjective that stands for `verb` in "SbAdj.txt"; false for other verbs.
bool TakePairedAdjective(TranslationState& s, const WordNode& node, std::string_view verb, bool verbReading,
                         bool& found) {
    for (const auto& pair : kVerbAdjectivePairs) {
        if (pair.verb != verb || (verbReading && !pair.forVerbReading)) continue;
        s.StagedWord.SpWord = pair.adjective;
        LookupFormEntry(s, node);
        found = true;
        return true;
    }
    return false;
}

void ReadAsVerb(TranslationState& s, WordNode& node, int pos) {
    bool found = false;
    AnalyseEnding1(s, node.SpWord, found);
    if (!found || !IsVerbClass(s.StagedWord.SpClass)) return;
    found = false;
    const Str30 verb = s.StagedWord.SpWord;
    if (!TakePairedAdjective(s, node, verb, true, found)) LookupSpanishWord(s, found);
    if (!found) return;
    SetTag(s, pos, "v");
    CopyStagedToNode(s, node);
}

// `masculine` is the typed word in its masculine singular form.
void ReadAsAdjective(TranslationState& s, WordNode& node, int pos, const std::string& masculine) {
    s.LookupWord = masculine;
    bool found = false;
    if (!TakePairedAdjective(s, node, node.SpWord, false, found)) LookupSpanishWord(s, found);
    if (!found) return;
    if (s.StagedWord.SpClass == wc::kNounAdjective) node.SpWord = s.LookupWord;
    LookupFormEntry(s, node);
    SetTag(s, pos, "adj");
    s.StagedWord.SvClass = wc::kAdjective;
    CopyStagedToNode(s, node);
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
        if (EndsWith(text, "a") && AdjectiveContext(*n)) ReadAsAdjective(s, *n, pos, text.substr(0, text.size() - 1) + "o");
        if (EndsWith(text, "as") && AdjectiveContext(*n))
            ReadAsAdjective(s, *n, pos, text.substr(0, text.size() - 2) + "o");
    }
}

}  // namespace quelvo
