#pragma once
// The seven ending analysers, shortest ending first. Within an analyser the
// rows are tried in order; several rows for one ending are its successive
// readings. Accented letters are code page 1252 bytes.
#include <array>
#include <string_view>

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
    {0, {"a"}, {Stem(1, "ar"), StemO(1, "ar"), StemE(1, "ar")}, Outcome::VerbOnly, 4, 3},
    {0, {"a"}, {Stem(2, "iar"), Stem(2, "uar")}, Outcome::Codes, 4, 3},
    {0, {"a"},
     {Stem(1, "er"), Stem(1, "ir"), Never("ardor", StemO(1, "er")), StemE(1, "er"), Stem(2, "ger")},
     Outcome::Codes, 20, 1},
    {0, {"a"}, {Stem(1, "o")}, Outcome::MasculineInO},
    {0, {"a"},
     {Stem(1), Changed(1, LetterAt::SecondLast, 'e', '\xE9'), Changed(1, LetterAt::SecondLast, 'o', '\xF3'),
      Changed(1, LetterAt::SecondLast, 'a', '\xE1')},
     Outcome::SubjunctiveOrFeminine},
    {0, {"o"},
     {Stem(1, "ar"), Stem(1, "er"), Stem(1, "ir"), StemO(1, "ar"), StemE(1, "ar"), StemO(1, "er"),
      StemE(1, "er"), StemO(1, "ir"), StemE(1, "ir")},
     Outcome::Codes, 4, 1},
    {0, {"o"}, {Stem(2, "iar"), Stem(2, "uar")}, Outcome::Codes, 4, 1},
    {0, {"e"},
     {Stem(1, "er"), Stem(1, "ir"), StemO(1, "er"), StemO(1, "ir"), StemE(1, "er"), StemE(1, "ir")},
     Outcome::Codes, 4, 3},
    {0, {"e"},
     {Stem(1, "ar"), StemE(1, "ar"), StemO(1, "ar"), Only(When::StemEndsC, Stem(2, "zar")),
      Only(When::StemEndsU, Stem(2, "ar")), StemE(kCutSubjunctiveStem, "zar"), Stem(3, "car"), Stem(2, "uar")},
     Outcome::Codes, 20, 1},
    {0, {"\xE9"}, {Stem(1, "ar"), Stem(3, "car"), Stem(3, "gar")}, Outcome::Codes, 6, 1},
    {0, {"\xED"}, {Stem(1, "er"), Stem(1, "ir")}, Outcome::Codes, 6, 1, 0, "s\xED"},
    {0, {"\xF3"}, {Stem(1, "ar")}, Outcome::Codes, 6, 3},
};

// Last two letters.
inline constexpr EndingRow kEndings2[] = {
    {4, {"i\xF3"}, {Stem(2, "er"), Stem(2, "ir")}, Outcome::Codes, 6, 3},
    {4, {"ue"}, {Stem(2, "ar")}, Outcome::Codes, 20, 1},
    {4, {"\xED" "a"}, {Stem(2, "er"), Stem(2, "ir")}, Outcome::Codes, 5, 3},
    {4, {"an"}, {Stem(2, "ar"), StemO(2, "ar"), StemE(2, "ar")}, Outcome::Codes, 4, 6},
    {4, {"an"}, {Stem(2, "er"), Stem(2, "ir"), StemE(2, "er"), StemO(2, "er")}, Outcome::Codes, 20, 6},
    {4, {"an"}, {Stem(3, "iar"), Stem(3, "uar")}, Outcome::Codes, 4, 6},
    {4, {"en"},
     {Stem(2, "er"), Stem(2, "ir"), StemE(2, "er"), StemO(2, "er"), StemO(2, "ir"), StemE(2, "ir")},
     Outcome::Codes, 4, 6},
    {4, {"en"},
     {Stem(2, "ar"), StemO(2, "ar"), StemE(2, "ar"), Stem(3, "zar"), StemE(3, "zar"), Stem(4, "car"),
      Stem(4, "gar")},
     Outcome::Codes, 20, 6},
    {4, {"as"}, {Stem(2, "ar"), StemO(2, "ar"), StemE(2, "ar"), StemE(2, "ir")}, Outcome::VerbOnly, 4, 2},
    {4, {"as"}, {Stem(2, "er"), Stem(2, "ir"), StemO(2, "ir"), StemE(2, "ir")}, Outcome::Codes, 20, 2},
    {4, {"as"}, {Stem(2, "a")}, Outcome::PluralNoun},
    {4, {"as"},
     {Stem(2), Changed(2, LetterAt::SecondLast, 'e', '\xE9'), Changed(2, LetterAt::SecondLast, 'a', '\xE1')},
     Outcome::PluralNoun},
    {4, {"as"}, {Stem(2, "o")}, Outcome::Codes, 3},
    {4, {"as"}, {Stem(3, "iar"), Stem(3, "uar")}, Outcome::Codes, 4, 2},
    {4, {"es"}, {Stem(2, "er"), Stem(2, "ir"), StemE(2, "ir"), StemE(2, "er"), StemO(2, "er")}, Outcome::Codes, 4, 2},
    {4, {"es"}, {Stem(2)}, Outcome::PluralEs},
    {4, {"es"}, {Changed(2, LetterAt::Last, 'c', 'z')}, Outcome::Codes, 3, 6},
    {4, {"es"},
     {Changed(2, LetterAt::SecondLast, 'i', '\xED'), Changed(2, LetterAt::SecondLast, 'u', '\xFA'),
      Changed(2, LetterAt::SecondLast, 'a', '\xE1'), Changed(2, LetterAt::SecondLast, 'o', '\xF3'),
      Changed(2, LetterAt::Third, '\xED', 'i'), Changed(2, LetterAt::SecondLast, 'e', '\xE9'),
      Changed(2, LetterAt::Second, 'a', '\xE1')},
     Outcome::Codes, 3, 6},
    {4, {"es"}, {Stem(2, "ar"), StemO(2, "ar"), StemE(2, "ar"), Stem(3, "zar")}, Outcome::Codes, 20, 2},
    {4, {"\xEDs"}, {Stem(2, "ir")}, Outcome::Codes, 4, 5},
};

