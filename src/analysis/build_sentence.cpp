#include "analysis/build_sentence.h"

#include "analysis/opening_pronouns.h"
#include "analysis/phrase_replacement.h"
#include "analysis/sentence_tags.h"
#include "analysis/ser_forms.h"
#include "analysis/word_lists.h"
#include "analysis/word_lookup.h"
#include "grammar/phrase_grammar_passes.h"
#include "morphology/class_resolvers.h"
#include "morphology/complement_verbs.h"
#include "morphology/dative_pronouns.h"
#include "morphology/degree_words.h"
#include "morphology/head_gender.h"
#include "morphology/language_names.h"
#include "morphology/only_adverb.h"
#include "morphology/reflexive_verbs.h"
#include "morphology/swedish_reflexives.h"
#include "morphology/verb_adverbs.h"
#include "morphology/well_being.h"
#include "morphology/correction_passes.h"
#include "morphology/word_tables.h"

namespace quelvo {
namespace {

void PrepareArrays(TranslationState& s) {
    s.UnknownIndex = 1;
    s.StagedWord.PersonNo = 0;
    s.WordClassNos.Resize(s.SlotCount);
    s.WordPersonNos.Resize(s.SlotCount);
    s.WordClassTexts.Resize(s.SlotCount);
    s.WordTags.Resize(s.SlotCount);
    s.OutTags.Clear();
    s.OutTags.Resize(s.SlotCount + 5);
}

bool IsOpeningMark(const Str30& text) {
    for (const auto mark : kOpeningMarks)
        if (text == mark) return true;
    return false;
}

// The sentence's first word is looked up with a small letter. Opening
// quotes and "¡"/"¿" stand before it as tokens of their own; skipping them
// keeps "¡Tienes ..." from being read as a name and lets "¿Juan ...?" still
// be found as one.
void LowerSentenceStart(TranslationState& s) {
    s.OpeningPosition = 1;
    TextNode* word = s.TokenList.Head;
    while (word != nullptr && word->Next != nullptr && IsOpeningMark(word->Text)) {
        word = word->Next;
        ++s.OpeningPosition;
    }
    if (word == nullptr) return;
    bool changed = false;
    LowerFirstLetter(word->Text, changed);
}

void AppendStagedWord(TranslationState& s, int position) {
    WordNode* node = s.WordList.Add(s.Arena, position == 1);
    static_cast<WordFields&>(*node) = s.StagedWord;
    node->ClassTag.clear();
    node->DefMark = ' ';
    s.StagedWord.PersonNo = 0;
    s.WordClassNos.Set(position, node->SpClass);
    s.WordPersonNos.Set(position, node->PersonNo);
}

void BuildWordList(TranslationState& s) {
    int position = 1;
    for (const TextNode* t = s.TokenList.Head; t != nullptr && position <= s.WordCount; t = t->Next, ++position) {
        StageWord(s, t->Text, position);
        AppendStagedWord(s, position);
        s.WordList.Tail->Attached = t->Attached;
    }
    s.TokenList = {};
}

void RunSentencePasses(TranslationState& s) {
    ReplacePhrases(s);
    ResolveOnlyAdverb(s);
    TagWordClasses(s);
    RunCorrectionPasses(s);
    ResolveWordClasses(s);
    ResolveOwnReflexiveVerbs(s);
    ResolveDativePronouns(s);
    ResolvePostnominalAdjectives(s);
    ResolveLanguageNames(s);
    CarryHeadNounGender(s);
    AgreeSwedishReflexives(s);
    ResolveWellBeing(s);
    ResolveDegreeWords(s);
    PrepareSerForms(s);
    ResolveComplementVerbs(s);
    ResolveVerbAdverbs(s);
    RunPhraseGrammar(s);
    MarkIntransitiveVerbs(s);
    VivirDePass(s);
}

}  // namespace

void BuildSentence(TranslationState& s) {
    LowerSentenceStart(s);
    SeparateOpeningPronouns(s);
    PrepareArrays(s);
    BuildWordList(s);
    RunSentencePasses(s);
}

}  // namespace quelvo
