#pragma once
// The Swedish word-order pass: a negation moves behind the finite verb,
// after an opening adverbial the finite verb comes before the subject, and
// adverbs go where their kind puts them.
#include <vector>

#include "core/translation_state.h"

namespace quelvo {

// Exchanges OutPos values around every "neg" word of OutList (moving the
// sentence's capital when the verb comes first), puts the finite verb second
// after an opening adverb, prepositional phrase or comma-closed clause,
// places clause and manner adverbs, then appends the segment's words to
// OutListCopy in their new order.
void ReorderOutput(TranslationState& s);

// The words of `out` in the order their OutPos values give: the i-th word is
// the node at the list position named by the i-th node's OutPos.
std::vector<const OutWordNode*> OutputOrder(const NodeList<OutWordNode>& out);

}  // namespace quelvo
