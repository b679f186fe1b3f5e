#include "translate/reorder_output.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "core/capitalise.h"
#include "core/word_classes.h"
#include "translate/adverb_placement.h"
#include "translate/output_words.h"
#include "translate/verb_second.h"

namespace quelvo {
namespace {

// The verb now opens the sentence: it takes the capital from the negation.
void MoveCapital(OutWordNode& neg, OutWordNode& verb) {
    if (neg.SvText.empty()) return;
    const char first = neg.SvText.front();
    if (LowerOf(first) == first) return;
    neg.SvText.front() = LowerOf(first);
    verb.SvText = Capitalised(verb.SvText);
}

// The negation stands in a subordinate clause when a subordinator or the
// word of an indirect question comes before it with no finite verb, comma
// or coordinating conjunction between.
bool InSubordinateClause(const OutWordNode& n) {
    for (const OutWordNode* w = n.Prev; w != nullptr; w = w->Prev) {
        if (IsSubordinator(w) || IsIndirectQuestionWord(w)) return true;
        if (IsFiniteVerb(w) || w->OutTag == "st" || w->OutTag == "Ykon") return false;
    }
    return false;
}

// Inside a subordinate clause only a subject pronoun goes before the
// negation: "att han inte är", "om du inte kommer".
void PlaceSubordinateNegation(OutWordNode& n) {
    OutWordNode& m = *n.Next;
    if (m.OutTag == "ppsu") std::swap(n.OutPos, m.OutPos);
}

void PlaceNegation(OutWordNode& n) {
    if (InSubordinateClause(n)) {
        PlaceSubordinateNegation(n);
        return;
    }
    OutWordNode& m = *n.Next;
    if (IsFiniteVerb(&m)) std::swap(n.OutPos, m.OutPos);
    OutWordNode* k = m.Next;
    if (k == nullptr) return;
    // An auxiliary after the pronoun moves as a verb does: "inte du behöver"
    // would otherwise stay as it is.
    if (m.OutTag == "ppsu" && IsFiniteVerb(k)) {
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

// A negation that opened the sentence and no longer stands first hands its
// capital to the word that now does ("No se lava": tvättar sig inte).
void KeepCapitalFirst(const std::vector<OutWordNode*>& order) {
    if (order.size() < 2) return;
    for (std::size_t i = 1; i < order.size(); ++i) {
        OutWordNode& w = *order[i];
        if (w.OutTag != "neg" || w.SvText.empty() || LowerOf(w.SvText.front()) == w.SvText.front()) continue;
        w.SvText.front() = LowerOf(w.SvText.front());
        order.front()->SvText = Capitalised(order.front()->SvText);
    }
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

// The words that open an exclamation after "¡": "¡qué suerte tienes!".
constexpr std::string_view kExclamationWords[] = {"qu\xE9", "c\xF3mo", "cu\xE1nto", "cu\xE1nta", "cu\xE1ntos", "cu\xE1ntas"};

bool OpensExclamation(const WordNode& w) {
    return w.SpWord == "\xA1" && w.Next != nullptr &&
           std::find(std::begin(kExclamationWords), std::end(kExclamationWords), w.Next->SpWord.view()) != std::end(kExclamationWords);
}

SegmentFacts FactsOf(const TranslationState& s) {
    SegmentFacts facts;
    for (const WordNode* w = s.WordList.Head; w != nullptr; w = w->Next) {
        if (w->SpWord == "?") facts.question = true;
        if (w->SpText == "se") facts.passive = true;
        if (OpensExclamation(*w)) facts.exclamation = true;
    }
    return facts;
}

// Gives every node the OutPos that puts `order` out: the i-th node of the
// list names the list position of the i-th word. Nodes beyond the words of
// `order` name none (OutPos 0): their word was dropped.
void SetOutputOrder(NodeList<OutWordNode>& out, const std::vector<OutWordNode*>& order) {
    std::size_t place = 0;
    for (OutWordNode* w = out.Head; w != nullptr; w = w->Next, ++place) {
        int listPos = 1;
        if (place < order.size())
            for (const OutWordNode* v = out.Head; v != order[place]; v = v->Next) ++listPos;
        w->OutPos = place < order.size() ? listPos : 0;
    }
}

// An unstressed object pronoun goes before the negation of a main clause:
// "jag har den inte", "Juan vet det inte". In a subordinate clause the
// negation already stands before the verb and is not followed by it.
void PlacePronounBeforeNegation(std::vector<OutWordNode*>& order) {
    for (std::size_t i = 1; i + 1 < order.size(); ++i) {
        if (order[i]->OutTag != "neg" || (order[i + 1]->OutTag != "ppob" && order[i + 1]->OutTag != "refl")) continue;
        const OutWordNode& before = *order[i - 1];
        if (IsFiniteVerb(&before) || before.OutTag == "ppsu") std::swap(order[i], order[i + 1]);
    }
}

// Degree words that go between a verb and its particle: "jag tycker mycket om".
constexpr std::string_view kDegreeWords[] = {"mycket", "ganska", "v\xE4ldigt", "lite", "verkligen"};

void PlaceDegreeBeforeParticle(std::vector<OutWordNode*>& order) {
    for (std::size_t i = 1; i + 1 < order.size(); ++i) {
        if (order[i]->OutTag != "part" || !IsFiniteVerb(order[i - 1])) continue;
        const std::string_view next = order[i + 1]->SvText.view();
        // "mycket bra" stays together: the degree word is the next word's.
        if (i + 2 < order.size() && (order[i + 2]->OutTag == "adj" || IsAdverb(order[i + 2]))) continue;
        if (std::find(std::begin(kDegreeWords), std::end(kDegreeWords), next) != std::end(kDegreeWords)) std::swap(order[i], order[i + 1]);
    }
}

bool IsObjectPronoun(const OutWordNode& w) { return w.OutTag == "ppob" || w.OutTag == "Ppob"; }

// A person object said with a preposition goes after the thing object:
// "berätta historien för mig", "säg det till mig".
void PlaceDativeAfterObject(std::vector<OutWordNode*>& order) {
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        const std::string_view text = order[i]->SvText.view();
        if (!IsObjectPronoun(*order[i]) || !(text.starts_with("f\xF6r ") || text.starts_with("till "))) continue;
        std::size_t end = i + 1;
        if (IsObjectPronoun(*order[end])) {
            ++end;
        } else {
            // The thing object ends on its first noun ("en saga", not "en saga varje natt").
            while (end < order.size() && IsNounPhraseWord(order[end]) && (end == i + 1 || !IsNoun(order[end - 1]))) ++end;
            while (end > i + 1 && !IsNoun(order[end - 1])) --end;
        }
        if (end == i + 1) continue;
        std::rotate(order.begin() + static_cast<std::ptrdiff_t>(i), order.begin() + static_cast<std::ptrdiff_t>(i + 1),
                    order.begin() + static_cast<std::ptrdiff_t>(end));
        i = end - 1;  // the moved pronoun is not looked at again
    }
}

// "inte någon" right after the finite verb of a main clause is "ingen":
// "det finns ingen på gatan", "jag har inget". After a supine or in a
// subordinate clause the negation stays ("jag har inte sett någon").
void JoinNegativeIndefinite(std::vector<OutWordNode*>& order) {
    for (std::size_t i = 1; i + 1 < order.size(); ++i) {
        const OutWordNode& before = *order[i - 1];
        if (order[i]->OutTag != "neg" || !(IsFiniteVerb(&before) || before.OutTag == "ppsu")) continue;
        for (const NegativeIndefinite& row : kNegativeIndefinites) {
            if (order[i + 1]->SvText != row.any) continue;
            order[i + 1]->SvText = row.none;
            order.erase(order.begin() + static_cast<std::ptrdiff_t>(i));
            break;
        }
    }
}

// Swedish asks for a name with "vad": "¿cómo te llamas?" is "vad heter du".
void AskNameWithVad(std::vector<OutWordNode*>& order) {
    if (order.size() < 2 || order[0]->OutTag != "intr" || order[0]->SvText != "Hur") return;
    if (order[1]->SvText == "heter" || order[1]->SvText == "hette") order[0]->SvText = "Vad";
}

void AppendCopy(TranslationState& s, const OutWordNode& w) {
    OutWordNode& copy = *s.OutListCopy.Append(s.Arena);
    copy.OutPos = w.OutPos;
    copy.SvText = w.SvText;
    copy.OutTag = w.OutTag;
}

// The segment's closing mark is its last phrase, which the dispatch never
// renders; the line still ends the way the Spanish did.
void AppendClosingMark(TranslationState& s) {
    const WordNode* last = s.WordList.Tail;
    if (s.OutList.Head == nullptr || last == nullptr || last->SpClass != wc::kPunctuation) return;
    if (last->SpWord != "." && last->SpWord != "?" && last->SpWord != "!" && last->SpWord != ":") return;
    OutWordNode& mark = *s.OutListCopy.Append(s.Arena);
    mark.SvText = last->SpWord;
    mark.OutTag = "st";
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
        PlaceVerbSecond(order, FactsOf(s));
        PlaceSubordinateAdverbs(order);
        PlacePronounsBeforeClauseAdverbs(order);
        SplitVerbGroups(order);
        PlaceMannerAdverbs(order);
        PlacePronounBeforeNegation(order);
        PlaceDegreeBeforeParticle(order);
        PlaceDativeAfterObject(order);
        JoinNegativeIndefinite(order);
        AskNameWithVad(order);
        SetOutputOrder(s.OutList, order);
    }
    KeepCapitalFirst(order);
    for (const OutWordNode* w : order) AppendCopy(s, *w);
    AppendClosingMark(s);
}

}  // namespace quelvo
