#pragma once
// One Spanish verb word in Swedish: the special verbs whose rendering is a
// construction (acabar de, tener que, ir a, hay, ...) and the ordinary verbs,
// conjugated from their Swedish dictionary form.
#include <cstdint>
#include <string_view>

#include "core/translation_state.h"

namespace quelvo {

// Emits the Swedish verb for CurWord, with the auxiliary words and the
// Spanish words its construction covers, and moves CurWord past them.
void TranslateVerbWord(TranslationState& s);

// The ordinary case: CurWord's Swedish verb conjugated by its FormCode,
// emitted with tag "v" and recorded with the word's marks.
void EmitConjugatedVerb(TranslationState& s);

// The same for a Swedish verb chosen by the caller instead of the word's own.
void EmitConjugatedAs(TranslationState& s, std::string_view svWord, std::uint16_t code);

// CurWord's Swedish verb conjugated by its own code and FormCode.
Str30 ConjugatedForm(TranslationState& s);

// Emits that form with `tag` and blank marks; nothing past the end of the list.
void EmitFormedVerb(TranslationState& s, std::string_view tag);

// Gives a word another Swedish verb with its dictionary codes.
void SetSwedishVerb(WordNode& w, std::string_view svWord, std::uint16_t code1, std::uint16_t code2,
                    std::uint16_t code3);

// A particle verb whose Swedish form holds the verb and the particle.
bool IsParticleVerb(const WordNode& w);

}  // namespace quelvo
