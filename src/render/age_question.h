#pragma once
// "¿Cuántos años tienes?": Swedish asks for an age with "hur gammal" and
// "vara" ("hur gammal är du").
#include "core/records.h"
#include "core/translation_state.h"

namespace quelvo {

// True for "año" and "años".
bool IsYears(const WordNode* w);

// True for "tener" + a number + "años": an age told ("tengo veinte años").
bool StatesAge(const WordNode* tener);

// True for a form of "tener" right after "cuántos años".
bool AsksAge(const WordNode* tener);

// With CurWord on "cuántos" of such a question and "años" a phrase of its
// own: emits "hur gammal" ("hur gamla" for a plural subject), takes "años"
// in and returns true; false, emitting nothing, otherwise.
bool EmitAgeQuestion(TranslationState& s);

}  // namespace quelvo
