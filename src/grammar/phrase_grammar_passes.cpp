#include "grammar/phrase_grammar_passes.h"

#include "grammar/clause_patterns.h"
#include "grammar/clause_split.h"
#include "grammar/phrase_grouping.h"
#include "grammar/phrase_marks.h"

namespace quelvo {

void RunPhraseGrammar(TranslationState& s) {
    GroupWordsIntoPhrases(s);
    MergePrepositionPhrases(s);
    SplitClauses(s);
    MarkCoordinatedNPs(s);
    MarkCommaNPs(s);
    MarkPrepPronouns(s);
    MarkDayPhrases(s);
    ApplyClausePatterns(s);
}

}  // namespace quelvo