// Last three letters.
inline constexpr EndingRow kEndings3[] = {
    {5, {"\xE1is"}, {Stem(3, "ar")}, Outcome::Codes, 4, 5},
    {5, {"\xE1is"}, {Stem(3, "er"), Stem(3, "ir")}, Outcome::Codes, 20, 5},
    {5, {"\xE9is"}, {Stem(3, "er")}, Outcome::Codes, 4, 5},
    {5, {"\xE9is"}, {Stem(3, "ar"), Stem(4, "zar")}, Outcome::Codes, 20, 5},
    {5, {"\xED" "as"}, {Stem(3, "er"), Stem(3, "ir")}, Outcome::Codes, 5, 2},
    {5, {"\xED" "an"}, {Stem(3, "er"), Stem(3, "ir")}, Outcome::Codes, 5, 6},
    {5, {"yan"}, {Stem(3, "ir")}, Outcome::Codes, 21, 6},
    {5, {"aba"}, {Stem(3, "ar")}, Outcome::Codes, 5, 3},
    {5, {"ara", "ase"}, {Stem(3, "ar")}, Outcome::Codes, 21, 3},
    {5, {"ar\xE9", "er\xE9", "ir\xE9"}, {Stem(3, "ar"), Stem(3, "er"), Stem(3, "ir")}, Outcome::Codes, 8, 1},
    {0, {"ar\xE1", "er\xE1", "ir\xE1"}, {Stem(3, "ar"), Stem(3, "er"), Stem(3, "ir")}, Outcome::Codes, 8, 3},
    {5, {"ado"}, {Stem(3, "ar")}, Outcome::Codes, 10, kKeep, 102},
    {5, {"ada"}, {Stem(3, "ar")}, Outcome::Codes, 10, kKeep, 104},
    {5, {"ido"}, {Stem(3, "er"), Stem(3, "ir")}, Outcome::Codes, 10, kKeep, 102},
    {5, {"ida"}, {Stem(3, "er"), Stem(3, "ir")}, Outcome::Codes, 10, kKeep, 104},
    {5, {"ito"}, {Stem(3, "o")}, Outcome::Codes, 51, 3},
    {5, {"ita"}, {Stem(3, "a")}, Outcome::Codes, 51, 3, 0, "visita"},
    {5, {"zco"}, {Stem(3, "cir"), Stem(3, "cer")}, Outcome::Codes, 4, 1},
    {5, {"zca"}, {Stem(3, "cir"), Stem(3, "cer")}, Outcome::Codes, 20, 1},
};

