#pragma once
// Swedish verb forms from the infinitive, the conjugation group and the form
// code of the Spanish analysis.
#include <cstdint>

#include "core/translation_state.h"

namespace quelvo {

// The conjugation group in the low five bits of a verb's SvCode3 when it lies
// in 1..13, else 0 (no group). Group 9 is irregular ("SvVerb1.pek"), group 12
// the verbs in "s".
int VerbGroupOf(std::uint16_t code);

// Turns the infinitive in `form` into the form for `formCode` (normally
// CurWord's FormCode) by the group in `code` (CurWord's SvCode3). The future
// and the conditional emit their auxiliary ("kommer att", "skulle") first and
// keep the infinitive; form codes 21, 22, 462, 463 emit "blev"/"skulle" alone.
void MakeSwedishVerbForm(TranslationState& s, Str30& form, std::uint16_t code, int formCode);

// The forms of the verbs in "s" (hoppas: hoppades, hoppats, kommer att hoppas).
void SVerbForm(Str30& form, int formCode);
// The present and the past of group `group`, as the verb-phrase assembly
// also asks for them with the group of its own choosing.
void PresentVerbForm(const TranslationState& s, Str30& form, int group, int formCode);
void PastVerbForm(const TranslationState& s, Str30& form, int group, int formCode);

// Emits "att" before CurWord, an infinitive, when it is the object of a verb
// that takes "att" (flag "infinitive-att": "me gusta leer", "empiezo a
// trabajar") and no "att" stands before it already.
void EmitInfinitiveMarker(TranslationState& s);

// CurWord's SvWord holds a verb and its particle ("ta fram"): emits the
// conjugated verb (recorded for CurWord, which moves on) and then the particle.
void EmitParticleVerb(TranslationState& s);

}  // namespace quelvo
