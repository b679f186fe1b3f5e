#pragma once
// Telling the time: Spanish "es la una", "son las tres y media", "son las
// tres menos diez" become "klockan är" with the hour and the minutes.
#include "core/translation_state.h"

namespace quelvo {

// With CurWord at "ser" followed by an article and a number (and no noun or
// adjective after it), emits the clock time and sets `handled`.
void DetectClockTime(TranslationState& s, bool& handled);

// Emits the clock time that starts at CurWord ("ser"), consuming its words
// and phrases.
void EmitClockTime(TranslationState& s);

}  // namespace quelvo
