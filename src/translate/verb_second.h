#pragma once
// Swedish puts the finite verb in second place: right after a subject that
// opens the clause, after an opening adverb,
// prepositional phrase or comma-closed clause ("i dag äter vi"), and after
// the question word of a question ("var bor du"); a question without one
// opens with the verb ("har du läst").
#include <vector>

#include "core/records.h"

namespace quelvo {

// What the Spanish segment tells of its word order.
struct SegmentFacts {
    bool question = false;  // it ends in "?"
    bool passive = false;   // it holds "se", which may make an s-passive
    bool exclamation = false;  // "¡" and then "qué", "cómo" or "cuánto"
};

// Moves the finite verb before the subject in `order`, the output words in
// their final order, when the sentence calls for it; the subject of an
// s-passive that opens a statement goes first. The comma after an opening
// adverbial leaves `order`. An exclamation keeps its subject before the
// verb ("vilken tur du har").
void PlaceVerbSecond(std::vector<OutWordNode*>& order, const SegmentFacts& facts);

}  // namespace quelvo
