#pragma once
// Participles the correction passes know by name.
#include <cstdint>
#include <string_view>

namespace quelvo {

// Masculine singular participles read as adjectives when they agree with a noun.
inline constexpr std::string_view kParticipleAdjectives[] = {
    "acusado", "agregado", "alumbrado", "decidido", "desmedido", "juzgado",
    "jugado",  "resultado", "tratado",  "empapelado", "pasado",  "cuidado",
};

inline constexpr std::string_view kIrregularParticiples[] = {
    "abierto", "cubierto", "dispuesto", "impuesto", "opuesto", "supuesto", "puesta", "puesto", "propuesto",
};

struct SwedishParticiple {
    std::string_view spanish;
    std::string_view swedish;
};

// Participles of nouns with bit 11 of SpCode1, as perfects after "haber".
inline constexpr SwedishParticiple kHaberSupines[] = {
    {"ganado", "vunnit"}, {"supuesto", "antagit"}, {"pedido", "bett"},
};

// Participles of class 23 as perfects after "haber".
inline constexpr SwedishParticiple kPerfectSupines[] = {
    {"muerto", "d\xF6tt"}, {"dicho", "sagt"}, {"visto", "sett"},
    {"puesto", "satt"},    {"hecho", "gjort"}, {"significado", "betytt"},
};

inline constexpr int kKeepCode = -1;

struct ParticipleAdjective {
    std::string_view spanish;
    std::string_view swedish;
    int svCode2;  // kKeepCode: left as it is
    int svCode3;
};

// Participles of class 23 used as adjectives.
inline constexpr ParticipleAdjective kParticipleAdjectiveForms[] = {
    {"hecho", "gjord", 128, kKeepCode},
    {"protegido", "skyddad", 128, kKeepCode},
    {"puesto", "p\xE5satt", kKeepCode, kKeepCode},
    {"muerto", "d\xF6" "d", kKeepCode, 9},
    {"cubierto", "t\xE4" "ckt", 960, 2},
};

}  // namespace quelvo
