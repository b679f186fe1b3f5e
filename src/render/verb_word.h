#pragma once
// One Spanish verb word in Swedish: the special verbs whose rendering is a
// construction (acabar de, tener que, ir a, hay, ...) and the ordinary verbs,
// conjugated from their Swedish dictionary form.
#include <cstdint>
#include <string_view>

#include "core/translation_state.h"
#include "core/word_classes.h"

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

// A Swedish verb as its dictionary entry gives it: the word and its codes
// (SvCode1, the class; SvCode2; SvCode3, the conjugation group).
struct SwedishVerbEntry {
    std::string_view word;
    std::uint16_t code1;
    std::uint16_t code2;
    std::uint16_t code3;
};

// The entries the rules put in place of a verb's own.
inline constexpr SwedishVerbEntry kVerbHandla{"handla", wc::kVerb, 193, 1};
inline constexpr SwedishVerbEntry kVerbLyckas{"lyckas", wc::kVerb, 777, 140};
inline constexpr SwedishVerbEntry kVerbBli{"bli", wc::kVerb, 768, 9};
inline constexpr SwedishVerbEntry kVerbResultera{"resultera", wc::kVerb, 193, 1};
inline constexpr SwedishVerbEntry kVerbUpphora{"upph\xF6ra", wc::kVerb, 0, 10};
inline constexpr SwedishVerbEntry kVerbLata{"l\xE5ta", wc::kVerb, 777, 9};
inline constexpr SwedishVerbEntry kVerbBesluta{"besluta", wc::kVerb, 193, 1};
inline constexpr SwedishVerbEntry kVerbTjana{"tj\xE4na", wc::kVerb, 193, 1};
inline constexpr SwedishVerbEntry kVerbKunna{"kunna", wc::kVerbAuxiliary, 0, 9};
inline constexpr SwedishVerbEntry kVerbRymmas{"rymmas", wc::kVerb, 777, 9};

// Gives a word another Swedish verb with its dictionary codes.
void SetSwedishVerb(WordNode& w, const SwedishVerbEntry& verb);

// The Swedish "must" of a duty ("tener que", "hay que"): "måste", and
// after "no" "behöver" (no tengo que: jag behöver inte).
std::string_view MustText(const WordNode& w);

// A particle verb whose Swedish form holds the verb and the particle.
bool IsParticleVerb(const WordNode& w);

}  // namespace quelvo
