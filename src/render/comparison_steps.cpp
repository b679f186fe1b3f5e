// "más" inside a noun phrase: after a definite article or a possessive the
// superlative, otherwise the comparative, each formed by the adjective's
// comparison group (suffix, "mer"/"mest", or an irregular form).
#include "render/comparison_steps.h"

#include "render/adjective_word.h"
#include "render/adverbs.h"
#include "render/noun_phrase_steps.h"
#include "swedish/comparison.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

// Comparison groups of the adjective's code: 1 takes the suffix (snabbare,
// snabbaste); 4 and 7 are the irregular ones (större, största), where a word
// that no irregular table holds is compared by its ending (vackrare) or with
// "mest".
constexpr std::uint32_t kSuffixGroup = 1;

bool IsIrregularGroup(std::uint32_t group) { return group == 4 || group == 7; }

bool IsParticipleTag(const Str8& tag) { return tag == "vadj" || tag == "p_vadj"; }

// With CurWord on "más": the group of the adjective after it, 0 for a participle.
std::uint32_t GroupAfterMas(const TranslationState& s, const NounPhrase& np) {
    if (IsParticipleTag(MemberTagAt(s, np, 1))) return 0;
    return ComparisonGroupOf(s.CurWord->Next->SvCode1);
}

// "más" becomes a word of its own and the adjective follows, agreeing; after
// "det är" in the neuter ("det är mer intressant", "mindre dyrt").
void EmitWithMarker(TranslationState& s, const NounPhrase& np, std::string_view marker) {
    EmitAndRecord(s, marker, "mer");
    if (s.CurWord == nullptr) return;
    const Str8 tag = MemberTagAt(s, np);
    if (tag == "adj" && IsNeuterPredicative(s)) EmitAndRecord(s, PredicativeNeuter(s, *s.CurWord), "adj");
    else EmitAgreedAdjective(s, np, tag);
}

void EmitSuperlative(TranslationState& s, const NounPhrase& np) {
    const std::uint32_t group = GroupAfterMas(s, np);
    const bool irregular = IsIrregularGroup(group) && HasDefiniteSuperlative(s.CurWord->Next->SvWord);
    if (group != kSuffixGroup && !irregular) {
        EmitWithMarker(s, np, "mest");
        return;
    }
    AdvanceWord(s);  // the suffix or the irregular form carries "más"
    const Str30 adjective = s.CurWord->SvWord;
    if (group == kSuffixGroup) EmitAndRecord(s, SuffixStem(adjective) + "aste", "adj", np.adjectiveMark, np.gender);
    else EmitDefiniteSuperlative(s, adjective);
}

void EmitComparative(TranslationState& s, const NounPhrase& np) {
    const std::uint32_t group = GroupAfterMas(s, np);
    if (group != kSuffixGroup && !IsIrregularGroup(group)) {
        EmitWithMarker(s, np, "mer");
        return;
    }
    AdvanceWord(s);
    const Str30 adjective = s.CurWord->SvWord;
    if (group == kSuffixGroup) EmitComparativeAre(s, adjective);
    else if (HasIrregularComparative(adjective)) EmitIrregularComparative(s, np.adjectiveMark, 'm');
    else FyllIAdjSup_4(s, adjective);
}

// "menos" has words of its own before the adjective's plain form: "mindre
// dyr", "den minst dyra"; it never takes the adjective's comparative.
bool IsLess(const TranslationState& s) { return s.CurWord->SpWord == "menos"; }

std::string_view MoreWord(const TranslationState& s) { return IsLess(s) ? "mindre" : "mer"; }
std::string_view MostWord(const TranslationState& s) { return IsLess(s) ? "minst" : "mest"; }

// "más" with nothing after it.
bool MasStandsAlone(TranslationState& s) {
    if (s.CurWord->Next != nullptr) return false;
    EmitAndRecord(s, MoreWord(s), "mer");
    return true;
}

}  // namespace

void RunCompare(TranslationState& s, NounPhrase& np) {
    if (MasStandsAlone(s)) return;
    if (IsLess(s)) EmitWithMarker(s, np, np.indefinite != 0 ? MoreWord(s) : MostWord(s));
    else if (np.indefinite != 0) EmitComparative(s, np);
    else EmitSuperlative(s, np);
}

void RunMeraCompare(TranslationState& s, NounPhrase& np) {
    if (MasStandsAlone(s)) return;
    if (IsLess(s)) EmitWithMarker(s, np, np.indefinite != 0 ? MoreWord(s) : MostWord(s));
    else if (np.indefinite != 0) EmitWithMarker(s, np, "mera");
    else EmitSuperlative(s, np);
}

void RunMerOrMest(TranslationState& s, const NounPhrase& np) {
    EmitAndRecord(s, np.indefinite != 0 ? MoreWord(s) : MostWord(s), "mer");
}

// "más lejos" is "längre bort"; "más" before another adverb "mer".
void RunMoreAdverb(TranslationState& s) {
    const WordNode* next = s.CurWord->Next;
    if (next != nullptr && next->SpWord == "lejos" && !IsLess(s)) {
        EmitAndRecord(s, "l\xE4ngre bort", "adv");
        AdvanceWord(s);
        return;
    }
    EmitAndRecord(s, MoreWord(s), "mer");
    EmitAdverb(s);
}

}  // namespace quelvo
