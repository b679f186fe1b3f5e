#include "render/genitive.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "core/capitalise.h"
#include "render/own_possessive.h"
#include "render/phrase_progress.h"
#include "render/prepositions.h"
#include "swedish/nouns.h"
#include "core/form_codes.h"
#include "core/word_classes.h"

namespace quelvo {
namespace {


constexpr std::array<std::string_view, 6> HeadTags{"NP", "NPS", "NPO", "NPK", "KTNP", "NPP"};
constexpr std::array<std::string_view, 4> DefiniteArticles{"el", "la", "los", "las"};
// Comparison inside the possessed phrase: "el río más largo del país" is
// "den längsta floden i landet", not a genitive.
constexpr std::array<std::string_view, 6> ComparingWords{"m\xE1s", "menos", "mejor", "peor", "mayor", "menor"};

template <std::size_t N>
bool IsIn(const std::array<std::string_view, N>& table, std::string_view word) {
    return std::find(table.begin(), table.end(), word) != table.end();
}

bool IsDefiniteArticle(const WordNode* w) { return w != nullptr && IsIn(DefiniteArticles, w->SpWord.view()); }

// The possessed noun: the last noun of the phrase's words, or null when the
// phrase is no definite noun phrase fit for a genitive.
WordNode* PossessedNoun(WordNode* first, const PhraseNode& phrase) {
    int words = WordsOfPhrase(&phrase);
    WordNode* w = first;
    if (w != nullptr && phrase.Members[1] == "prep") w = w->Next;
    if (!IsDefiniteArticle(w)) return nullptr;
    WordNode* noun = nullptr;
    for (WordNode* v = first; v != nullptr && words > 0; v = v->Next, --words) {
        if (IsIn(ComparingWords, v->SpWord.view())) return nullptr;
        if (v->SvClass == wc::kNoun && v->SpClass != wc::kProperName) noun = v;
    }
    return noun != nullptr && noun->FormCode != fc::kDiminutive ? noun : nullptr;
}

bool IsPossessor(const WordNode* w) {
    if (w == nullptr) return false;
    if (w->SpClass == wc::kPossessive || w->SpClass == wc::kProperName || w->SpClass == wc::kEgnx)
        return true;
    return IsDefiniteArticle(w) && w->Next != nullptr && w->Next->SvClass == wc::kNoun;
}

WordNode* WordAfter(WordNode* w, int words) {
    for (; w != nullptr && words > 0; --words) w = w->Next;
    return w;
}

std::vector<OutWordNode*> Nodes(OutWordNode* from) {
    std::vector<OutWordNode*> nodes;
    for (OutWordNode* n = from; n != nullptr; n = n->Next) nodes.push_back(n);
    return nodes;
}

OutWordNode* After(const TranslationState& s, OutWordNode* n) { return n == nullptr ? s.OutList.Head : n->Next; }

// Relinks the output list in `order` and numbers it anew.
void Relink(TranslationState& s, const std::vector<OutWordNode*>& order) {
    OutWordNode* prev = nullptr;
    int pos = 1;
    for (OutWordNode* n : order) {
        n->Prev = prev;
        n->Next = nullptr;
        if (prev != nullptr) prev->Next = n;
        else s.OutList.Head = n;
        n->OutPos = pos++;
        prev = n;
    }
    s.OutList.Tail = prev;
    if (prev == nullptr) s.OutList.Head = nullptr;
    s.OutPosCounter = pos;
}

// The genitive ending: none after a final s, x or z ("Lars bok").
void MakeGenitive(OutWordNode& n) {
    if (n.SvText.empty()) return;
    const char last = LowerOf(n.SvText.back());
    if (last != 's' && last != 'x' && last != 'z') n.SvText += "s";
}

struct GenitiveParts {
    std::vector<OutWordNode*> lead;       // what came before, and the head's own preposition
    std::vector<OutWordNode*> possessed;  // the possessed phrase without its article
    std::vector<OutWordNode*> possessor;  // the possessor without "de"
};

GenitiveParts Split(const TranslationState& s, OutWordNode* beforeHead, OutWordNode* headLast) {
    GenitiveParts parts;
    for (OutWordNode* n = s.OutList.Head; n != After(s, beforeHead); n = n->Next) parts.lead.push_back(n);
    bool inHead = true;
    bool leading = true;
    for (OutWordNode* n : Nodes(After(s, beforeHead))) {
        if (inHead) {
            if (leading && n->OutTag == "prep") parts.lead.push_back(n);
            else if (n->OutTag != "det") parts.possessed.push_back(n);
            leading = false;
            if (n == headLast) inHead = false;
        } else if (!(parts.possessor.empty() && n->OutTag == "prep")) {
            parts.possessor.push_back(n);
        }
    }
    return parts;
}

void MoveCapital(const TranslationState& s, const std::vector<OutWordNode*>& order) {
    if (order.empty() || s.OutList.Head == order.front()) return;
    OutWordNode& oldFirst = *s.OutList.Head;
    if (!oldFirst.SvText.empty()) oldFirst.SvText.front() = LowerOf(oldFirst.SvText.front());
    order.front()->SvText = Capitalised(order.front()->SvText);
}

}  // namespace

bool StartsGenitive(TranslationState& s) {
    const PhraseNode* head = s.PhraseCursor;
    if (head == nullptr || head->Next == nullptr || head->Next->Tag != "NPP") return false;
    if (!IsIn(HeadTags, head->Tag.view())) return false;
    if (PossessedNoun(s.CurWord, *head) == nullptr) return false;
    // "sitt hus" takes no genitive before it.
    const WordNode* article = head->Members[1] == "prep" ? s.CurWord->Next : s.CurWord;
    if (PointsToSubject(head, article)) return false;
    WordNode* de = WordAfter(s.CurWord, WordsOfPhrase(head));
    return de != nullptr && IsOrdinaryDe(*de) && IsPossessor(de->Next);
}

void RenderGenitive(TranslationState& s, void (*renderPhrase)(TranslationState&)) {
    WordNode* noun = PossessedNoun(s.CurWord, *s.PhraseCursor);
    OutWordNode* beforeHead = s.OutList.Tail;
    renderPhrase(s);
    OutWordNode* headLast = s.OutList.Tail;
    s.PhraseCursor = s.PhraseCursor->Next;
    renderPhrase(s);
    if (headLast == beforeHead || s.OutList.Tail == headLast) return;

    GenitiveParts parts = Split(s, beforeHead, headLast);
    auto nounNode = std::find_if(parts.possessed.begin(), parts.possessed.end(),
                                 [](const OutWordNode* n) { return n->OutTag == "n"; });
    if (parts.possessor.empty() || nounNode == parts.possessed.end()) return;
    Str30 form = noun->SvWord;
    ChkKatForm(s, form, noun->SvCode2, noun->FormCode, 'o');
    (*nounNode)->SvText = form;
    MakeGenitive(*parts.possessor.back());

    std::vector<OutWordNode*> order = parts.lead;
    order.insert(order.end(), parts.possessor.begin(), parts.possessor.end());
    order.insert(order.end(), parts.possessed.begin(), parts.possessed.end());
    MoveCapital(s, order);
    Relink(s, order);
}

}  // namespace quelvo
