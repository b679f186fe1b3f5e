#pragma once
// What the word-order passes ask of the output words: their kind by tag, the
// noun phrase that starts at a place, and the words that open a subordinate
// clause.
#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "core/adverb_tags.h"
#include "core/capitalise.h"
#include "core/records.h"

namespace quelvo {

inline std::vector<OutWordNode*>::iterator At(std::vector<OutWordNode*>& order, std::size_t i) {
    return order.begin() + static_cast<std::ptrdiff_t>(i);
}

inline bool HasTag(const OutWordNode* w, std::initializer_list<std::string_view> tags) {
    return std::find(tags.begin(), tags.end(), w->OutTag.view()) != tags.end();
}

inline bool IsFiniteVerb(const OutWordNode* w) { return HasTag(w, {"v", "hjv"}); }
inline bool IsAdverb(const OutWordNode* w) { return IsAdverbTag(w->OutTag.view()); }
inline bool IsNounPhraseWord(const OutWordNode* w) { return HasTag(w, {"det", "poss", "indf", "adj", "rord", "Rord", "n", "egnm"}); }
inline bool IsNoun(const OutWordNode* w) { return HasTag(w, {"n", "egnm"}); }

// The places [begin, end) hold a noun phrase that ends on its noun.
inline std::size_t NounPhraseEnd(const std::vector<OutWordNode*>& order, std::size_t begin) {
    std::size_t end = begin;
    while (end < order.size() && IsNounPhraseWord(order[end])) ++end;
    while (end > begin && !IsNoun(order[end - 1])) --end;
    return end;
}

struct NegativeIndefinite {
    std::string_view any;
    std::string_view none;
};

inline constexpr NegativeIndefinite kNegativeIndefinites[] = {
    {"n\xE5gon", "ingen"}, {"n\xE5got", "inget"}, {"n\xE5gra", "inga"}, {"n\xE5gonting", "ingenting"}};

// A negation of the clause ("inte", "aldrig"); a negative indefinite ("inga
// problem") belongs to its noun phrase.
inline bool IsNegation(const OutWordNode* w) {
    if (!HasTag(w, {"neg"})) return false;
    return std::none_of(std::begin(kNegativeIndefinites), std::end(kNegativeIndefinites),
                        [w](const NegativeIndefinite& row) { return w->SvText == row.none; });
}

// Of a word written as several ("kommer att"), the first stays and the rest
// goes onto the end of `to`.
inline void MoveTailOnto(OutWordNode& word, OutWordNode& to) {
    const std::string text(word.SvText.view());
    const std::size_t blank = text.find(' ');
    if (blank == std::string::npos) return;
    word.SvText = text.substr(0, blank);
    to.SvText = std::string(to.SvText.view()) + text.substr(blank);
}

// The Swedish words that open a subordinate clause, in which the negation
// and the clause adverbs stand before the finite verb.
inline constexpr std::string_view kSubordinators[] = {"att", "som", "n\xE4r", "om", "eftersom", "fast", "innan", "medan", "d\xE5", "tills", "ifall"};

// The question words that open an indirect question after the verb of
// another clause ("jag förstår inte varför du inte ringer").
inline constexpr std::string_view kIndirectQuestionWords[] = {"varf\xF6r", "var", "vart", "hur", "vad", "vem",
                                                              "vilken", "vilket", "vilka"};

inline bool IsIndirectQuestionWord(const OutWordNode* w) {
    if (w->Prev == nullptr || w->Prev->OutTag == "st") return false;
    return std::find(std::begin(kIndirectQuestionWords), std::end(kIndirectQuestionWords), w->SvText.view()) !=
           std::end(kIndirectQuestionWords);
}

inline bool IsSubordinator(const OutWordNode* w) {
    const std::string_view text = w->SvText.view();
    if (text.empty()) return false;
    std::string lower(text);
    lower.front() = LowerOf(lower.front());
    return std::find(std::begin(kSubordinators), std::end(kSubordinators), lower) != std::end(kSubordinators);
}

}  // namespace quelvo
