#pragma once
// "se" that is no passive: the verb has a subject of its own person and the
// noun after it is its object ("se comieron la tarta": de åt upp tårtan,
// "Juan se comió la manzana": Juan åt upp äpplet). Swedish leaves such a
// "se" out.
#include "core/records.h"

namespace quelvo {

// A verb of saying or believing, whose "se" is the impersonal "man" ("se
// cree que": man tror att).
bool IsVerbOfSaying(const WordNode* verb);

// `se` stands before a finite verb in the third person whose object noun
// phrase follows it, and either that noun differs from the verb in number
// (a passive subject would agree) or a subject agreeing with the verb
// stands before "se". Verbs reflexive in Swedish keep their own reading.
bool IsDativeSe(const WordNode& se);

// `se` leaves its verb active with a subject of the verb's person: a dative
// "se", or a verb reflexive in Swedish or with its own reflexive verb
// ("se afeita": han rakar sig, "se lavó las manos": han tvättade händerna)
// with no noun after it that agrees with it as its subject.
bool IsActiveSe(const WordNode& se);

}  // namespace quelvo
