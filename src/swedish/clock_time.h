#pragma once
// Telling the time: Spanish "es la una", "son las tres y media", "son las
// tres menos diez" become "klockan är" and the time ("halv fyra", "tio i tre").
#include "core/translation_state.h"

namespace quelvo {

// False when a noun, adjective or the like follows the number: then it is
// something else than an hour ("son las tres casas"). The sentence's closing
// mark does not count: "son las tres." tells the time.
bool EndsTheTime(const WordNode* word);

// True when `word` is "ser" telling the time: an article and an hour follow
// and no noun or adjective after them. "klockan" is then the subject.
bool StartsClockTime(const WordNode* word);

// With CurWord at a "ser" that starts a clock time, emits it and sets `handled`.
void DetectClockTime(TranslationState& s, bool& handled);

// Emits the clock time that starts at CurWord ("ser"), consuming its words
// and phrases.
void EmitClockTime(TranslationState& s);

}  // namespace quelvo
