#include "render/day_phrases.h"

#include "render/phrase_progress.h"
#include "render/prepositions.h"
#include "swedish/nouns.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

constexpr int kSingular = 1;
constexpr int kPlural = 3;

// "los lunes": every Monday, whatever the noun's own number says.
// A day after a preposition of its own keeps it ("hasta el lunes": till måndag).
void EmitDay(TranslationState& s) {
    if (s.PhraseCursor->Members[1] == "prep") EmitPreposition(s);
    if (s.CurWord == nullptr) return;
    const int number = s.CurWord->SpWord == "los" ? kPlural : kSingular;
    if (s.PhraseCursor->Members[1] != "prep") EmitCounted(s, s.CurWord->SpWord, "p\xE5", "prep");
    AdvanceWord(s);
    if (s.CurWord == nullptr) return;
    const WordNode& day = *s.CurWord;
    Str30 form = day.SvWord;
    ChkKatForm(s, form, day.SvCode2, number, 'o');
    EmitAndRecord(s, form, "n", 'o');
}

}  // namespace

void TranslateDayPhrase(TranslationState& s) { RenderCountedPhrase(s, EmitDay); }

}  // namespace quelvo
