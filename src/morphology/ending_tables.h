#pragma once
// The seven ending analysers, shortest ending first. Within an analyser the
// rows are tried in order; several rows for one ending are its successive
// readings. Accented letters are code page 1252 bytes.
#include <array>
#include <string_view>

#include "core/form_codes.h"
#include "core/word_classes.h"
#include "morphology/ending_rules.h"

namespace quelvo {

// The possessives whose plural in "s" gives the possessor's person.
struct Possessive {
    int person;
    std::string_view word;
};

inline constexpr Possessive kPossessives[] = {
    {1, "mi"}, {2, "tu"}, {3, "su"}, {4, "nuestro"}, {5, "vuestro"},
};

// Last letter.
inline constexpr EndingRow kEndings1[] = {
    {0, {"s"}, {Stem(1)}, Outcome::Plural},
    {0, {"a"}, {Stem(1, "ar"), StemO(1, "ar"), StemE(1, "ar")}, Outcome::VerbOnly, fc::kPresent, 3},
    {0, {"a"}, {Stem(2, "iar"), Stem(2, "uar")}, Outcome::Codes, fc::kPresent, 3},
    {0, {"a"},
     {Stem(1, "er"), Stem(1, "ir"), Never("ardor", StemO(1, "er")), StemE(1, "er"), Stem(2, "ger")},
     Outcome::Codes, fc::kPresentSubjunctive, 1},
    {0, {"a"}, {Stem(1, "o")}, Outcome::MasculineInO},
    {0, {"a"},
     {Stem(1), Changed(1, LetterAt::SecondLast, 'e', '\xE9'), Changed(1, LetterAt::SecondLast, 'o', '\xF3'),
      Changed(1, LetterAt::SecondLast, 'a', '\xE1')},
     Outcome::SubjunctiveOrFeminine},
    {0, {"o"},
     {Stem(1, "ar"), Stem(1, "er"), Stem(1, "ir"), StemO(1, "ar"), StemE(1, "ar"), StemO(1, "er"),
      StemE(1, "er"), StemO(1, "ir"), StemE(1, "ir")},
     Outcome::Codes, fc::kPresent, 1},
    {0, {"o"}, {Stem(2, "iar"), Stem(2, "uar")}, Outcome::Codes, fc::kPresent, 1},
    {0, {"e"},
     {Stem(1, "er"), Stem(1, "ir"), StemO(1, "er"), StemO(1, "ir"), StemE(1, "er"), StemE(1, "ir")},
     Outcome::Codes, fc::kPresent, 3},
    {0, {"e"},
     {Stem(1, "ar"), StemE(1, "ar"), StemO(1, "ar"), Only(When::StemEndsC, Stem(2, "zar")),
      Only(When::StemEndsU, Stem(2, "ar")), StemE(kCutSubjunctiveStem, "zar"), Stem(3, "car"), Stem(2, "uar")},
     Outcome::Codes, fc::kPresentSubjunctive, 1},
    {0, {"\xE9"}, {Stem(1, "ar"), Stem(3, "car"), Stem(3, "gar")}, Outcome::Codes, fc::kPreterite, 1},
    {0, {"\xED"}, {Stem(1, "er"), Stem(1, "ir")}, Outcome::Codes, fc::kPreterite, 1, wc::kUnknown, "s\xED"},
    {0, {"\xF3"}, {Stem(1, "ar")}, Outcome::Codes, fc::kPreterite, 3},
};

// Last two letters.
inline constexpr EndingRow kEndings2[] = {
    {4, {"i\xF3"}, {Stem(2, "er"), Stem(2, "ir")}, Outcome::Codes, fc::kPreterite, 3},
    {4, {"ue"}, {Stem(2, "ar")}, Outcome::Codes, fc::kPresentSubjunctive, 1},
    {4, {"\xED" "a"}, {Stem(2, "er"), Stem(2, "ir")}, Outcome::Codes, fc::kImperfect, 3},
    {4, {"an"}, {Stem(2, "ar"), StemO(2, "ar"), StemE(2, "ar")}, Outcome::Codes, fc::kPresent, 6},
    {4, {"an"}, {Stem(2, "er"), Stem(2, "ir"), StemE(2, "er"), StemO(2, "er")}, Outcome::Codes, fc::kPresentSubjunctive, 6},
    {4, {"an"}, {Stem(3, "iar"), Stem(3, "uar")}, Outcome::Codes, fc::kPresent, 6},
    {4, {"en"},
     {Stem(2, "er"), Stem(2, "ir"), StemE(2, "er"), StemO(2, "er"), StemO(2, "ir"), StemE(2, "ir")},
     Outcome::Codes, fc::kPresent, 6},
    {4, {"en"},
     {Stem(2, "ar"), StemO(2, "ar"), StemE(2, "ar"), Stem(3, "zar"), StemE(3, "zar"), Stem(4, "car"),
      Stem(4, "gar")},
     Outcome::Codes, fc::kPresentSubjunctive, 6},
    {4, {"as"}, {Stem(2, "ar"), StemO(2, "ar"), StemE(2, "ar"), StemE(2, "ir")}, Outcome::VerbOnly, fc::kPresent, 2},
    {4, {"as"}, {Stem(2, "er"), Stem(2, "ir"), StemO(2, "ir"), StemE(2, "ir")}, Outcome::Codes, fc::kPresentSubjunctive, 2},
    {4, {"as"}, {Stem(2, "a")}, Outcome::PluralNoun},
    {4, {"as"},
     {Stem(2), Changed(2, LetterAt::SecondLast, 'e', '\xE9'), Changed(2, LetterAt::SecondLast, 'a', '\xE1')},
     Outcome::PluralNoun},
    {4, {"as"}, {Stem(2, "o")}, Outcome::Codes, fc::kPlural},
    {4, {"as"}, {Stem(3, "iar"), Stem(3, "uar")}, Outcome::Codes, fc::kPresent, 2},
    {4, {"es"}, {Stem(2, "er"), Stem(2, "ir"), StemE(2, "ir"), StemE(2, "er"), StemO(2, "er")}, Outcome::Codes, fc::kPresent, 2},
    {4, {"es"}, {Stem(2)}, Outcome::PluralEs},
    {4, {"es"}, {Changed(2, LetterAt::Last, 'c', 'z')}, Outcome::Codes, fc::kPlural, 6},
    {4, {"es"},
     {Changed(2, LetterAt::SecondLast, 'i', '\xED'), Changed(2, LetterAt::SecondLast, 'u', '\xFA'),
      Changed(2, LetterAt::SecondLast, 'a', '\xE1'), Changed(2, LetterAt::SecondLast, 'o', '\xF3'),
      Changed(2, LetterAt::Third, '\xED', 'i'), Changed(2, LetterAt::SecondLast, 'e', '\xE9'),
      Changed(2, LetterAt::Second, 'a', '\xE1')},
     Outcome::Codes, fc::kPlural, 6},
    {4, {"es"}, {Stem(2, "ar"), StemO(2, "ar"), StemE(2, "ar"), Stem(3, "zar")}, Outcome::Codes, fc::kPresentSubjunctive, 2},
    {4, {"\xEDs"}, {Stem(2, "ir")}, Outcome::Codes, fc::kPresent, 5},
};

// Last three letters.
inline constexpr EndingRow kEndings3[] = {
    {5, {"\xE1is"}, {Stem(3, "ar")}, Outcome::Codes, fc::kPresent, 5},
    {5, {"\xE1is"}, {Stem(3, "er"), Stem(3, "ir")}, Outcome::Codes, fc::kPresentSubjunctive, 5},
    {5, {"\xE9is"}, {Stem(3, "er")}, Outcome::Codes, fc::kPresent, 5},
    {5, {"\xE9is"}, {Stem(3, "ar"), Stem(4, "zar")}, Outcome::Codes, fc::kPresentSubjunctive, 5},
    {5, {"\xED" "as"}, {Stem(3, "er"), Stem(3, "ir")}, Outcome::Codes, fc::kImperfect, 2},
    {5, {"\xED" "an"}, {Stem(3, "er"), Stem(3, "ir")}, Outcome::Codes, fc::kImperfect, 6},
    {5, {"yan"}, {Stem(3, "ir")}, Outcome::Codes, fc::kImperfectSubjunctive, 6},
    {5, {"aba"}, {Stem(3, "ar")}, Outcome::Codes, fc::kImperfect, 3},
    {5, {"ara", "ase"}, {Stem(3, "ar")}, Outcome::Codes, fc::kImperfectSubjunctive, 3},
    {5, {"ar\xE9", "er\xE9", "ir\xE9"}, {Stem(3, "ar"), Stem(3, "er"), Stem(3, "ir")}, Outcome::Codes, fc::kFuture, 1},
    {0, {"ar\xE1", "er\xE1", "ir\xE1"}, {Stem(3, "ar"), Stem(3, "er"), Stem(3, "ir")}, Outcome::Codes, fc::kFuture, 3},
    {5, {"ado"}, {Stem(3, "ar")}, Outcome::Codes, fc::kParticiple, kKeep, wc::kPerfectParticiple},
    {5, {"ada"}, {Stem(3, "ar")}, Outcome::Codes, fc::kParticiple, kKeep, wc::kVerbalAdjective},
    {5, {"ido"}, {Stem(3, "er"), Stem(3, "ir")}, Outcome::Codes, fc::kParticiple, kKeep, wc::kPerfectParticiple},
    {5, {"ida"}, {Stem(3, "er"), Stem(3, "ir")}, Outcome::Codes, fc::kParticiple, kKeep, wc::kVerbalAdjective},
    {5, {"ito"}, {Stem(3, "o")}, Outcome::Codes, fc::kDiminutive, 3},
    {5, {"ita"}, {Stem(3, "a")}, Outcome::Codes, fc::kDiminutive, 3, wc::kUnknown, "visita"},
    {5, {"zco"}, {Stem(3, "cir"), Stem(3, "cer")}, Outcome::Codes, fc::kPresent, 1},
    {5, {"zca"}, {Stem(3, "cir"), Stem(3, "cer")}, Outcome::Codes, fc::kPresentSubjunctive, 1},
};

// Last four letters.
inline constexpr EndingRow kEndings4[] = {
    {6, {"amos"}, {Stem(4, "ar")}, Outcome::Codes, fc::kPresentOrPreterite, 4},
    {6, {"amos"}, {Stem(4, "er"), Stem(4, "ir")}, Outcome::Codes, fc::kPresentSubjunctive, 4},
    {6, {"emos"}, {Stem(4, "er")}, Outcome::Codes, fc::kPresent, 4},
    {6, {"emos"}, {Stem(4, "ar"), Stem(6, "car"), Stem(5, "zar")}, Outcome::Codes, fc::kPresentSubjunctive, 4},
    {6, {"imos"}, {Stem(4, "ir")}, Outcome::Codes, fc::kPresentOrPreterite, 4},
    {6, {"imos"}, {Stem(4, "er")}, Outcome::Codes, fc::kPreterite, 4},
    {6, {"abas"}, {Stem(4, "ar")}, Outcome::Codes, fc::kImperfect, 2},
    {6, {"aras", "ases"}, {Stem(4, "ar")}, Outcome::Codes, fc::kImperfectSubjunctive, 2},
    {6, {"ar\xE1s", "er\xE1s", "ir\xE1s"}, {ByLetter(4)}, Outcome::Codes, fc::kFuture, 2},
    {6, {"\xED" "ais"}, {Stem(4, "er"), Stem(4, "ir")}, Outcome::Codes, fc::kImperfect, 5},
    {6, {"ados", "adas"}, {Stem(4, "ar")}, Outcome::Codes, fc::kParticiplePlural, 0, wc::kVerbalAdjective},
    {6, {"idos", "idas"}, {Stem(4, "er"), Stem(4, "ir")}, Outcome::Codes, fc::kParticiplePlural, 0, wc::kVerbalAdjective},
    {6, {"zcas"}, {Stem(5, "ucir"), Stem(5, "ecer")}, Outcome::Codes, fc::kPresentSubjunctive, 2},
    {0, {"aban"}, {Stem(4, "ar")}, Outcome::Codes, fc::kImperfect, 6},
    {0, {"aran", "asen"}, {Stem(4, "ar")}, Outcome::Codes, fc::kImperfectSubjunctive, 6},
    {0, {"aron"}, {Stem(4, "ar")}, Outcome::Codes, fc::kPreterite, 6},
    {0, {"ar\xE1n", "er\xE1n", "ir\xE1n"}, {ByLetter(4)}, Outcome::Codes, fc::kFuture, 6},
    {0, {"zcan"}, {Stem(5, "ucir"), Stem(5, "ecer")}, Outcome::Codes, fc::kPresentSubjunctive, 6},
    {0, {"aste"}, {Stem(4, "ar"), Stem(4, "ir")}, Outcome::Codes, fc::kPreterite, 2},
    {0, {"iste"}, {Stem(4, "er"), Stem(4, "ir")}, Outcome::Codes, fc::kPreterite, 2},
    {0, {"iese"}, {Stem(4, "er"), Stem(4, "ir")}, Outcome::Codes, fc::kImperfectSubjunctive, 1},
    {0, {"ar\xED" "a", "er\xED" "a", "ir\xED" "a"}, {ByLetter(4)}, Outcome::Codes, fc::kConditional, 1},
    {0, {"iera"}, {Stem(4, "er"), Stem(4, "ir")}, Outcome::Codes, fc::kImperfectSubjunctive, 1},
    {0, {"ando"}, {Stem(4, "ar")}, Outcome::Codes, fc::kGerund, 0, wc::kGerund},
    {0, {"cito"}, {Stem(4)}, Outcome::Codes, fc::kDiminutive, 3},
};

// Last five letters.
inline constexpr EndingRow kEndings5[] = {
    {7, {"ar\xE9is", "er\xE9is", "ir\xE9is"}, {ByLetter(5)}, Outcome::Codes, fc::kFuture, 5},
    {7, {"ar\xED" "as", "er\xED" "as", "ir\xED" "as"}, {ByLetter(5)}, Outcome::Codes, fc::kConditional, 2},
    {7, {"\xED" "amos"}, {Stem(5, "er"), Stem(5, "ir")}, Outcome::Codes, fc::kImperfect, 4},
    {7, {"abais"}, {Stem(5, "ar")}, Outcome::Codes, fc::kImperfect, 5},
    {7, {"ieras", "ieses"}, {Stem(5, "er"), Stem(5, "ir")}, Outcome::Codes, fc::kImperfectSubjunctive, 2},
    {7, {"arais", "aseis"}, {Stem(5, "ar")}, Outcome::Codes, fc::kImperfectSubjunctive, 5},
    {7, {"zc\xE1is"}, {Stem(6, "ucir"), Stem(6, "ecer")}, Outcome::Codes, fc::kPresentSubjunctive, 5},
    {7, {"ar\xED" "an", "er\xED" "an", "ir\xED" "an"}, {ByLetter(5)}, Outcome::Codes, fc::kConditional, 6},
    {7, {"ieron", "yeron"}, {Stem(5, "er"), Stem(5, "ir")}, Outcome::Codes, fc::kPreterite, 6},
    {7, {"ieran", "iesen"}, {Stem(5, "er"), Stem(5, "ir")}, Outcome::Codes, fc::kImperfectSubjunctive, 6},
    {7, {"iendo", "yendo"}, {Stem(5, "er"), Stem(5, "ir")}, Outcome::Codes, fc::kGerund, 0, wc::kGerund},
    {0, {"\xEDsimo", "\xEDsima"}, {Respelt("rapido", "r\xE1pido", Stem(5, "o"))}, Outcome::Codes, fc::kSuperlative},
    {0, {"mente"}, {Stem(6, "o"), Stem(5)}, Outcome::MenteAdverb, fc::kMenteAdverb, kKeep, wc::kAdverb},
};

// Last six letters.
inline constexpr EndingRow kEndings6[] = {
    {9, {"asteis"}, {Stem(6, "ar")}, Outcome::Codes, fc::kPreterite, 5},
    {9, {"isteis"}, {Stem(6, "er"), Stem(6, "ir")}, Outcome::Codes, fc::kPreterite, 5},
    {9, {"ar\xED" "ais", "er\xED" "ais", "ir\xED" "ais"}, {ByLetter(6)}, Outcome::Codes, fc::kConditional, 5},
    {9, {"\xE1" "bamos"}, {Stem(6, "ar")}, Outcome::Codes, fc::kImperfect, 4},
    {9, {"\xE1ramos", "\xE9semos", "\xE1semos"}, {Stem(6, "ar")}, Outcome::Codes, fc::kImperfectSubjunctive, 4},
    {9, {"ierais", "ieseis"}, {Stem(6, "er"), Stem(6, "ir")}, Outcome::Codes, fc::kImperfectSubjunctive, 5},
    {9, {"aremos", "eremos", "iremos"}, {Stem(6, "ar"), Stem(6, "er"), Stem(6, "ir")}, Outcome::Codes, fc::kFuture, 4},
    {9, {"zcamos"}, {Stem(7, "ucir"), Stem(7, "ecer")}, Outcome::Codes, fc::kPresentSubjunctive, 4},
};

// Last seven letters.
inline constexpr EndingRow kEndings7[] = {
    {10, {"ar\xED" "amos", "er\xED" "amos", "ir\xED" "amos"}, {ByLetter(7)}, Outcome::Codes, fc::kConditional, 4},
    {10, {"i\xE9ramos", "i\xE9semos"}, {Stem(7, "ar"), Stem(7, "er"), Stem(7, "ir")}, Outcome::Codes, fc::kImperfectSubjunctive, 4},
};

inline constexpr std::array<EndingAnalyser, 7> kEndingAnalysers = {{
    {1, kEndings1},
    {2, kEndings2},
    {3, kEndings3},
    {4, kEndings4},
    {5, kEndings5},
    {6, kEndings6},
    {7, kEndings7},
}};

// A row with more endings or candidates than its lists hold would lose the rest.
static_assert([] {
    for (const EndingAnalyser& analyser : kEndingAnalysers)
        for (const EndingRow& row : analyser.rows)
            if (row.endings.Overflowed() || row.candidates.Overflowed()) return false;
    return true;
}());

}  // namespace quelvo
