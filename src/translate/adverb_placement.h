#pragma once
// Where Swedish puts an adverb by its kind. A clause adverb ("alltid",
// "verkligen") stands after the finite verb of a main clause and after the
// subject of a subordinate one, never first in a statement that Spanish
// opens with it ("Siempre olvido": jag glömmer alltid); a manner adverb
// follows the object that Spanish puts after it ("habla perfectamente tres
// idiomas": talar tre språk perfekt).
#include <vector>

#include "core/records.h"

namespace quelvo {

// The clause adverbs taken from the front of a clause, to come back after
// its finite verb once the clause has its Swedish order.
struct OpeningAdverbs {
    std::vector<OutWordNode*> words;
    bool subjectAfterVerb = false;  // a question's noun subject, moved behind its verb
};

// Takes the clause adverbs that open `clause`, or follow the word of a
// question, out of it when a clause follows them (a subject and its finite
// verb, or the finite verb). Adverbs closed by a comma stay first. A noun
// subject that Spanish puts after its verb and adverbs ("Siempre llega
// tarde mi hermano") goes before the verb in a statement and right after it
// in a question.
OpeningAdverbs TakeOpeningAdverbs(std::vector<OutWordNode*>& clause, bool question, bool passive);

// Puts the taken adverbs back after the finite verb of `clause` and a
// subject that follows the verb: "jag har alltid velat", "äter du alltid
// här".
void PutBackOpeningAdverbs(std::vector<OutWordNode*>& clause, OpeningAdverbs& adverbs);

// In a subordinate clause the clause adverbs go after the subject, before
// the negation and the verb: "att du verkligen inte vill".
void PlaceSubordinateAdverbs(std::vector<OutWordNode*>& order);

// An unstressed object pronoun goes before the clause adverbs (and a
// negation) that follow the finite verb or its subject: "jag ser henne
// alltid", "Juan hjälper mig alltid".
void PlacePronounsBeforeClauseAdverbs(std::vector<OutWordNode*>& order);

// A manner adverb right after its verb, with the degree words before it,
// goes after the noun phrase that follows: "talar engelska mycket bra".
void PlaceMannerAdverbs(std::vector<OutWordNode*>& order);

// Of a verb group written as one word, or a subject that verb second gave
// the rest of it, only the first word goes before the clause adverbs and
// negations that follow: "vi kommer alltid att åka", "kommer inte att".
void SplitVerbGroups(std::vector<OutWordNode*>& order);

}  // namespace quelvo
