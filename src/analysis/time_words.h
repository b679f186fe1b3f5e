#pragma once
// Clock times and dates become one word each before the phrase file is
// matched: "a las tres y media" is "klockan halv fyra", "el quince de
// junio" is "den femtonde juni", "el martes por la mañana" "på tisdag morgon". Each reader returns the number of words the
// expression covers (0 when none starts at the word) and rewrites the word
// into the whole expression; the caller removes the others.
#include "core/records.h"

namespace quelvo {

unsigned ReadClockTime(WordNode& node);
unsigned ReadDate(WordNode& node);
unsigned ReadDayPart(WordNode& node);

// The first reader that finds its expression.
unsigned ReadTimeWords(WordNode& node);

// Turns `node` into an adverbial expression of `words` words saying `swedish`.
void TakeTimeWords(WordNode& node, unsigned words, std::string_view swedish);

}  // namespace quelvo
