#pragma once
// Swedish pronouns: the subject pronoun that Spanish leaves out, and the
// possessive determiners.
#include <string_view>

#include "core/translation_state.h"

namespace quelvo {

// Emits the subject pronoun before a verb phrase that carries its own subject
// (tags "NPS/VPI", "NPS/VPT", "NPS/PVPT"), chosen by the verb's person.
// Works on PhraseCursor with CurWord at its first word; CurWord stays.
void InsertSubjectPronoun(TranslationState& s);

// After a verb phrase that follows a question word ("¿qué quieres comer?"),
// emits the subject pronoun of its first-word verb in the first or second
// person when the clause names no subject; the word-order pass puts it after
// the finite verb ("vad vill du äta").
void AddQuestionSubject(TranslationState& s, const WordNode* verb);

// "han", or "det" when CurWord is "ser" describing a thing; `spanish` gets
// the Spanish pronoun it stands for.
void ThirdPersonPronoun(const TranslationState& s, Str30& pronoun, Str30& spanish);

// Emits the Swedish possessive for CurWord ("mi", "tu", "nuestro",
// "vuestro"), agreeing with a noun of `gender` and `number`, and moves on.
void TranslatePossessive(TranslationState& s, char gender, int number);

// Whether `word` is a possessive that stands without a noun ("mío", "tuya",
// "nuestros").
bool IsStandingPossessive(const WordNode* word);

// Emits the standing possessive at CurWord agreeing with the noun it stands
// for, the nearest noun before it ("la casa es mía": "huset är mitt"), and
// moves on.
void TranslateStandingPossessive(TranslationState& s);

// Emits `owner` ("hans", "hennes", "deras") for CurWord, a "su" whose owner
// is known, and moves on.
void TranslateOwnerPossessive(TranslationState& s, std::string_view owner);

// Emits "er", "ert" or "era" for CurWord, a "su" of "usted" (said "ni"),
// agreeing like TranslatePossessive, and moves on.
void TranslateFormalPossessive(TranslationState& s, char gender, int number);

// Emits "sin", "sitt" or "sina" for CurWord ("su", "sus" of the subject),
// agreeing like TranslatePossessive, and moves on.
void TranslateOwnPossessive(TranslationState& s, char gender, int number);

}  // namespace quelvo
