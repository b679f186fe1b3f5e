#include "translate/adverb_placement.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/capitalise.h"
#include "translate/output_words.h"

namespace quelvo {
namespace {

bool IsClauseAdverb(const OutWordNode* w) { return HasTag(w, {kClauseAdverbTag}); }

bool HasCapital(const OutWordNode& w) {
    const std::string_view text = w.SvText.view();
    return !text.empty() && LowerOf(text.front()) != text.front();
}

void MoveCapital(OutWordNode& from, OutWordNode& to) {
    if (!HasCapital(from)) return;
    from.SvText.front() = LowerOf(from.SvText.front());
    to.SvText = Capitalised(to.SvText);
}

struct Span {
    std::size_t begin;
    std::size_t end;
};

// The noun subject that Spanish puts after the finite verb at `verb` and its
// adverbs, at the end of the clause; an empty span when there is none.
Span LateSubject(const std::vector<OutWordNode*>& clause, std::size_t verb) {
    std::size_t begin = verb + 1;
    while (begin < clause.size() && (IsAdverb(clause[begin]) || HasTag(clause[begin], {"advx"}))) ++begin;
    const std::size_t end = NounPhraseEnd(clause, begin);
    const bool closesClause = end == clause.size() || HasTag(clause[end], {"st"});
    // Two common nouns are no one subject: a word read wrongly stands first.
    std::size_t nouns = 0;
    for (std::size_t i = begin; i < end; ++i) nouns += HasTag(clause[i], {"n"}) ? 1 : 0;
    return {begin, closesClause && nouns <= 1 ? end : begin};
}

// Where the clause adverbs and negations that start at `begin` end; with
// `clauseAdverb`, `begin` itself when no clause adverb is among them.
std::size_t AdverbRunEnd(const std::vector<OutWordNode*>& order, std::size_t begin, bool clauseAdverb = true) {
    std::size_t end = begin;
    bool adverb = false;
    for (; end < order.size() && (IsClauseAdverb(order[end]) || IsNegation(order[end])); ++end)
        adverb = adverb || IsClauseAdverb(order[end]);
    return adverb || !clauseAdverb ? end : begin;
}

// A pronoun object said alone ("henne", "det", "sig"), not one said with a
// preposition ("till mig").
bool IsUnstressedPronoun(const OutWordNode* w) {
    return HasTag(w, {"ppob", "Ppob", "refl"}) && w->SvText.view().find(' ') == std::string_view::npos;
}

// Whether a clause follows the adverbs that end at `run`: a subject and its
// finite verb, or the finite verb. A noun subject after the verb and its
// adverbs at the end of the clause goes before the verb, in a question after
// it; a statement without one keeps its adverbs first, but an s-passive
// finds its subject after the verb itself ("spanska talas alltid").
bool SubjectFollows(std::vector<OutWordNode*>& clause, std::size_t run, bool question, bool passive,
                    OpeningAdverbs& taken) {
    if (!IsFiniteVerb(clause[run])) {
        const std::size_t subjectEnd = HasTag(clause[run], {"ppsu"}) ? run + 1 : NounPhraseEnd(clause, run);
        return subjectEnd != run && subjectEnd < clause.size() && IsFiniteVerb(clause[subjectEnd]);
    }
    const Span subject = LateSubject(clause, run);
    if (subject.begin == subject.end) return question || passive;
    std::rotate(At(clause, question ? run + 1 : run), At(clause, subject.begin), At(clause, subject.end));
    taken.subjectAfterVerb = question;
    return true;
}

}  // namespace

OpeningAdverbs TakeOpeningAdverbs(std::vector<OutWordNode*>& clause, bool question, bool passive) {
    OpeningAdverbs taken;
    // A question word stays first: "varför kommer du alltid".
    const std::size_t first = question && !clause.empty() && HasTag(clause[0], {"intr", "advx"}) ? 1 : 0;
    // A negation before them goes with them: "no siempre" (inte alltid).
    const std::size_t run = AdverbRunEnd(clause, first);
    if (run == first || run == clause.size() || !SubjectFollows(clause, run, question, passive, taken)) return taken;
    taken.words.assign(At(clause, first), At(clause, run));
    clause.erase(At(clause, first), At(clause, run));
    MoveCapital(*taken.words.front(), *clause[first]);
    return taken;
}

void PutBackOpeningAdverbs(std::vector<OutWordNode*>& clause, OpeningAdverbs& adverbs) {
    if (adverbs.words.empty()) return;
    std::size_t place = 0;
    while (place < clause.size() && !IsFiniteVerb(clause[place])) ++place;
    if (place == clause.size()) {
        // No verb to stand after: the adverbs open the clause again.
        MoveCapital(*clause.front(), *adverbs.words.front());
        clause.insert(clause.begin(), adverbs.words.begin(), adverbs.words.end());
        return;
    }
    ++place;
    if (adverbs.subjectAfterVerb)
        place = NounPhraseEnd(clause, place);
    else if (place < clause.size() && HasTag(clause[place], {"ppsu"}))
        ++place;
    clause.insert(At(clause, place), adverbs.words.begin(), adverbs.words.end());
}

void PlaceSubordinateAdverbs(std::vector<OutWordNode*>& order) {
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        if (!IsSubordinator(order[i])) continue;
        const std::size_t first = i + 1;
        std::size_t subject = first;
        while (subject < order.size() && IsClauseAdverb(order[subject])) ++subject;
        if (subject == first || subject == order.size()) continue;
        const std::size_t end = HasTag(order[subject], {"ppsu"}) ? subject + 1 : NounPhraseEnd(order, subject);
        if (end == subject || end >= order.size() || !(IsFiniteVerb(order[end]) || IsNegation(order[end]))) continue;
        std::rotate(At(order, first), At(order, subject), At(order, end));
    }
}

void PlaceMannerAdverbs(std::vector<OutWordNode*>& order) {
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        if (!HasTag(order[i], {kMannerAdverbTag})) continue;
        std::size_t first = i;
        while (first > 0 && HasTag(order[first - 1], {kPlainAdverbTag})) --first;
        std::size_t end = NounPhraseEnd(order, i + 1);
        if (end == i + 1) continue;
        // Coordinated objects stay together: "talar franska och tyska perfekt".
        while (end + 1 < order.size() && HasTag(order[end], {"Ykon"}) && NounPhraseEnd(order, end + 1) > end + 1)
            end = NounPhraseEnd(order, end + 1);
        std::rotate(At(order, first), At(order, i + 1), At(order, end));
        i = end - 1;
    }
}

void PlacePronounsBeforeClauseAdverbs(std::vector<OutWordNode*>& order) {
    for (std::size_t i = 0; i + 2 < order.size(); ++i) {
        if (!IsFiniteVerb(order[i]) && !HasTag(order[i], {"ppsu"})) continue;
        const std::size_t end = AdverbRunEnd(order, i + 1);
        if (end == i + 1 || end == order.size() || !IsUnstressedPronoun(order[end])) continue;
        std::rotate(At(order, i + 1), At(order, end), At(order, end + 1));
    }
}

void SplitVerbGroups(std::vector<OutWordNode*>& order) {
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        if (!IsFiniteVerb(order[i]) && !HasTag(order[i], {"ppsu"})) continue;
        const std::size_t end = AdverbRunEnd(order, i + 1, false);
        if (end > i + 1) MoveTailOnto(*order[i], *order[end - 1]);
    }
}

}  // namespace quelvo
