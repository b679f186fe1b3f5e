#include "render/day_phrases.h"

#include "core/form_codes.h"
#include "core/word_classes.h"
#include "morphology/class_tests.h"
#include "render/phrase_progress.h"
#include "render/prepositions.h"
#include "swedish/nouns.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

constexpr int kSingular = 1;
constexpr int kPlural = 3;

bool IsFiniteVerb(const WordNode& w) {
    return (IsVerbClass(w.SpClass) || w.SpClass == wc::kAuxiliary) && Between(w.PersonNo, 1, 6);
}

// A past tense, or the perfect (ha llovido) that tells of a day gone by.
bool IsPastVerb(const WordNode& w) {
    if (OneOf(w.FormCode, {fc::kImperfect, fc::kPreterite, fc::kSpecialImperfect, fc::kSpecialPreterite})) return true;
    return w.SpWord == "haber" && w.Next != nullptr && w.Next->SpClass == wc::kPerfectParticiple;
}

// The finite verb of the day's clause: the first after the day, else the
// last before it.
const WordNode* ClauseVerb(const WordNode& day) {
    for (const WordNode* w = day.Next; w != nullptr; w = w->Next)
        if (IsFiniteVerb(*w)) return w;
    for (const WordNode* w = day.Prev; w != nullptr; w = w->Prev)
        if (IsFiniteVerb(*w)) return w;
    return nullptr;
}

// One day gone by is "i söndags"; one to come, and every such day, "på
// (söndag, söndagar)". "de" before the day (el terremoto del domingo) says
// nothing of its own; another preposition keeps it ("hasta el lunes": till
// måndag).
void EmitDay(TranslationState& s) {
    const bool preposition = s.PhraseCursor->Members[1] == "prep";
    const bool ownPreposition = preposition && s.CurWord->SpWord != "de";
    if (ownPreposition) EmitPreposition(s);
    else if (preposition) AdvanceWord(s);
    if (s.CurWord == nullptr) return;
    const bool every = s.CurWord->SpWord == "los";
    const WordNode* day = s.CurWord->Next;
    const WordNode* verb = day != nullptr ? ClauseVerb(*day) : nullptr;
    const bool past = !every && !ownPreposition && verb != nullptr && IsPastVerb(*verb);
    if (!ownPreposition) EmitCounted(s, s.CurWord->SpWord, past ? "i" : "p\xE5", "prep");
    AdvanceWord(s);
    if (s.CurWord == nullptr) return;
    Str30 form = s.CurWord->SvWord;
    if (past) form += "s";
    else ChkKatForm(s, form, s.CurWord->SvCode2, every ? kPlural : kSingular, 'o');
    EmitAndRecord(s, form, "n", 'o');
}

}  // namespace

void TranslateDayPhrase(TranslationState& s) { RenderCountedPhrase(s, EmitDay); }

}  // namespace quelvo
