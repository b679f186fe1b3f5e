#include "analysis/number_words.h"

#include <charconv>

namespace quelvo {
namespace {

struct NumberWord {
    std::string_view word;
    int value;
};

constexpr NumberWord kSpanishNumbers[] = {
    {"uno", 1},           {"una", 1},          {"un", 1},           {"primero", 1},        {"dos", 2},
    {"tres", 3},          {"cuatro", 4},       {"cinco", 5},        {"seis", 6},           {"siete", 7},
    {"ocho", 8},          {"nueve", 9},        {"diez", 10},        {"once", 11},          {"doce", 12},
    {"trece", 13},        {"catorce", 14},     {"quince", 15},      {"diecis\xE9is", 16},  {"diecisiete", 17},
    {"dieciocho", 18},    {"diecinueve", 19},  {"veinte", 20},      {"veintiuno", 21},     {"veintiuna", 21},
    {"veinti\xFAn", 21},  {"veintid\xF3s", 22}, {"veintitr\xE9s", 23}, {"veinticuatro", 24}, {"veinticinco", 25},
    {"veintis\xE9is", 26}, {"veintisiete", 27}, {"veintiocho", 28},  {"veintinueve", 29},   {"treinta", 30},
    {"cuarenta", 40},     {"cincuenta", 50},
};

constexpr int kTen = 10;
constexpr int kTwenty = 20;

// Index 0 is unused; the numbers from 1 to 19.
constexpr std::string_view kSwedishUnits[] = {
    "",      "ett",    "tv\xE5",  "tre",     "fyra",     "fem",     "sex",       "sju",     "\xE5tta",  "nio",
    "tio",   "elva",   "tolv",    "tretton", "fjorton",  "femton",  "sexton",    "sjutton", "arton",    "nitton",
};

// The tens from twenty; "tjugo" is index 2.
constexpr std::string_view kSwedishTens[] = {"", "", "tjugo", "trettio", "fyrtio", "femtio"};

constexpr std::string_view kSwedishOrdinals[] = {
    "",           "f\xF6rsta",   "andra",     "tredje",     "fj\xE4rde",   "femte",      "sj\xE4tte",
    "sjunde",     "\xE5ttonde",  "nionde",    "tionde",     "elfte",       "tolfte",     "trettonde",
    "fjortonde",  "femtonde",    "sextonde",  "sjuttonde",  "artonde",     "nittonde",
};

// The round tens as ordinals: "tjugonde", "trettionde".
constexpr std::string_view kSwedishTenOrdinals[] = {"", "", "tjugonde", "trettionde"};

constexpr std::string_view kSpanishMonths[] = {
    "enero", "febrero", "marzo", "abril", "mayo", "junio", "julio", "agosto", "septiembre", "octubre", "noviembre", "diciembre",
};

constexpr std::string_view kSwedishMonths[] = {
    "januari", "februari", "mars", "april", "maj", "juni", "juli", "augusti", "september", "oktober", "november", "december",
};

constexpr int kLastMinute = 59;
constexpr int kLastDay = 31;

// A word in tens and units: the ten's word, then the unit's from `units`.
Str30 TensAndUnits(int value, const std::string_view (&tens)[6], std::string_view unit) {
    Str30 text(tens[value / kTen]);
    text += unit;
    return text;
}

}  // namespace

std::optional<int> SpanishNumberValue(std::string_view word) {
    for (const auto& row : kSpanishNumbers)
        if (word == row.word) return row.value;
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc{} || end != word.data() + word.size()) return std::nullopt;
    return value;
}

Str30 SwedishCardinal(int value) {
    if (value < 1 || value > kLastMinute) return {};
    if (value < kTwenty) return Str30(kSwedishUnits[value]);
    return TensAndUnits(value, kSwedishTens, kSwedishUnits[value % kTen]);
}

Str30 SwedishOrdinal(int value) {
    if (value < 1 || value > kLastDay) return {};
    if (value < kTwenty) return Str30(kSwedishOrdinals[value]);
    if (value % kTen == 0) return Str30(kSwedishTenOrdinals[value / kTen]);
    return TensAndUnits(value, kSwedishTens, kSwedishOrdinals[value % kTen]);
}

std::optional<int> SpanishMonth(std::string_view word) {
    for (int i = 0; i < static_cast<int>(std::size(kSpanishMonths)); ++i)
        if (word == kSpanishMonths[i]) return i + 1;
    return std::nullopt;
}

std::string_view SwedishMonth(int month) { return kSwedishMonths[month - 1]; }

}  // namespace quelvo
