#include "morphology/context_tests.h"

#include <optional>

#include "core/form_codes.h"
#include "core/word_classes.h"
#include "lexicon/lookups.h"
#include "morphology/class_tests.h"
#include "morphology/ending_analysis.h"
#include "morphology/staging.h"

namespace quelvo {
namespace {

// The rules of PerfectContext in order; nullopt when a rule does not apply.
std::optional<bool> PerfectContextRule(WordNode& node) {
    const WordNode* prev = node.Prev;
    const WordNode* next = node.Next;
    if (SpClassOf(next) == wc::kVerbalAdjective) return false;
    if (SpWordOf(prev) == "como") return false;
    if (EndsWith(node.SpText, "os")) {
        node.SpClass = wc::kNoun;
        return false;
    }
    if (prev != nullptr && (prev->ClassTag == "indf" || prev->ClassTag == "det")) return false;
    if (SpWordOf(prev) == "haber") return true;
    if (OneOf(SpClassOf(next), {wc::kNoun, wc::kNumeral, wc::kDeterminer}) || Between(SpClassOf(next), wc::kDemonstrative, wc::kRkif)) return true;
    if (SpClassOf(next) == wc::kAdverb) return true;
    if (OneOf(SpWordOf(prev), {"no", "que"}) || OneOf(SpClassOf(prev), {wc::kUnlisted19, wc::kSubjectPronoun, wc::kProperName})) return true;
    if (FormCodeOf(next) == fc::kInfinitive) return true;
    if (SpWordOf(next) == "a" && FormCodeOf(next->Next) == fc::kInfinitive) return true;
    return std::nullopt;
}

}  // namespace

void PerfectContext(WordNode& node, int /*position*/, bool& yes) {
    if (const auto decided = PerfectContextRule(node)) yes = *decided;
}

void ParticipleUse(const WordNode& node, int /*position*/, bool& nounUse, bool& adjUse, bool& verbUse) {
    const WordNode* prev = node.Prev;
    const WordNode* next = node.Next;
    const int prevClass = SpClassOf(prev);
    const int nextClass = SpClassOf(next);
    const std::string_view prevWord = SpWordOf(prev);
    adjUse = true;
    if (node.FormCode == fc::kImperfect) {
        verbUse = true;
        adjUse = false;
    } else if (nextClass == wc::kAdjective || Between(nextClass, wc::kAdjectiveAdverb, wc::kNull) || (prev != nullptr && prev->SvClass == wc::kIndefinite) ||
               OneOf(prevWord, {"un", "una", "el", "la", "los", "las", "primer"})) {
        nounUse = true;
        adjUse = false;
    } else if (SpWordOf(next) == "de") {
        adjUse = true;
    } else if (prevClass == wc::kDeterminerPronoun) {
        nounUse = true;
        adjUse = false;
    } else if (prevWord == "estar") {
        adjUse = true;
    } else if (prevWord == "haber" || prevClass == wc::kAuxiliary) {
        verbUse = true;
        adjUse = false;
    } else if (IsVerbClass(prevClass) || OneOf(prevWord, {"muy", "m\xE1s"})) {
        adjUse = true;
    } else if (Between(nextClass, wc::kNounAdjective, wc::kNounAdjectiveParticiple) || nextClass == wc::kNoun || prevClass == wc::kNoun || Between(prevClass, wc::kNounAdjective, wc::kNounAdjectiveParticiple)) {
        verbUse = false;
        adjUse = true;
    } else if (prevClass == wc::kAdverb) {
        nounUse = false;
        verbUse = false;
        adjUse = true;
    } else if (prevWord == "de") {
        nounUse = true;
        verbUse = false;
        adjUse = false;
    }
}

void FlaggedWordFix(TranslationState& s, WordNode& node, int position) {
    const int prevClass = SpClassOf(node.Prev);
    if (!(prevClass == wc::kAuxiliary || IsVerbClass(prevClass))) return;
    bool found = false;
    AnalyseEnding3(s, node.SpWord, found);
    if (!found) {
        s.LookupWord = node.SpWord;
        LookupSpanishWord(s, found);
    }
    if (!found) return;
    const WordFields& w = s.StagedWord;
    node.SpWord = w.SpWord;
    node.SvWord = w.SvWord;
    CopySvCodes(w, node);
    node.FormCode = fc::kParticiple;
    SetTag(s, position, "vperf");
}

}  // namespace quelvo
