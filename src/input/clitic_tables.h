#pragma once
// Endings that mark enclitic pronouns, and the words that only look as if
// they carried one.
#include <string_view>

namespace quelvo {

inline constexpr std::string_view kNeverSplit[] = {
    "acierte", "adornos", "advierte", "afirme", "alarme", "alerte", "alternos", "aparte", "arme", "arte",
    "baluarte", "burla", "burlas", "burle", "charla", "charlas", "charle", "comparte", "concierte",
    "confirme", "conforme", "contornos", "contraparte", "converse", "convierte", "cuadernos", "cuernos",
    "curse", "deforme", "desarme", "descarte", "desconcierte", "despierte", "disconforme", "diurnos",
    "divierte", "duerme", "enferme", "enorme", "entornos", "estandarte", "eternos", "externos", "firme",
    "forme", "fraternos", "fuerte", "gobiernos", "hornos", "imparte", "inerme", "inerte", "infiernos",
    "informe", "injerte", "internos", "inviernos", "invierte", "maternos", "mirlo", "mirlos", "modernos",
    "muerte", "multiforme", "nocturnos", "orla", "parte", "paternos", "perla", "perlas", "pernos",
    "pervierte", "reafirme", "reforme", "reparte", "retornos", "revierte", "sobornos", "subalternos",
    "subvierte", "suerte", "tiernos", "transforme", "trastornos", "turnos", "uniforme", "vierte",
};

// Two pronouns after an infinitive: the ending's length, the length of the
// stem part it keeps, and the lengths of the two pronouns.
struct TwoCliticTable {
    int endingLength;
    int keptOfEnding;
    int firstLength;
    int secondLength;
    std::initializer_list<std::string_view> endings;
};

inline const TwoCliticTable kTwoClitics[] = {
    {8, 2, 3, 3, {"\xE1rnoslos", "\xE1rnoslas", "\xE9rnoslos", "\xE9rnoslas", "\xEDrnoslos", "\xEDrnoslas"}},
    {7, 2, 2, 3, {"\xE1rmelos", "\xE1rmelas", "\xE1rtelos", "\xE1rtelas", "\xE1rselos", "\xE1rselas",
                  "\xE1roslos", "\xE1roslas", "\xE9rmelos", "\xE9rmelas", "\xE9rtelos", "\xE9rtelas",
                  "\xE9rselos", "\xE9rselas", "\xE9roslos", "\xE9roslas", "\xEDrmelos", "\xEDrmelas",
                  "\xEDrtelos", "\xEDrtelas", "\xEDrselos", "\xEDrselas", "\xEDroslos", "\xEDroslas"}},
    {6, 2, 2, 2, {"\xE1rmelo", "\xE1rmela", "\xE1rtelo", "\xE1rtela", "\xE1rselo", "\xE1rsela",
                  "\xE1roslo", "\xE1rosla", "\xE9rmelo", "\xE9rmela", "\xE9rtelo", "\xE9rtela",
                  "\xE9rselo", "\xE9rsela", "\xE9roslo", "\xE9rosla", "\xEDrmelo", "\xEDrmela",
                  "\xEDrtelo", "\xEDrtela", "\xEDrselo", "\xEDrsela", "\xEDroslo", "\xEDrosla"}},
};

// The accented vowels that begin every ending of kTwoClitics.
inline constexpr std::string_view kTwoCliticVowels = "\xE1\xE9\xED";

// One pronoun after an infinitive: the gates that let a word be examined at all ...
inline constexpr std::string_view kInfinitiveGate3[] = {"rlo", "rla", "rle", "rse", "rme"};
inline constexpr std::string_view kInfinitiveGate4[] = {"rlos", "rlas", "rles", "arte", "erte", "irte", "rnos"};
// ... and the endings that then give a two- or three-letter pronoun.
inline constexpr std::string_view kClitic3[] = {"rlo", "rla", "rle", "rme", "rse", "rte"};
inline constexpr std::string_view kClitic4[] = {"rlos", "rlas", "rles", "arte", "erte", "irte", "rnos"};

// One pronoun after a gerund, tried in this order.
struct GerundTable {
    int endingLength;
    int pronounLength;
    std::initializer_list<std::string_view> endings;
};

inline const GerundTable kGerunds[] = {
    {8, 3, {"i\xE9ndolos", "i\xE9ndolas", "i\xE9ndoles"}},
    {7, 2, {"i\xE9ndome", "i\xE9ndote", "i\xE9ndose", "i\xE9ndole", "i\xE9ndolo", "i\xE9ndola"}},
    {7, 3, {"\xE1ndolos", "\xE1ndolas", "\xE1ndoles"}},
    {6, 2, {"\xE1ndome", "\xE1ndote", "\xE1ndose", "\xE1ndole", "\xE1ndolo", "\xE1ndola"}},
};

}  // namespace quelvo
