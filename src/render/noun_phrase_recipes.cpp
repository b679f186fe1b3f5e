#include "render/noun_phrase_recipes.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace quelvo {
namespace {

constexpr RecipeStep Art{Step::Article};
constexpr RecipeStep ArtForm{Step::ArticleForm};
constexpr RecipeStep Dropped{Step::SuffixArticle};
constexpr RecipeStep ArtNoun{Step::ArticleNoun};
constexpr RecipeStep Noun{Step::Noun};
constexpr RecipeStep Hold{Step::Hold};
constexpr RecipeStep Adj{Step::Adjective};
constexpr RecipeStep Ykon{Step::Conjunction};
constexpr RecipeStep Cmp{Step::Compare};
constexpr RecipeStep Mera{Step::MeraCompare};
constexpr RecipeStep MerMest{Step::MerOrMest};
constexpr RecipeStep Adv{Step::Adverb};
constexpr RecipeStep Prep{Step::Preposition};
constexpr RecipeStep Det{Step::Determiner};
constexpr RecipeStep Whole{Step::WholeOrAll};
constexpr RecipeStep Poss{Step::Possessive};
constexpr RecipeStep NounAdj{Step::NounAdjective};
constexpr RecipeStep AdjNoun{Step::AdjectiveNoun};
constexpr RecipeStep NounPart{Step::NounParticiple};
constexpr RecipeStep Name{Step::Plain, "egnm"};
constexpr RecipeStep Numeral{Step::Plain, "rord"};
constexpr RecipeStep Sub{Step::Plain, "subx"};
constexpr RecipeStep IndfWord{Step::Plain, "indf"};
constexpr RecipeStep MeraPartNoun{Step::MeraParticipleNoun};
constexpr RecipeStep Quantifier{Step::Quantifier};
constexpr RecipeStep NameArt{Step::NameArticle};
constexpr RecipeStep OwnName{Step::Plain, "egnm", "egen"};
constexpr RecipeStep Compound{Step::Compound};
constexpr RecipeStep PossNoun{Step::PossessiveNoun};
constexpr RecipeStep PossAdjNoun{Step::PossessiveAdjectiveNoun};
constexpr RecipeStep Pronoun{Step::SubjectPronoun};
constexpr RecipeStep MoreAdv{Step::MoreAdverb};
constexpr RecipeStep NounDet{Step::NounDeterminer};
constexpr RecipeStep PrepWord{Step::Plain, "prep"};
constexpr RecipeStep PrepPronoun{Step::Plain, "ppfm"};
constexpr RecipeStep ObjectPronoun{Step::Plain, "ppob", "pppb"};
constexpr RecipeStep ParticipleWord{Step::Plain, "vadj"};
constexpr RecipeStep NameExpression{Step::Plain, "egnm", "egnx"};
constexpr RecipeStep PossWord{Step::Plain, "poss"};
constexpr RecipeStep Interjection{Step::Plain, "int"};
constexpr RecipeStep NameForm{Step::PlainForm, "egnm"};
constexpr RecipeStep Unknown{Step::Plain, "x"};
constexpr RecipeStep Comma{Step::Plain, "sklj"};

struct StepWords {
    Step kind;
    int words;
};

// Steps that consume more than one word.
constexpr std::array<StepWords, 12> LongSteps{{
    {Step::ArticleNoun, 2},
    {Step::Compare, 2},
    {Step::MeraCompare, 2},
    {Step::MeraParticipleNoun, 3},
    {Step::PossessiveNoun, 3},
    {Step::PossessiveAdjectiveNoun, 3},
    {Step::NounAdjective, 2},
    {Step::AdjectiveNoun, 2},
    {Step::NounParticiple, 2},
    {Step::Compound, 3},
    {Step::MoreAdverb, 2},
    {Step::NounDeterminer, 2},
}};

// Rule numbers, then the steps in Spanish word order.
constexpr Recipe Recipes[] = {
    {{1}, {Art, Adj, Hold, Adj, Ykon, Adj}},
    {{2}, {Art, Hold, Hold, Hold, Mera}},
    {{3}, {Art, Hold, Hold, Hold, Cmp}},
    {{4}, {Art, Hold, MerMest, Adj, Ykon, Adj}},
    {{10}, {Whole, Art, Hold, Adj, Adj}},
    {{11}, {Art, Hold, Adv, Mera}},
    {{12, 21}, {Art, Hold, Adj, Mera}},
    {{13}, {Adv, Cmp, Ykon, Adj}},
    {{14, 23}, {Art, Hold, Adj, Ykon, Adj}},
    {{15}, {Art, Cmp, Ykon, Adj}},
    {{16, 19}, {Art, Hold, Adj, Cmp}},
    {{18}, {IndfWord, Prep, Art, AdjNoun}},
    {{20}, {Art, Adj, Adj, Hold, Adj}},
    {{22}, {Art, Hold, Adj, Adv, Adj}},
    {{24}, {Art, Adj, Ykon, Adj, Noun}},
    {{25}, {Art, Adj, Numeral, Hold, Adj}},
    {{27}, {Det, Numeral, Hold, Adj}},
    {{28}, {Art, Adj, Numeral, Noun}},
    {{29}, {Name, Name, Name, Name}},
    {{30, 32}, {Art, Numeral, Hold, Adj}},
    {{31}, {Art, Numeral, Adj, Noun}},
    {{33}, {Poss, Numeral, Adj, Noun}},
    {{34}, {Poss, Numeral, Hold, Adj}},
    {{35}, {ArtForm, Hold, Cmp}},
    {{36, 42, 44, 60}, {Art, Adj, Hold, Adj}},
    {{37}, {Poss, Adj, Hold, Adj}},
    {{38, 55}, {Art, Hold, Adj, Adj}},
    {{39}, {Art, Adj, Adj, Noun}},
    {{40}, {Det, Adj, Hold, Adj}},
    {{41}, {Poss, Hold, Cmp}},
    {{43}, {Art, MeraPartNoun}},
    {{45}, {ArtForm, Cmp, Noun}},
    {{46}, {Adj, Hold, Adj, Adj}},
    {{47}, {ArtForm, Sub, Cmp}},
    {{48, 51}, {Art, Hold, Adv, Adj}},
    {{49}, {Hold, Adj, Ykon, Adj}},
    {{50}, {Det, Poss, Hold, Adj}},
    {{52}, {Quantifier, Art, NounAdj}},
    {{53}, {Det, Hold, Adv, Adj}},
    {{54}, {ArtNoun, Name, Name}},
    {{56}, {NameArt, Adj, OwnName, OwnName}},
    {{57}, {Whole, Art, NounAdj}},
    {{58}, {Dropped, Compound}},
    {{59}, {Poss, Compound}},
    {{65}, {Adv, Numeral, Noun}},
    {{66, 72, 106, 115, 910}, {Art, NounAdj}},
    {{67, 84}, {ArtForm, Cmp}},
    {{68}, {Det, Adj, Noun}},
    {{69, 79, 104, 107}, {Adj, Hold, Adj}},
    {{70, 75}, {PossNoun}},
    {{71, 91}, {Art, AdjNoun}},
    {{76}, {PossAdjNoun}},
    {{80}, {Poss, Numeral, Noun}},
    {{81}, {Art, Numeral, Noun}},
    {{82}, {Det, AdjNoun}},
    {{83, 108}, {Det, NounAdj}},
    {{85}, {ArtNoun, Name}},
    {{87}, {Name, Name, Name}},
    {{89}, {Art, NounPart}},
    {{90}, {Poss, Adj, Noun}},
    {{93}, {Whole, ArtNoun}},
    {{94}, {Det, Poss, Noun}},
    {{96}, {Hold, Adv, Adj}},
    {{97}, {Art, Det, Noun}},
    {{98}, {Pronoun, ArtNoun}},
    {{99, 110, 113}, {Hold, Adj, Adj}},
    {{100}, {Adj, Adj, Noun}},
    {{101}, {Det, Numeral, Noun}},
    {{102}, {Art, Adj, Name}},
    {{103}, {Dropped, Hold, Adj}},
    {{105}, {Dropped, Name, Name}},
    {{109}, {Det, NounPart}},
    {{114}, {Compound}},
    {{116}, {NounPart, Prep}},
    {{130}, {Adj, Prep}},
    {{131}, {Dropped, Name}},
    {{132}, {Name, Name}},
    {{133}, {Cmp}},
    {{134}, {NounPart}},
    {{135, 145, 1350}, {AdjNoun}},
    {{136, 149}, {Art, Adj}},
    {{137}, {ArtNoun}},
    {{138, 139}, {NounAdj}},
    {{140}, {Poss, Noun}},
    {{141}, {Det, Noun}},
    {{144}, {Det, Name}},
    {{146}, {Art, Sub}},
    {{147}, {MoreAdv}},
    {{148}, {NounDet}},
    {{153}, {Noun}},
    {{154}, {Pronoun}},
    {{218}, {PrepWord, PrepPronoun}},
    {{223}, {ObjectPronoun}},
    {{231}, {ParticipleWord}},
    {{234}, {PrepPronoun}},
    {{240}, {Sub}},
    {{241}, {NameExpression}},
    {{244}, {PossWord}},
    {{246}, {Interjection}},
    {{256}, {IndfWord}},
    {{257}, {NameForm}},
    {{261}, {Unknown}},
    {{269}, {Comma}},
};

// Every rule a recipe names, with that recipe, sorted by rule; among equal
// rules the earlier recipe comes first, and it is the one that applies.
struct RuleRecipe {
    int rule;
    std::size_t recipe;
};

constexpr std::size_t CountRecipeRules() {
    std::size_t n = 0;
    for (const Recipe& recipe : Recipes)
        for (int rule : recipe.rules) n += rule > 0 ? 1 : 0;
    return n;
}

constexpr auto SortedRecipeRules() {
    std::array<RuleRecipe, CountRecipeRules()> out{};
    std::size_t n = 0;
    for (std::size_t r = 0; r < std::size(Recipes); ++r) {
        for (int rule : Recipes[r].rules) {
            if (rule <= 0) continue;
            std::size_t at = n++;
            for (; at > 0 && out[at - 1].rule > rule; --at) out[at] = out[at - 1];
            out[at] = {rule, r};
        }
    }
    return out;
}

constexpr auto RecipeByRule = SortedRecipeRules();

}  // namespace

int WordsOfStep(Step kind) {
    if (kind == Step::None) return 0;
    for (const StepWords& row : LongSteps)
        if (row.kind == kind) return row.words;
    return 1;
}

int WordsOfRecipe(const Recipe& recipe) {
    int words = 0;
    for (const RecipeStep& step : recipe.steps) words += WordsOfStep(step.kind);
    return words;
}

const Recipe* RecipeOfRule(int ruleNo) {
    if (ruleNo <= 0) return nullptr;
    const auto it = std::lower_bound(RecipeByRule.begin(), RecipeByRule.end(), ruleNo,
                                     [](const RuleRecipe& entry, int rule) { return entry.rule < rule; });
    return it != RecipeByRule.end() && it->rule == ruleNo ? &Recipes[it->recipe] : nullptr;
}

}  // namespace quelvo
