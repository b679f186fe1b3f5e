#pragma once
// The recipe of every noun-phrase rule: the steps that put the phrase's words
// out in Swedish order. Each step consumes a fixed number of words, in the
// phrase's Spanish order.
#include <array>
#include <cstdint>
#include <string_view>

namespace quelvo {

enum class Step : std::uint8_t {
    None,
    Article,               // the article, agreeing with the head noun
    ArticleForm,           // the article by the article-form routine
    SuffixArticle,         // a definite article left out, another emitted
    NameArticle,           // the article before an adjective and two names
    ArticleNoun,           // article and noun (2 words)
    Noun,                  // the noun in its place
    Hold,                  // the word held back until the end of the phrase
    Adjective,             // an adjective or participle, agreeing
    Conjunction,           // "y" between adjectives or nouns
    Compare,               // "más" + adjective: superlative after a definite article, else comparative (2 words)
    MeraCompare,           // "más" + adjective: "mera" after "un"/"una", else the superlative (2 words)
    MerOrMest,             // "más" before an adjective that follows as its own step
    MeraParticipleNoun,    // noun, "más", participle (3 words)
    Plain,                 // the Swedish dictionary form with the step's tags
    PlainForm,             // the word's produced Swedish form with the step's tags
    Adverb,
    Preposition,
    Determiner,            // an indefinite or quantifier, giving the noun's definiteness
    WholeOrAll,            // "todo" as "hela"/"alla" by the noun's number
    Quantifier,            // "todo" by the word after it, any other determiner as Determiner
    Possessive,
    PossessiveNoun,        // possessive, noun, adjective (3 words)
    PossessiveAdjectiveNoun,  // 3 words
    NounAdjective,         // 2 words
    AdjectiveNoun,         // 2 words
    NounParticiple,        // 2 words
    Compound,              // noun "de" noun as one Swedish compound (3 words)
    MoreAdverb,            // "más" + adverb (2 words)
    NounDeterminer,        // noun + determiner (2 words)
    SubjectPronoun,        // the object form after a preposition
};

struct RecipeStep {
    Step kind = Step::None;
    std::string_view tag = {};        // OutTag of Plain steps
    std::string_view recordTag = {};  // OutTags entry when it differs from `tag`
};

inline constexpr int kMaxRecipeSteps = 6;
inline constexpr int kMaxRulesPerRecipe = 5;

struct Recipe {
    std::array<int, kMaxRulesPerRecipe> rules;  // unused entries 0
    std::array<RecipeStep, kMaxRecipeSteps> steps;  // ends at the first None
};

// The words a step consumes.
int WordsOfStep(Step kind);
// The words a recipe consumes.
int WordsOfRecipe(const Recipe& recipe);

// The recipe of a rule number; null for a rule without one.
const Recipe* RecipeOfRule(int ruleNo);

}  // namespace quelvo
