#pragma once
// The form codes the analysis gives a word (FormCode): the number of a noun
// or adjective, the tense or form of a verb. The codes from 450 up are the
// forms "Spvb.dat" lists for a few verbs of their own.
namespace quelvo::fc {

inline constexpr int kNone = 0;
inline constexpr int kSingular = 1;  // also the base form a word is found in
inline constexpr int kSingular2 = 2;  // read as a singular wherever it is tested
inline constexpr int kPlural = 3;
inline constexpr int kPresent = 4;
inline constexpr int kImperfect = 5;
inline constexpr int kPreterite = 6;
inline constexpr int kPresentOrPreterite = 7;
inline constexpr int kFuture = 8;
inline constexpr int kConditional = 9;
inline constexpr int kParticiple = 10;
inline constexpr int kGerund = 11;
inline constexpr int kSParticiple = 12;  // a participle whose Swedish verb ends in "s"
inline constexpr int kSupine = 13;
inline constexpr int kParticiplePlural = 14;
inline constexpr int kPastParticiple = 15;
// A verb read as an order ("Cierra la puerta", "Ven"): the Swedish imperative,
// with no subject of its own.
inline constexpr int kImperative = 16;
inline constexpr int kInfinitive = 19;
inline constexpr int kPresentSubjunctive = 20;
inline constexpr int kImperfectSubjunctive = 21;
inline constexpr int kImperfectSubjunctive2 = 22;
inline constexpr int kSubjunctive23 = 23;  // tested with the forms of "poder", given by no file
// The infinitive's class number, which "de" tests as a form code: no file
// gives it as one, so "de" before such a word keeps its other readings.
inline constexpr int kInfinitiveClassNumber = 99;
inline constexpr int kAdjective = 30;      // an adjective in its base form
inline constexpr int kSuperlative = 32;
inline constexpr int kAgreeingParticiple = 33;  // a participle used as an adjective, singular
inline constexpr int kPluralParticiple = 34;    // the same, plural or definite
inline constexpr int kDiminutive = 51;
inline constexpr int kMenteAdverb = 55;  // an adverb in "-mente"
inline constexpr int kPastParticiple2 = 77;  // a past participle form of "SvVerb1.pek" records
inline constexpr int kSpecialPresent = 450;
inline constexpr int kSpecialPresent2 = 455;
inline constexpr int kSpecialImperfect = 460;
inline constexpr int kSpecialSubjunctive = 462;
inline constexpr int kSpecialSubjunctive2 = 463;
inline constexpr int kSpecialPreterite = 470;
inline constexpr int kSpecialFuture = 475;
inline constexpr int kSpecialConditional = 476;
inline constexpr int kSpecialParticiple = 480;

}  // namespace quelvo::fc
