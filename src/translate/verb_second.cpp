#include "translate/verb_second.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "core/capitalise.h"

namespace quelvo {
namespace {

bool IsFiniteVerb(const OutWordNode* w) { return w->OutTag == "v" || w->OutTag == "hjv"; }

bool HasTag(const OutWordNode* w, std::initializer_list<std::string_view> tags) {
    for (const std::string_view tag : tags)
        if (w->OutTag == tag) return true;
    return false;
}

bool IsNounPhraseWord(const OutWordNode* w) { return HasTag(w, {"det", "poss", "indf", "adj", "rord", "n", "egnm"}); }
bool IsNoun(const OutWordNode* w) { return HasTag(w, {"n", "egnm"}); }

// The places [begin, end) hold a noun phrase that ends on its noun.
std::size_t NounPhraseEnd(const std::vector<OutWordNode*>& order, std::size_t begin) {
    std::size_t end = begin;
    while (end < order.size() && IsNounPhraseWord(order[end])) ++end;
    while (end > begin && !IsNoun(order[end - 1])) --end;
    return end;
}

// Where the element that opens the sentence ends, when it is one that
// Swedish follows with the verb: adverbs, a prepositional phrase, or a
// subordinate clause closed by a comma. Zero when the sentence opens
// otherwise.
std::size_t FrontedElementEnd(const std::vector<OutWordNode*>& order) {
    std::size_t end = 0;
    if (HasTag(order[0], {"adv", "advx"})) {
        while (end < order.size() && HasTag(order[end], {"adv", "advx"})) ++end;
    } else if (HasTag(order[0], {"prep"})) {
        end = NounPhraseEnd(order, 1);
        if (end == 1) return 0;
    } else if (HasTag(order[0], {"Konj", "prpx"})) {
        while (end < order.size() && !HasTag(order[end], {"st"})) ++end;
        if (end == order.size()) return 0;
    } else {
        return 0;
    }
    if (end < order.size() && HasTag(order[end], {"st"})) ++end;
    return end;
}

// Only the finite verb of a group written as one word ("kommer att",
// "har just") goes before the subject; the rest stays after it.
void SplitVerbGroup(OutWordNode& verb, OutWordNode& subjectEnd) {
    const std::string text(verb.SvText.view());
    const std::size_t blank = text.find(' ');
    if (blank == std::string::npos) return;
    verb.SvText = text.substr(0, blank);
    subjectEnd.SvText = std::string(subjectEnd.SvText.view()) + text.substr(blank);
}

// Where the subject of the verb starts, or npos when nothing calls for the
// verb to move: a question opens with its subject, or with a question word
// and then the subject; a statement with a fronted element and then the
// subject.
std::size_t SubjectStart(const std::vector<OutWordNode*>& order, bool question) {
    if (question) return HasTag(order[0], {"intr", "advx"}) ? 1 : 0;
    const std::size_t fronted = FrontedElementEnd(order);
    return fronted == 0 ? std::string::npos : fronted;
}

// A question that opened with its subject now opens with the verb, which
// takes the capital; a name keeps its own.
void MoveCapital(OutWordNode& oldFirst, OutWordNode& newFirst) {
    if (oldFirst.OutTag != "egnm" && !oldFirst.SvText.empty()) oldFirst.SvText.front() = LowerOf(oldFirst.SvText.front());
    newFirst.SvText = Capitalised(newFirst.SvText);
}

// A clause that opens with its subject has the finite verb right after it,
// before an adverb: "Marta äter alltid", not "Marta alltid äter".
void PlaceVerbBeforeAdverb(std::vector<OutWordNode*>& order) {
    const std::size_t adverb = HasTag(order[0], {"ppsu"}) ? 1 : NounPhraseEnd(order, 0);
    if (adverb == 0 || adverb + 1 >= order.size()) return;
    if (!HasTag(order[adverb], {"adv"}) || !IsFiniteVerb(order[adverb + 1])) return;
    std::swap(order[adverb], order[adverb + 1]);
}

bool IsSPassive(const OutWordNode* w) {
    const std::string_view text = w->SvText.view();
    return IsFiniteVerb(w) && !text.empty() && text.back() == 's';
}

// A statement that opens with an s-passive has the noun phrase after it as
// its subject, which Swedish puts first: "rum hyrs", "många hus har sålts".
void PlacePassiveSubjectFirst(std::vector<OutWordNode*>& order) {
    std::size_t group = 0;
    while (group < order.size() && IsFiniteVerb(order[group])) ++group;
    if (group == 0 || !IsSPassive(order[group - 1])) return;
    const std::size_t end = NounPhraseEnd(order, group);
    if (end == group) return;
    std::rotate(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(group),
                order.begin() + static_cast<std::ptrdiff_t>(end));
    MoveCapital(*order[end - group], *order[0]);
}

// A subject pronoun said after the verbs of a question goes right after the
// finite one: "vad skulle du göra", not "vad skulle göra du".
void PlaceLateSubject(std::vector<OutWordNode*>& order) {
    std::size_t finite = 0;
    while (finite < order.size() && !IsFiniteVerb(order[finite])) ++finite;
    std::size_t pronoun = finite + 1;
    while (pronoun < order.size() && HasTag(order[pronoun], {"v", "inf"})) ++pronoun;
    if (pronoun >= order.size() || pronoun == finite + 1 || !HasTag(order[pronoun], {"ppsu"})) return;
    const auto at = [&order](std::size_t i) { return order.begin() + static_cast<std::ptrdiff_t>(i); };
    std::rotate(at(finite + 1), at(pronoun), at(pronoun + 1));
}

}  // namespace

void PlaceVerbSecond(std::vector<OutWordNode*>& order, const SegmentFacts& facts) {
    if (order.size() < 2) return;
    if (facts.question) PlaceLateSubject(order);
    const std::size_t start = SubjectStart(order, facts.question);
    if (start == std::string::npos) {
        if (facts.passive) PlacePassiveSubjectFirst(order);
        PlaceVerbBeforeAdverb(order);
    }
    if (start >= order.size()) return;
    // Adverbs between the opening element and the subject follow the
    // subject: "innan ..., läser jag alltid".
    std::size_t subject = start;
    if (!facts.question)
        while (subject < order.size() && HasTag(order[subject], {"adv"})) ++subject;
    if (subject >= order.size()) return;
    const std::size_t verb = HasTag(order[subject], {"ppsu", "Indx"}) ? subject + 1 : NounPhraseEnd(order, subject);
    if (verb == subject || verb >= order.size() || !IsFiniteVerb(order[verb])) return;
    const auto at = [&order](std::size_t i) { return order.begin() + static_cast<std::ptrdiff_t>(i); };
    std::rotate(at(start), at(verb), at(verb + 1));
    std::rotate(at(start + 1), at(start + 1 + (subject - start)), at(verb + 1));
    SplitVerbGroup(*order[start], *order[start + (verb - subject)]);
    if (start == 0) MoveCapital(*order[1], *order[0]);
    // Swedish sets no comma between an opening adverbial and its verb.
    if (start >= 2 && HasTag(order[start - 1], {"st"}) && !HasTag(order[0], {"Konj", "prpx"}))
        order.erase(at(start - 1));
}

}  // namespace quelvo