// Last four letters.
inline constexpr EndingRow kEndings4[] = {
    {6, {"amos"}, {Stem(4, "ar")}, Outcome::Codes, 7, 4},
    {6, {"amos"}, {Stem(4, "er"), Stem(4, "ir")}, Outcome::Codes, 20, 4},
    {6, {"emos"}, {Stem(4, "er")}, Outcome::Codes, 4, 4},
    {6, {"emos"}, {Stem(4, "ar"), Stem(6, "car"), Stem(5, "zar")}, Outcome::Codes, 20, 4},
    {6, {"imos"}, {Stem(4, "ir")}, Outcome::Codes, 7, 4},
    {6, {"imos"}, {Stem(4, "er")}, Outcome::Codes, 6, 4},
    {6, {"abas"}, {Stem(4, "ar")}, Outcome::Codes, 5, 2},
    {6, {"aras", "ases"}, {Stem(4, "ar")}, Outcome::Codes, 21, 2},
    {6, {"ar\xE1s", "er\xE1s", "ir\xE1s"}, {ByLetter(4)}, Outcome::Codes, 8, 2},
    {6, {"\xED" "ais"}, {Stem(4, "er"), Stem(4, "ir")}, Outcome::Codes, 5, 5},
    {6, {"ados", "adas"}, {Stem(4, "ar")}, Outcome::Codes, 14, 0, 104},
    {6, {"idos", "idas"}, {Stem(4, "er"), Stem(4, "ir")}, Outcome::Codes, 14, 0, 104},
    {6, {"zcas"}, {Stem(5, "ucir"), Stem(5, "ecer")}, Outcome::Codes, 20, 2},
    {0, {"aban"}, {Stem(4, "ar")}, Outcome::Codes, 5, 6},
    {0, {"aran", "asen"}, {Stem(4, "ar")}, Outcome::Codes, 21, 6},
    {0, {"aron"}, {Stem(4, "ar")}, Outcome::Codes, 6, 6},
    {0, {"ar\xE1n", "er\xE1n", "ir\xE1n"}, {ByLetter(4)}, Outcome::Codes, 8, 6},
    {0, {"zcan"}, {Stem(5, "ucir"), Stem(5, "ecer")}, Outcome::Codes, 20, 6},
    {0, {"aste"}, {Stem(4, "ar"), Stem(4, "ir")}, Outcome::Codes, 6, 2},
    {0, {"iste"}, {Stem(4, "er"), Stem(4, "ir")}, Outcome::Codes, 6, 2},
    {0, {"iese"}, {Stem(4, "er"), Stem(4, "ir")}, Outcome::Codes, 21, 1},
    {0, {"ar\xED" "a", "er\xED" "a", "ir\xED" "a"}, {ByLetter(4)}, Outcome::AnyVerb, 9, 1},
    {0, {"iera"}, {Stem(4, "er"), Stem(4, "ir")}, Outcome::Codes, 21, 1},
    {0, {"ando"}, {Stem(4, "ar")}, Outcome::Codes, 11, 0, 101},
    {0, {"cito"}, {Stem(4)}, Outcome::Codes, 51, 3},
};

// Last five letters.
inline constexpr EndingRow kEndings5[] = {
    {7, {"ar\xE9is", "er\xE9is", "ir\xE9is"}, {ByLetter(5)}, Outcome::Codes, 8, 5},
    {7, {"ar\xED" "as", "er\xED" "as", "ir\xED" "as"}, {ByLetter(5)}, Outcome::Codes, 9, 2},
    {7, {"\xED" "amos"}, {Stem(5, "er"), Stem(5, "ir")}, Outcome::Codes, 5, 4},
    {7, {"abais"}, {Stem(5, "ar")}, Outcome::Codes, 5, 5},
    {7, {"ieras", "ieses"}, {Stem(5, "er"), Stem(5, "ir")}, Outcome::Codes, 21, 2},
    {7, {"arais", "aseis"}, {Stem(5, "ar")}, Outcome::Codes, 21, 5},
    {7, {"zc\xE1is"}, {Stem(6, "ucir"), Stem(6, "ecer")}, Outcome::Codes, 20, 5},
    {7, {"ar\xED" "an", "er\xED" "an", "ir\xED" "an"}, {ByLetter(5)}, Outcome::Codes, 9, 6},
    {7, {"ieron", "yeron"}, {Stem(5, "er"), Stem(5, "ir")}, Outcome::Codes, 6, 6},
    {7, {"ieran", "iesen"}, {Stem(5, "er"), Stem(5, "ir")}, Outcome::Codes, 21, 6},
    {7, {"iendo", "yendo"}, {Stem(5, "er"), Stem(5, "ir")}, Outcome::Codes, 11, 0, 101},
    {0, {"\xEDsimo", "\xEDsima"}, {Respelt("rapido", "r\xE1pido", Stem(5, "o"))}, Outcome::Codes, 32},
    {0, {"mente"}, {Stem(6, "o"), Stem(5)}, Outcome::MenteAdverb, 55, kKeep, 5},
};

// Last six letters.
inline constexpr EndingRow kEndings6[] = {
    {9, {"asteis"}, {Stem(6, "ar")}, Outcome::Codes, 6, 5},
    {9, {"isteis"}, {Stem(6, "er"), Stem(6, "ir")}, Outcome::Codes, 6, 5},
    {9, {"ar\xED" "ais", "er\xED" "ais", "ir\xED" "ais"}, {ByLetter(6)}, Outcome::Codes, 9, 5},
    {9, {"\xE1" "bamos"}, {Stem(6, "ar")}, Outcome::Codes, 5, 4},
    {9, {"\xE1ramos", "\xE9semos", "\xE1semos"}, {Stem(6, "ar")}, Outcome::Codes, 21, 4},
    {9, {"ierais", "ieseis"}, {Stem(6, "er"), Stem(6, "ir")}, Outcome::Codes, 21, 5},
    {9, {"aremos", "eremos", "iremos"}, {Stem(6, "ar"), Stem(6, "er"), Stem(6, "ir")}, Outcome::Codes, 8, 4},
    {9, {"zcamos"}, {Stem(7, "ucir"), Stem(7, "ecer")}, Outcome::Codes, 20, 4},
};

// Last seven letters.
inline constexpr EndingRow kEndings7[] = {
    {10, {"ar\xED" "amos", "er\xED" "amos", "ir\xED" "amos"}, {ByLetter(7)}, Outcome::Codes, 9, 4},
    {10, {"i\xE9ramos", "i\xE9semos"}, {Stem(7, "ar"), Stem(7, "er"), Stem(7, "ir")}, Outcome::Codes, 21, 4},
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
