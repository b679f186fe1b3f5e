#include "translate/reorder_output.h"

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
    if (m.OutTag == "ppsu" && k->OutTag == "v") {
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

void AppendCopy(TranslationState& s, const OutWordNode& w) {
    OutWordNode& copy = *s.OutListCopy.Append(s.Arena);
    copy.OutPos = w.OutPos;
    copy.SvText = w.SvText;
    copy.OutTag = w.OutTag;
}

}  // namespace

std::vector<const OutWordNode*> OutputOrder(const NodeList<OutWordNode>& out) {
    std::vector<const OutWordNode*> byListPos;
    for (const OutWordNode* w = out.Head; w != nullptr; w = w->Next) byListPos.push_back(w);
    std::vector<const OutWordNode*> ordered;
    const int count = static_cast<int>(byListPos.size());
    for (const OutWordNode* w : byListPos)
        if (w->OutPos >= 1 && w->OutPos <= count) ordered.push_back(byListPos[static_cast<std::size_t>(w->OutPos - 1)]);
    return ordered;
}

void ReorderOutput(TranslationState& s) {
    for (OutWordNode* n = s.OutList.Head; n != nullptr; n = n->Next)
        if (n->OutTag == "neg" && n->Next != nullptr) PlaceNegation(*n);
    for (const OutWordNode* w : OutputOrder(s.OutList)) AppendCopy(s, *w);
}

}  // namespace quelvo
