#include "grammar/phrase_grouping.h"

#include <vector>

#include "core/word_classes.h"
#include "grammar/phrase_grammar_rules.h"
#include "grammar/phrase_rule_index.h"

namespace quelvo {
namespace {

// The word tags as grouping sees them, by number: entry 0 unused, the marks
// of transitivity dropped from infinitives.
std::vector<TagId> WorkingTags(const TranslationState& s) {
    std::vector<TagId> tags(static_cast<std::size_t>(s.WordCount > 0 ? s.WordCount + 1 : 1), kUnknownTag);
    for (int i = 1; i <= s.WordCount; ++i) {
        const Str6& tag = s.WordTags.Get(i);
        tags[static_cast<std::size_t>(i)] = TagIdOf(tag == "inf_t" || tag == "inf_i" ? "inf" : tag.view());
    }
    return tags;
}

int LengthOf(const GrammarRule& rule) {
    int n = 0;
    while (n < kMaxMembers && !rule.tags[static_cast<std::size_t>(n)].empty()) ++n;
    return n;
}

PhraseNode* NewPhrase(TranslationState& s) {
    PhraseNode* phrase = s.PhraseList.Add(s.Arena, s.PhraseCounter == 1);
    ++s.PhraseCounter;
    return phrase;
}

// A phrase formed by `rule`; an unnamed rule keeps the tag of the phrase before.
void FillFromRule(PhraseNode& phrase, const GrammarRule& rule, const Str10& previousTag) {
    phrase.RuleNo = rule.number;
    phrase.MemberCount = LengthOf(rule);
    for (int m = 1; m <= phrase.MemberCount; ++m)
        phrase.Members[static_cast<std::size_t>(m)] = rule.tags[static_cast<std::size_t>(m - 1)];
    const auto name = PhraseNameOfRule(rule.number);
    phrase.Tag = name ? Str10(*name) : previousTag;
}

// "9" followed by the noun rule's digits, cut to four digits: 137 gives 9137.
int MergedRuleNo(int nounRuleNo) {
    int digits = nounRuleNo < 0 ? 0 : nounRuleNo;
    while (digits >= 1000) digits /= 10;
    int scale = 10;
    while (scale <= digits) scale *= 10;
    return 9 * scale + digits;
}

void FillMerged(PhraseNode& merged, const PhraseNode& noun) {
    merged.Tag = "NPP";
    merged.RuleNo = MergedRuleNo(noun.RuleNo);
    merged.Members[1] = "prep";
    for (int m = 2; m <= kMaxMembers; ++m) merged.Members[static_cast<std::size_t>(m)] = noun.Members[static_cast<std::size_t>(m - 1)];
    merged.MemberCount = 0;
    for (int m = 1; m <= kMaxMembers; ++m)
        if (!merged.Members[static_cast<std::size_t>(m)].empty()) ++merged.MemberCount;
}

void CopyPhrase(PhraseNode& copy, const PhraseNode& phrase) {
    copy.Tag = phrase.Tag;
    copy.RuleNo = phrase.RuleNo;
    copy.Members = phrase.Members;
    copy.MemberCount = phrase.MemberCount;
}

bool StartsPrepPhrase(const PhraseNode& a) {
    return (a.Tag == "Prep" || a.Tag == "Prpx") && a.Next != nullptr &&
           (a.Next->Tag == "NP" || a.Next->Tag == "Egnx");
}

}  // namespace

void GroupWordsIntoPhrases(TranslationState& s) {
    const std::vector<TagId> tags = WorkingTags(s);
    Str10 previousTag;
    int previousRule = 0;
    for (int from = 1; from <= s.WordCount;) {
        PhraseNode& phrase = *NewPhrase(s);
        if (const GrammarRule* rule = FirstMatchingRule(tags, static_cast<std::size_t>(from))) {
            FillFromRule(phrase, *rule, previousTag);
        } else {
            // A word no rule knows stays a phrase of its own; it still covers
            // its word, so later steps find every following word in place.
            phrase.Tag = previousTag;
            phrase.RuleNo = previousRule;
            phrase.MemberCount = 1;
        }
        previousTag = phrase.Tag;
        previousRule = phrase.RuleNo;
        from += phrase.MemberCount;
    }
}

void MergePrepositionPhrases(TranslationState& s) {
    s.MergedPhraseList = {};
    int pos = 1;
    for (const PhraseNode* a = s.PhraseList.Head; a != nullptr; a = a->Next, ++pos) {
        PhraseNode& out = *s.MergedPhraseList.Add(s.Arena, pos == 1);
        out.Pos = pos;
        if (StartsPrepPhrase(*a)) {
            FillMerged(out, *a->Next);
            a = a->Next;
        } else {
            CopyPhrase(out, *a);
        }
    }
    s.PhraseList = {};
}

}  // namespace quelvo
