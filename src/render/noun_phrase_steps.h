#pragma once
// What the steps of a noun-phrase recipe share while they walk the phrase:
// the head noun's gender and number, the definiteness the article or
// determiner gave, and the words held back until the end.
#include <array>
#include <cstdint>

#include "core/translation_state.h"
#include "render/noun_phrase_recipes.h"

namespace quelvo {

struct HeldWord {
    Str30 spWord;
    Str30 text;
    Str6 tag;
};

inline constexpr int kMaxHeldWords = 3;

struct NounPhrase {
    const PhraseNode* phrase = nullptr;
    const WordNode* firstWord = nullptr;  // the phrase's first word ...
    int firstMember = 1;                  // ... and its member tag
    char gender = 'n';       // of the head noun
    int number = 1;          // the head noun's form code
    std::uint16_t headCode = 0;
    char adjectiveMark = 'o';
    char nounMark = 'o';
    std::uint8_t indefinite = 1;  // cleared by a definite article or a possessive
    std::array<HeldWord, kMaxHeldWords> held{};
    int heldCount = 0;
};

// Sets `flag` to 1 when CurWord is "un" or "una", to 0 when it is "el",
// "la", "los" or "las"; any other word leaves it.
void IsIndefiniteArticle(const TranslationState& s, std::uint8_t& flag);

// Runs a recipe from CurWord; the phrase's member tags start at member
// `firstMember` of PhraseCursor.
void RunRecipe(TranslationState& s, const Recipe& recipe, int firstMember);

// The member tag of the word `ahead` words after CurWord.
Str8 MemberTagAt(const TranslationState& s, const NounPhrase& np, int ahead = 0);

// Emits the adjective or participle (member tag `tag`) at CurWord agreeing
// with the head noun.
void EmitAgreedAdjective(TranslationState& s, const NounPhrase& np, const Str8& tag);

}  // namespace quelvo
