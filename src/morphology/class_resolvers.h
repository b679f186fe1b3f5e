#pragma once
// The class resolvers: a word the dictionary gives two readings is settled
// by its neighbours. Each takes the word and its position (from 1) and
// writes its WordTags entry, usually its SvClass, sometimes its Swedish text.
#include "core/translation_state.h"

namespace quelvo {

// Runs the resolver of every word whose WordClassTexts entry names one.
void ResolveWordClasses(TranslationState& s);

// Nouns, adjectives and adverbs.
void ResolveSbAdj(TranslationState& s, WordNode& node, int position);
void ResolveSbAdv(TranslationState& s, WordNode& node, int position);
void ResolveAdjAdv(TranslationState& s, WordNode& node, int position);
void ResolveAdjAdvSb(TranslationState& s, WordNode& node, int position);
void ResolveAdvVb(TranslationState& s, WordNode& node, int position);

// Verbs and auxiliaries, and the prepositions before an infinitive.
void ResolveHvbHjvb(TranslationState& s, WordNode& node, int position);
void ResolveHvbHjvbSub(TranslationState& s, WordNode& node, int position);
void ResolvePrepInfm(TranslationState& s, WordNode& node, int position);
void ResolvePrInfmFrasP(TranslationState& s, WordNode& node, int position);

// Determiners, pronouns and relatives.
void ResolveDetPpob(TranslationState& s, WordNode& node, int position);
void ResolvePPObRefl(TranslationState& s, WordNode& node, int position);
void ResolvePPrp(TranslationState& s, WordNode& node, int position);
void ResolveRKIF(TranslationState& s, WordNode& node, int position);
void ResolvePsuRrd(TranslationState& s, WordNode& node, int position);

// Prepositions and indefinites.
void ResolvePrepSub(TranslationState& s, WordNode& node, int position);
void ResolveIAdv(TranslationState& s, WordNode& node, int position);
void ResolveIAAS(TranslationState& s, WordNode& node, int position);

}  // namespace quelvo
