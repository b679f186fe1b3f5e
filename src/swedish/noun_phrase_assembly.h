#pragma once
// Noun phrase assembly: the Swedish words of a noun phrase in Swedish order
// with agreeing forms. The article follows the noun's gender, the adjective
// or participle takes the ending for the noun's gender, number and
// definiteness, and the noun its suffix. Each routine starts at CurWord and
// moves it past the words it consumes.
#include <cstdint>
#include <string_view>

#include "core/translation_state.h"

namespace quelvo {

// The Swedish article for CurWord's Spanish article ("un" "en"/"ett", "el"
// "den"/"det", "los" "de", "lo" "det") by the gender in `code` (`gender`
// when the code has none); gives the noun's definiteness. Another
// determiner is rendered as its own Swedish word, definite.
void EmitArticle(TranslationState& s, char& definiteness, std::uint16_t code, char gender);

// An article and its noun: Swedish marks definiteness on the noun, so "la
// casa" is "huset" alone, "una casa" "ett hus"; "lo" + adjective is "det"
// and the adjective in "a".
void EmitArticleNoun(TranslationState& s);

// An adjective (or participle) and its noun: `form` is the adjective, agreeing
// with `gender`, `number` and `definiteness`; `code` is its adjective code.
void EmitAdjectiveNoun(TranslationState& s, const Str30& form, int number, char definiteness, char gender,
                       std::uint16_t code);

// A possessive, its noun and an adjective: the possessive, the definite
// adjective, the indefinite noun (mi casa blanca: "mitt vita hus").
void EmitPossessiveNoun(TranslationState& s);

// The form code of CurWord as a participle used as an adjective: 33 singular,
// 34 plural or definite, and plural after a plural person.
void ParticipleFormCode(TranslationState& s);

// A noun, "más" and a participle: "mera", the participle, the noun.
void EmitMeraParticipleNoun(TranslationState& s, char definiteness);

// A noun and its adjective (casa blanca), put out as adjective and noun.
void EmitNounAdjective(TranslationState& s, char definiteness);

// A noun and a participle used as adjective, put out as participle and noun.
void EmitNounParticiple(TranslationState& s, char definiteness);

// A possessive, an adjective and a noun (mi gran casa): the possessive, the
// definite adjective, the indefinite noun.
void EmitPossessiveAdjectiveNoun(TranslationState& s);

// The form of CurWord, a participle or an adjective used as one, agreeing
// with a noun of `gender` and `number`; sets the participle's form code and
// definiteness on the way.
Str30 AgreedParticipleForm(TranslationState& s, int number, char gender, char definiteness);

// The noun at CurWord in its form for its number and `definiteness`.
Str30 NounForm(TranslationState& s, char definiteness);
// The same, emitted and recorded.
void EmitNounForm(TranslationState& s, char definiteness);

// The article before a noun that marks definiteness itself: a definite
// article is left out ('b'), "un"/"una" becomes "en"/"ett" ('o'), another
// determiner its own Swedish word ('b').
void EmitSuffixArticle(TranslationState& s, char gender, int number, char& definiteness);

// The gender letter of a noun by its code, common ('n') when the code has none.
char GenderOfNoun(const WordNode& noun);

}  // namespace quelvo
