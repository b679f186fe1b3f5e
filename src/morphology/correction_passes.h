#pragma once
// The correction passes over a built sentence: how verb forms and
// participles are read (perfect "vperf", adjective "vadj", plain verb), which
// words take their adjective reading, and the noun "de" noun compounds.
#include "core/translation_state.h"

namespace quelvo {

// The passes below in their order, from ResolveDeCompounds to ResolveNegativeSubjects.
void RunCorrectionPasses(TranslationState& s);

void ResolveDeCompounds(TranslationState& s);
void ResolveAdoParticiples(TranslationState& s);
void ResolvePerfectVerbs(TranslationState& s);
void ResolveSentirVagar(TranslationState& s);
void ResolveSbAdjAdjectives(TranslationState& s);
void ResolveHaberSpecials(TranslationState& s);
void ResolveParticipleAgreement(TranslationState& s);
void ResolveVerbAdjectiveWords(TranslationState& s);
void ResolvePedido(TranslationState& s);
void ResolveClass23Participles(TranslationState& s);
void ResolveFlaggedWords(TranslationState& s);
// "nadie", "nada" as the subject before the verb, with no "no": "ingen", "inget".
void ResolveNegativeSubjects(TranslationState& s);
// "no" + a simple verb + "nadie", "nada", "nunca", "ningún": "ingen", "inget",
// "aldrig", and the "no" is left unsaid ("No hay nadie": det finns ingen);
// a negated existential before a bare noun reads the "no" as "ninguno" after
// the verb ("No hay leche": det finns ingen mjölk).
void FoldNegation(TranslationState& s);
// "alto", "bajo" of a person: "lång", "kort" instead of "hög", "låg".
void ResolvePersonAdjectives(TranslationState& s);
// "más", "menos" before a plural noun: "fler", "färre".
void ResolveCountComparatives(TranslationState& s);
// "últimos" before a plural period of time, "último" before one after a
// preposition: "senaste" (de senaste dagarna, under det senaste året);
// "próximos" before a plural period: "kommande".
void ResolveRecentPeriods(TranslationState& s);
// "estar" placing a building or place flagged "site": "ligga".
void ResolveLyingPlaces(TranslationState& s);

// Runs after the class resolvers: an adjective after a noun ("xadj") takes
// its form as the first member of a Swedish compound.
void ResolvePostnominalAdjectives(TranslationState& s);

}  // namespace quelvo
