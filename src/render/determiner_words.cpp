// The renderers of lone articles and determiners ("Det", "Indf").
#include "render/determiner_words.h"

#include "core/word_classes.h"
#include "render/phrase_progress.h"
#include "swedish/determiners.h"
#include "swedish/nouns.h"
#include "swedish/pronouns.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

// An article before a numeral or a standing possessive is left out and the
// next phrase is rendered in its place (los dos: "två"; la mía: "min").
void RenderDet(TranslationState& s) {
    const WordNode* next = s.CurWord->Next;
    if (IsStandingPossessive(next) && NextPhraseIsOneWord(s)) {
        AdvanceWord(s);
        AdvancePhrase(s);
        TranslateStandingPossessive(s);
        return;
    }
    if (next != nullptr && next->SpClass == wc::kNumeral && NextPhraseIsOneWord(s)) {
        AdvanceWord(s);
        AdvancePhrase(s);
    }
    EmitAndRecord(s, s.CurWord->SvWord, "det");
}

void RenderIndf(TranslationState& s) {
    char gender = ' ';
    if (s.CurWord->Next != nullptr) GenderOfCode(s.CurWord->Next->SvCode2, gender);
    char definiteness = ' ';
    TranslateDeterminer(s, definiteness, gender);
}

}  // namespace

void TranslateDetWord(TranslationState& s) { RenderCountedPhrase(s, RenderDet); }
void TranslateIndfWord(TranslationState& s) { RenderCountedPhrase(s, RenderIndf); }

}  // namespace quelvo
