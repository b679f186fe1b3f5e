// The renderers of noun phrases by their rule, and of a preposition with the
// noun phrase it governs.
#include "render/noun_phrases.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "render/noun_phrase_recipes.h"
#include "render/noun_phrase_steps.h"
#include "render/phrase_progress.h"
#include "render/prepositions.h"
#include "render/word_by_word.h"

namespace quelvo {
namespace {

constexpr int kFirstMember = 1;
constexpr int kMemberAfterPreposition = 2;

int RuleOf(const TranslationState& s) { return s.PhraseCursor != nullptr ? s.PhraseCursor->RuleNo : 0; }

// The rule of the noun phrase inside an "NPP" rule number: "9" followed by
// the noun phrase's rule, so 9234 gives 234 and 971 gives 71.
int NounPhraseRuleOf(int prepPhraseRule) {
    std::string digits = std::to_string(prepPhraseRule).substr(0, 4);
    digits.erase(0, 1);
    int rule = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), rule);
    return rule;
}

// Renders the `words` words of a noun phrase by the recipe of its rule; a
// rule without a recipe, or whose pattern does not fit the phrase, and any
// words a recipe left, are rendered one by one rather than lost.
void RenderNounPhrase(TranslationState& s, int words, int firstMember) {
    const PhraseStart start = BeginPhrase(s);
    const Recipe* recipe = RecipeOfRule(RuleOf(s));
    if (recipe != nullptr && WordsOfRecipe(*recipe) == words) RunRecipe(s, *recipe, firstMember);
    const int done = WordsBetween(start.word, s.CurWord);
    if (s.CurWord != nullptr && done < words) RenderWords(s, words - done);
    FinishPhrase(s, start);
}

}  // namespace

void RenderPhraseByRule(TranslationState& s) { RenderNounPhrase(s, WordsOfPhrase(s.PhraseCursor), kFirstMember); }

void RenderPrepPhrase(TranslationState& s) {
    const WordNode* preposition = s.CurWord;
    EmitPreposition(s);
    s.OutTags.Set(s.OutCount, Str6("prep"));
    if (s.PhraseCursor != nullptr) s.PhraseCursor->RuleNo = NounPhraseRuleOf(s.PhraseCursor->RuleNo);
    s.CurWordNo += WordsBetween(preposition, s.CurWord);
    RenderNounPhrase(s, std::max(WordsOfPhrase(s.PhraseCursor) - 1, 1), kMemberAfterPreposition);
}

}  // namespace quelvo
