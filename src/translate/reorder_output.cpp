#include "translate/reorder_output.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "core/capitalise.h"

namespace quelvo {
namespace {

bool IsFiniteVerb(const OutWordNode& w) { return w.OutTag == "v" || w.OutTag == "hjv"; }

// The verb now opens the sentence: it takes the capital from the negation.
void MoveCapital(OutWordNode& neg, OutWordNode& verb) {
    if (neg.SvText.empty()) return;
    const char first = neg.SvText.front();
    if (LowerOf(first) == first) return;
    neg.SvText.front() = LowerOf(first);
    verb.SvText = Capitalised(verb.SvText);
}

void PlaceNegation(OutWordNode& n) {
    OutWordNode& m = *n.Next;
    if (IsFiniteVerb(m)) std::swap(n.OutPos, m.OutPos);
    OutWordNode* k = m.Next;
    if (k == nullptr) return;
    // An auxiliary after the pronoun moves as a verb does: "inte du behöver"
    // would otherwise stay as it is.
    if (m.OutTag == "ppsu" && IsFiniteVerb(*k)) {
        const int negPos = n.OutPos;
        n.OutPos = m.OutPos;
        m.OutPos = k->OutPos;
        k->OutPos = negPos;
        MoveCapital(n, m);
    }
    if (m.OutTag == "v" && k->OutTag == "refl") {
        std::swap(m.OutPos, k->OutPos);
        MoveCapital(n, m);
    }
    if (m.OutTag == "v") MoveCapital(n, m);
}

// The i-th word of the output is the node at the list position named by the
// i-th node's OutPos.
template <typename Node>
std::vector<Node*> OrderOf(Node* head) {
    std::vector<Node*> byListPos;
    for (Node* w = head; w != nullptr; w = w->Next) byListPos.push_back(w);
    std::vector<Node*> ordered;
    const int count = static_cast<int>(byListPos.size());
    for (const Node* w : byListPos)
        if (w->OutPos >= 1 && w->OutPos <= count) ordered.push_back(byListPos[static_cast<std::size_t>(w->OutPos - 1)]);
    return ordered;
}

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
    if (HasTag(order[0], {"adv"})) {
        while (end < order.size() && HasTag(order[end], {"adv"})) ++end;
    } else if (HasTag(order[0], {"prep"})) {
        end = NounPhraseEnd(order, 1);
        if (end == 1) return 0;
    } else if (HasTag(order[0], {"Konj"})) {
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

// The words of `out` in output order, as OutputOrder gives them, but
// changeable.
std::vector<OutWordNode*> MutableOutputOrder(NodeList<OutWordNode>& out) {
    std::vector<OutWordNode*> byListPos;
    for (OutWordNode* w = out.Head; w != nullptr; w = w->Next) byListPos.push_back(w);
    std::vector<OutWordNode*> ordered;
    for (const OutWordNode* w : byListPos)
        if (w->OutPos >= 1 && w->OutPos <= static_cast<int>(byListPos.size()))
            ordered.push_back(byListPos[static_cast<std::size_t>(w->OutPos - 1)]);
    return ordered;
}

// After an opening adverbial the finite verb comes second, before the
// subject: "i dag äter vi", "i morgon köper min bror en bil".
void PlaceVerbSecond(std::vector<OutWordNode*>& order) {
    if (order.size() < 3) return;
    const std::size_t subject = FrontedElementEnd(order);
    if (subject == 0 || subject >= order.size()) return;
    const std::size_t verb =
        HasTag(order[subject], {"ppsu"}) ? subject + 1 : NounPhraseEnd(order, subject);
    if (verb == subject || verb >= order.size() || !IsFiniteVerb(*order[verb])) return;
    std::rotate(order.begin() + static_cast<std::ptrdiff_t>(subject), order.begin() + static_cast<std::ptrdiff_t>(verb),
                order.begin() + static_cast<std::ptrdiff_t>(verb) + 1);
    SplitVerbGroup(*order[subject], *order[verb]);
}

// Gives every node the OutPos that puts `order` out: the i-th node of the
// list names the list position of the i-th word.
void SetOutputOrder(NodeList<OutWordNode>& out, const std::vector<OutWordNode*>& order) {
    std::size_t place = 0;
    for (OutWordNode* w = out.Head; w != nullptr && place < order.size(); w = w->Next) {
        int listPos = 1;
        for (const OutWordNode* v = out.Head; v != order[place]; v = v->Next) ++listPos;
        w->OutPos = listPos;
        ++place;
    }
}

void AppendCopy(TranslationState& s, const OutWordNode& w) {
    OutWordNode& copy = *s.OutListCopy.Append(s.Arena);
    copy.OutPos = w.OutPos;
    copy.SvText = w.SvText;
    copy.OutTag = w.OutTag;
}

}  // namespace

std::vector<const OutWordNode*> OutputOrder(const NodeList<OutWordNode>& out) {
    return OrderOf<const OutWordNode>(out.Head);
}

void ReorderOutput(TranslationState& s) {
    for (OutWordNode* n = s.OutList.Head; n != nullptr; n = n->Next)
        if (n->OutTag == "neg" && n->Next != nullptr) PlaceNegation(*n);
    std::vector<OutWordNode*> order = OrderOf<OutWordNode>(s.OutList.Head);
    if (static_cast<int>(order.size()) == s.OutList.Count()) {
        PlaceVerbSecond(order);
        SetOutputOrder(s.OutList, order);
    }
    for (const OutWordNode* w : order) AppendCopy(s, *w);
}

}  // namespace quelvo
