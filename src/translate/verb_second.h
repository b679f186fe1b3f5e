#pragma once
// Swedish puts the finite verb in second place: right after a subject that
// opens the clause, after an opening adverb,
// prepositional phrase or comma-closed clause ("i dag äter vi"), and after
// the question word of a question ("var bor du"); a question without one
// opens with the verb ("har du läst").
#include <vector>

#include "core/records.h"

namespace quelvo {

// Moves the finite verb before the subject in `order`, the output words in
// their final order, when the sentence calls for it. `question` tells that
// the segment is a question.
void PlaceVerbSecond(std::vector<OutWordNode*>& order, bool question);

}  // namespace quelvo
