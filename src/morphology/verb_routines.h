#pragma once
// Small decisions the phrase renderers ask of the Spanish analysis, each
// about CurWord.
#include "core/translation_state.h"

namespace quelvo {

// "hace buen tiempo", "hace calor": the verb is "vara" in the tense of
// "hacer" ("blir" for the future), emitted for CurWord, and the weather
// nouns take their Swedish reading; `done` tells whether it was.
void WeatherVerb(TranslationState& s, bool& done);

// "hacer" before an amount and its noun: a time ago, no verb in Swedish
// (hace dos años: för två år sedan).
bool StartsTimeAgo(const WordNode* word);

// A number and a noun after the word: "sedan" (hace dos años: sedan två år).
void SedanCheck(const TranslationState& s, bool& done, Str30& text);

// The finite `verb` has for its subject the infinitive that opens the
// sentence, with no finite verb between ("casarse es fácil").
bool HasInfinitiveSubject(const WordNode& verb);
// The sentence that starts at `first` opens with an infinitive that is the
// subject of a later finite verb: Swedish says it with "att".
bool OpensWithInfinitiveSubject(const WordNode* first);

// A gerund after "ir": its Swedish form is recorded and CurWord moves on.
void IrGerund(TranslationState& s, Str30& form, bool& done);


}  // namespace quelvo
