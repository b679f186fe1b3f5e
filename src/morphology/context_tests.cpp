#include "morphology/context_tests.h"

#include <optional>

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
    if (SpClassOf(next) == 104) return false;
    if (SpWordOf(prev) == "como") return false;
    if (EndsWith(node.SpText, "os")) {
        node.SpClass = 1;
        return false;
    }
    if (prev != nullptr && (prev->ClassTag == "indf" || prev->ClassTag == "det")) return false;
    if (SpWordOf(prev) == "haber") return true;
    if (OneOf(SpClassOf(next), {1, 6, 15}) || Between(SpClassOf(next), 47, 49)) return true;
    if (SpClassOf(next) == 5) return true;
    if (OneOf(SpWordOf(prev), {"no", "que"}) || OneOf(SpClassOf(prev), {19, 10, 16})) return true;
    if (FormCodeOf(next) == 19) return true;
    if (SpWordOf(next) == "a" && FormCodeOf(next->Next) == 19) return true;
    return std::nullopt;
}

}  // namespace

void PrevIsHaber(const WordNode& node, int /*position*/, bool& yes) {
    if (SpWordOf(node.Prev) == "haber") yes = true;
}

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
    if (node.FormCode == 5) {
        verbUse = true;
        adjUse = false;
    } else if (nextClass == 2 || Between(nextClass, 26, 28) || (prev != nullptr && prev->SvClass == 13) ||
               OneOf(prevWord, {"un", "una", "el", "la", "los", "las", "primer"})) {
        nounUse = true;
        adjUse = false;
    } else if (SpWordOf(next) == "de") {
        adjUse = true;
    } else if (prevClass == 48) {
        nounUse = true;
        adjUse = false;
    } else if (prevWord == "estar") {
        adjUse = true;
    } else if (prevWord == "haber" || prevClass == 4) {
        verbUse = true;
        adjUse = false;
    } else if (IsVerbClass(prevClass) || OneOf(prevWord, {"muy", "m\xE1s"})) {
        adjUse = true;
    } else if (Between(nextClass, 20, 23) || nextClass == 1 || prevClass == 1 || Between(prevClass, 20, 23)) {
        verbUse = false;
        adjUse = true;
    } else if (prevClass == 5) {
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
    if (!(prevClass == 4 || IsVerbClass(prevClass))) return;
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
    node.FormCode = 10;
    SetTag(s, position, "vperf");
}

}  // namespace quelvo
