#include "morphology/staging.h"

#include <utility>

#include "core/form_codes.h"
#include "lexicon/lookups.h"
#include "morphology/ending_analysis.h"

namespace quelvo {
namespace {

bool InSentence(const TranslationState& s, int position) { return position >= 1 && position <= s.WordCount; }

}  // namespace

Str30 ClassTextAt(const TranslationState& s, int position) {
    return InSentence(s, position) ? s.WordClassTexts.Get(position) : Str30{};
}

Str6 TagAt(const TranslationState& s, int position) {
    return InSentence(s, position) ? s.WordTags.Get(position) : Str6{};
}

void SetTag(TranslationState& s, int position, std::string_view tag) { s.WordTags.Set(position, Str6(tag)); }

void SetClassText(TranslationState& s, int position, std::string_view text) {
    s.WordClassTexts.Set(position, Str30(text));
}

void SwapWithNext(TranslationState& s, WordNode& word, int position) {
    if (word.Next == nullptr) return;
    std::swap(static_cast<WordFields&>(word), static_cast<WordFields&>(*word.Next));
    std::swap(word.Attached, word.Next->Attached);
    const auto swapEntries = [position](auto& slots) {
        const auto first = slots.Get(position);
        slots.Set(position, slots.Get(position + 1));
        slots.Set(position + 1, first);
    };
    swapEntries(s.WordClassNos);
    swapEntries(s.WordPersonNos);
    swapEntries(s.WordClassTexts);
    swapEntries(s.WordTags);
}

void CopySvCodes(const WordFields& from, WordFields& to) {
    to.SvCode1 = from.SvCode1;
    to.SvCode2 = from.SvCode2;
    to.SvCode3 = from.SvCode3;
    to.SvCode4 = from.SvCode4;
}

void CopyStagedToNode(const TranslationState& s, WordNode& node) {
    const WordFields& w = s.StagedWord;
    node.SpWord = w.SpWord;
    node.SvWord = w.SvWord;
    node.SpCode1 = w.SpCode1;
    node.SpCode2 = w.SpCode2;
    node.SpCode3 = w.SpCode3;
    node.SpClass = w.SpClass;
    node.SvKey = w.SvKey;
    CopySvCodes(w, node);
    node.SvClass = w.SvClass;
    node.FormCode = w.FormCode;
    node.PersonNo = w.PersonNo;
}

void TakeStagedVerb(const TranslationState& s, WordNode& node) {
    CopyStagedToNode(s, node);
    node.SvForm = s.StagedWord.SvWord;
}

void ReanalyseVerb(TranslationState& s, const Str30& form, bool& found) {
    found = false;
    AnalyseEnding3(s, form, found);
    if (!found) AnalyseEnding2(s, form, found);
    if (!found) AnalyseEnding1(s, form, found);
    if (found) return;
    Str30 infinitive = form;
    bool listed = false;
    int formCode = fc::kNone;
    LookupVerbForm(s, infinitive, listed, formCode);
    if (!listed) return;
    s.LookupWord = infinitive;
    LookupSpanishWord(s, found);
    if (!found) return;
    s.StagedWord.FormCode = formCode;
    s.StagedWord.SvForm = s.StagedWord.SvWord;
}

bool LookupFormEntryFound(TranslationState& s, const WordNode& node) {
    s.StagedWord.SvWord.clear();
    LookupFormEntry(s, node);
    return !s.StagedWord.SvWord.empty();
}

bool TakeFormEntryUnder(TranslationState& s, WordNode& node, std::string_view spanish) {
    WordNode named = node;
    named.SpWord = spanish;
    if (!LookupFormEntryFound(s, named)) return false;
    node.SvWord = s.StagedWord.SvWord;
    node.SvForm = s.StagedWord.SvWord;
    node.SvKey = s.StagedWord.SvKey;
    node.SvClass = s.StagedWord.SvClass;
    CopySvCodes(s.StagedWord, node);
    return true;
}

}  // namespace quelvo
