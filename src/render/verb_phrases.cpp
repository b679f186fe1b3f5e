// The verb phrases of the sentence by their phrase rule. A phrase whose rule
// has no recipe is rendered word by word; either way the phrase's words are
// consumed exactly, so the next phrase starts on its own first word, and
// CurPhraseNo and CurWordNo advance by what was consumed.
#include "render/verb_phrases.h"

#include <array>
#include <string_view>

#include "morphology/reflexive_verbs.h"
#include "render/emission.h"
#include "render/phrase_progress.h"
#include "render/verb_phrase_periphrases.h"
#include "render/verb_phrase_sequences.h"
#include "swedish/experiencer.h"
#include "swedish/pronouns.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

using VerbRecipe = void (*)(TranslationState& s, const PhraseWalk& walk, int rule);

struct VerbRule {
    int rule;
    VerbRecipe render;
    bool holdsPronoun;  // the pattern opens with an object pronoun, said after the verbs
};

constexpr std::array kVerbRules{
    VerbRule{125, EasyToDo, false},
    VerbRule{159, HaveToProgressive, true},
    VerbRule{160, HaveToProgressive, false},
    VerbRule{161, PronounGoingTo, false},
    VerbRule{162, SerDegreeAdjective, false},
    VerbRule{163, SerDegreeAdjective, false},
    VerbRule{165, Reflexive, false},
    VerbRule{166, VerbToInfinitive, false},
    VerbRule{167, PerfectToInfinitive, false},
    VerbRule{168, VerbToInfinitive, false},
    VerbRule{172, PerfectVerbalAdjective, false},
    VerbRule{174, WhenInfinitive, false},
    VerbRule{176, PerfectThenVerb, false},
    VerbRule{177, Reflexive, false},
    VerbRule{178, Reflexive, false},
    VerbRule{179, Reflexive, false},
    VerbRule{181, AuxiliaryPerfectThenVerb, false},
    VerbRule{183, AuxiliaryAndVerb, true},
    VerbRule{184, Reflexive, false},
    VerbRule{185, Reflexive, false},
    VerbRule{186, Reflexive, false},
    VerbRule{188, VerbAfterAuxiliary, true},
    VerbRule{191, VerbToInfinitive, false},
    VerbRule{192, PrepositionInfinitiveObject, false},
    VerbRule{193, InfinitiveToInfinitive, false},
    VerbRule{194, VerbAdverbAdjective, false},
    VerbRule{195, AfterHavingDone, false},
    VerbRule{196, Reflexive, false},
    VerbRule{197, Reflexive, false},
    VerbRule{198, PrepositionPassive, false},
    VerbRule{199, AfterPassive, false},
    VerbRule{200, AuxiliaryParticiple, false},
    VerbRule{201, AuxiliaryAndVerb, false},
    VerbRule{202, VerbThenVerb, false},
    VerbRule{203, Reflexive, false},
    VerbRule{204, Reflexive, false},
    VerbRule{205, VerbThenObject, false},
    VerbRule{206, SingleVerb, true},
    VerbRule{208, AuxiliaryParticiple, false},
    VerbRule{210, AuxiliaryVerbalAdjective, false},
    VerbRule{211, PerfectThenVerb, false},
    VerbRule{212, VerbAfterAuxiliary, false},
    VerbRule{214, VerbThenObject, false},
    VerbRule{215, VerbThenObject, false},
    VerbRule{219, PrepositionInfinitive, false},
    VerbRule{220, PrepositionalInfinitive, false},
    VerbRule{225, SingleVerb, false},
    VerbRule{227, SingleVerb, false},
    VerbRule{228, Gerund, false},
    VerbRule{229, SingleVerb, false},
    VerbRule{230, VerbalAdjective, false},
    VerbRule{232, SingleVerb, false},
    VerbRule{261, Unchanged, false},
};

const VerbRule* FindVerbRule(int rule) {
    for (const VerbRule& r : kVerbRules)
        if (r.rule == rule) return &r;
    return nullptr;
}

void RunRecipe(TranslationState& s, const VerbRule& rule, const PhraseWalk& walk) {
    if (!rule.holdsPronoun) return rule.render(s, walk, rule.rule);
    const WordNode* pronoun = s.CurWord;
    // "me gusta": the pronoun is said as the subject, before the verb.
    const std::string_view subject = ExperiencerSubject(pronoun);
    AdvanceWord(s);
    // "a Juan le gusta": the name before is the subject already.
    if (!subject.empty() && !ExperiencerNamedBefore(pronoun)) EmitAdded(s, subject, "ppsu");
    if (s.CurWord != nullptr) rule.render(s, walk.Rest(), rule.rule);
    // "me llamo": a verb with its own reflexive verb says no pronoun ("heter").
    const bool ownReflexive = TakesOwnReflexiveVerb(pronoun->Next) && IsReflexivePronounOf(pronoun, pronoun->Next);
    if (subject.empty() && !ownReflexive) EmitAdded(s, pronoun->SvWord, "ppob");
}

}  // namespace

void TranslateVerbPhrase(TranslationState& s) {
    PhraseNode* phrase = s.PhraseCursor;
    if (phrase == nullptr) return;
    WordNode* first = s.CurWord;
    const int phraseNo = s.CurPhraseNo;
    const int wordNo = s.CurWordNo;
    // A phrase made for a word no grammar rule matched carries the rule of
    // the phrase before it, not its own: it is rendered word by word.
    const VerbRule* rule = phrase->MemberCount > 0 ? FindVerbRule(phrase->RuleNo) : nullptr;
    if (rule != nullptr && first != nullptr) RunRecipe(s, *rule, PhraseWalk(s, *phrase, first, WordsOfPhrase(phrase)));
    FinishVerbPhrase(s, *phrase, first, phraseNo, wordNo);
    if (!phrase->Tag.view().starts_with("NPS/")) AddQuestionSubject(s, first);
}

}  // namespace quelvo
