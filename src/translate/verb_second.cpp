#include "translate/verb_second.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "core/capitalise.h"
#include "translate/adverb_placement.h"
#include "translate/output_words.h"

namespace quelvo {
namespace {

// Where the prepositional phrase that starts at `begin` ends, taking in the
// prepositional phrases that qualify its noun: "i huset av min far".
std::size_t PrepositionalPhraseEnd(const std::vector<OutWordNode*>& order, std::size_t begin) {
    std::size_t end = begin;
    while (end < order.size() && HasTag(order[end], {"prep"})) {
        const std::size_t nounEnd = NounPhraseEnd(order, end + 1);
        if (nounEnd == end + 1) break;
        end = nounEnd;
    }
    return end;
}

// Where the element that opens the sentence ends, when it is one that
// Swedish follows with the verb: adverbs, a prepositional phrase, or a
// subordinate clause closed by a comma. Zero when the sentence opens
// otherwise.
std::size_t FrontedElementEnd(const std::vector<OutWordNode*>& order) {
    std::size_t end = 0;
    if (IsAdverb(order[0]) || HasTag(order[0], {"advx"})) {
        // A clause adverb after an adverbial of time or place is no part of
        // it: "i morgon är det alltid".
        const bool clauseAdverbs = HasTag(order[0], {kClauseAdverbTag});
        while (end < order.size() && (IsAdverb(order[end]) || HasTag(order[end], {"advx"})) &&
               (clauseAdverbs || !HasTag(order[end], {kClauseAdverbTag})))
            ++end;
    } else if (HasTag(order[0], {"prep"}) && NounPhraseEnd(order, 1) > 1) {
        // A postposition closes the phrase ("för två år sedan").
        end = PrepositionalPhraseEnd(order, 0);
        if (end < order.size() && HasTag(order[end], {"post"})) ++end;
    } else if (HasTag(order[0], {"Konj", "prpx", "prep"})) {
        // A clause, or a preposition with its infinitive ("efter att ha
        // ätit"), up to its comma.
        while (end < order.size() && !HasTag(order[end], {"st"})) ++end;
        if (end == order.size()) return 0;
    } else {
        return 0;
    }
    if (end < order.size() && HasTag(order[end], {"st"})) ++end;
    return end;
}

// "vilken bok": a question word with its noun opens the question.
bool IsQuestionDeterminer(const OutWordNode* w) {
    if (!HasTag(w, {"indf", "intr"})) return false;
    std::string text(w->SvText.view());
    if (!text.empty()) text.front() = LowerOf(text.front());
    return text == "vilken" || text == "vilket" || text == "vilka";
}

// Where the subject of the verb starts, or npos when nothing calls for the
// verb to move: a question opens with its subject, or with a question word
// and then the subject; a statement with a fronted element and then the
// subject.
std::size_t SubjectStart(const std::vector<OutWordNode*>& order, bool question) {
    if (question && IsQuestionDeterminer(order[0])) return NounPhraseEnd(order, 0);
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
// before its adverbs: "Marta äter alltid", "tågen kommer nästan alltid".
void PlaceVerbBeforeAdverb(std::vector<OutWordNode*>& order) {
    const std::size_t adverb = HasTag(order[0], {"ppsu"}) ? 1 : NounPhraseEnd(order, 0);
    if (adverb == 0) return;
    std::size_t verb = adverb;
    while (verb < order.size() && IsAdverb(order[verb])) ++verb;
    if (verb == adverb || verb >= order.size() || !IsFiniteVerb(order[verb])) return;
    std::rotate(At(order, adverb), At(order, verb), At(order, verb + 1));
}

bool IsSPassive(const OutWordNode* w) {
    const std::string_view text = w->SvText.view();
    return IsFiniteVerb(w) && !text.empty() && text.back() == 's';
}

// "mer än" or "mindre än" before a noun phrase: the words of the amount.
std::size_t AmountEnd(const std::vector<OutWordNode*>& order, std::size_t begin) {
    const bool amount = begin + 1 < order.size() && HasTag(order[begin], {"Mer", "mer"}) && order[begin + 1]->SvText == "\xE4n";
    return amount ? begin + 2 : begin;
}

// A statement that opens with an s-passive has the noun phrase after it,
// with its amount and an "av" phrase that qualifies it, as its
// subject, which Swedish puts first: "rum hyrs", "många hus har sålts",
// "mer än en miljon exemplar av skivan har sålts".
void PlacePassiveSubjectFirst(std::vector<OutWordNode*>& order) {
    std::size_t group = 0;
    while (group < order.size() && IsFiniteVerb(order[group])) ++group;
    if (group == 0 || !IsSPassive(order[group - 1])) return;
    const std::size_t nounStart = AmountEnd(order, group);
    std::size_t end = NounPhraseEnd(order, nounStart);
    if (end == nounStart) return;
    // Only "av" binds to the noun ("exemplar av skivan"); a place stays after the verb.
    if (end < order.size() && order[end]->SvText == "av") end = PrepositionalPhraseEnd(order, end);
    std::rotate(At(order, 0), At(order, group), At(order, end));
    MoveCapital(*order[end - group], *order[0]);
}

// A subject pronoun said after the verbs of a question goes right after the
// finite one: "vad skulle du göra", not "vad skulle göra du".
void PlaceLateSubject(std::vector<OutWordNode*>& order) {
    std::size_t finite = 0;
    while (finite < order.size() && !IsFiniteVerb(order[finite])) ++finite;
    std::size_t pronoun = finite + 1;
    while (pronoun < order.size() && HasTag(order[pronoun], {"v", "inf", "part", "refl"})) ++pronoun;
    if (pronoun >= order.size() || pronoun == finite + 1 || !HasTag(order[pronoun], {"ppsu"})) return;
    std::rotate(At(order, finite + 1), At(order, pronoun), At(order, pronoun + 1));
}

// Moves the finite verb that follows the subject to `start`, where the
// subject began; adverbs between `start` and the subject ("innan ..., läser
// jag alltid") go after the subject. False when no finite verb follows.
bool MoveVerbBeforeSubject(std::vector<OutWordNode*>& order, std::size_t start, bool question) {
    std::size_t subject = start;
    if (!question)
        while (subject < order.size() && IsAdverb(order[subject])) ++subject;
    // A focus adverb belongs to the subject after it ("nästan alla").
    std::size_t head = subject;
    while (head < order.size() && HasTag(order[head], {kFocusAdverbTag})) ++head;
    if (head >= order.size()) return false;
    std::size_t verb = HasTag(order[head], {"ppsu", "Indx"}) ? head + 1 : NounPhraseEnd(order, head);
    // A lone indefinite is a subject too: "lyckligtvis blev ingen skadad".
    if (!question && verb == head && HasTag(order[head], {"indf"})) verb = head + 1;
    if (verb == head || verb >= order.size() || !IsFiniteVerb(order[verb])) return false;
    std::rotate(At(order, start), At(order, verb), At(order, verb + 1));
    std::rotate(At(order, start + 1), At(order, start + 1 + (subject - start)), At(order, verb + 1));
    // Only the finite verb of a group written as one word ("kommer att",
    // "har just") goes before the subject; the rest stays after it.
    MoveTailOnto(*order[start], *order[start + (verb - subject)]);
    return true;
}

// Swedish sets no comma between an opening adverbial, subordinate clause or
// infinitive and the verb of the main clause: "när vi bodde där gick vi".
void DropCommaBefore(std::vector<OutWordNode*>& order, std::size_t verb) {
    if (verb < 2 || !HasTag(order[verb - 1], {"st"}) || order[verb - 1]->SvText != ",") return;
    order.erase(At(order, verb - 1));
}

// The second of two coordinated main clauses has its own verb-second order:
// "och efteråt kommer jag tillbaka".
void PlaceCoordinatedVerbSecond(std::vector<OutWordNode*>& order) {
    for (std::size_t i = 1; i + 1 < order.size(); ++i) {
        if (!HasTag(order[i], {"Ykon"})) continue;
        std::vector<OutWordNode*> clause(At(order, i + 1), order.end());
        OpeningAdverbs adverbs = TakeOpeningAdverbs(clause, false, false);
        const std::size_t start = FrontedElementEnd(clause);
        if (start != 0 && MoveVerbBeforeSubject(clause, start, false)) DropCommaBefore(clause, start);
        PutBackOpeningAdverbs(clause, adverbs);
        order.erase(At(order, i + 1), order.end());
        order.insert(order.end(), clause.begin(), clause.end());
    }
}

// An exclamation keeps the order of a subordinate clause: its subject comes
// right after the exclamative phrase, before the verb ("vad god kycklingen
// är", "vilken tur du har").
void PlaceExclamationSubject(std::vector<OutWordNode*>& order) {
    std::size_t verb = 1;
    while (verb < order.size() && !IsFiniteVerb(order[verb])) ++verb;
    if (verb + 1 >= order.size()) return;
    const std::size_t subjectEnd = HasTag(order[verb + 1], {"ppsu"}) ? verb + 2 : NounPhraseEnd(order, verb + 1);
    if (subjectEnd == verb + 1) return;
    std::rotate(At(order, verb), At(order, verb + 1), At(order, subjectEnd));
}

// The verb of the main clause, and of a coordinated one, in second place.
void PlaceClauseVerbs(std::vector<OutWordNode*>& order, const SegmentFacts& facts) {
    if (order.size() < 2) return;
    if (facts.question) PlaceLateSubject(order);
    PlaceCoordinatedVerbSecond(order);
    const std::size_t start = SubjectStart(order, facts.question);
    if (start == std::string::npos) {
        if (facts.passive) PlacePassiveSubjectFirst(order);
        PlaceVerbBeforeAdverb(order);
        return;
    }
    if (!MoveVerbBeforeSubject(order, start, facts.question)) return;
    if (start == 0) MoveCapital(*order[1], *order[0]);
    DropCommaBefore(order, start);
}

}  // namespace

void PlaceVerbSecond(std::vector<OutWordNode*>& order, const SegmentFacts& facts) {
    if (order.size() < 2) return;
    if (facts.exclamation) return PlaceExclamationSubject(order);
    OpeningAdverbs adverbs = TakeOpeningAdverbs(order, facts.question, facts.passive);
    PlaceClauseVerbs(order, facts);
    PutBackOpeningAdverbs(order, adverbs);
}

}  // namespace quelvo

