#pragma once
// The small word lists of sentence construction.
#include <string_view>

namespace quelvo {

struct PersonWord {
    std::string_view word;
    int person;
};

// Object and reflexive pronouns.
inline constexpr PersonWord kObjectPronouns[] = {
    {"me", 1}, {"te", 2}, {"se", 3}, {"nos", 4}, {"os", 5},
};

inline constexpr PersonWord kSubjectPronouns[] = {
    {"yo", 1},       {"t\xFA", 2},       {"\xE9l", 3},      {"ella", 3},    {"usted", 3},    {"Usted", 3},
    {"se", 3},       {"nosotros", 4},    {"vosotros", 5},   {"ellos", 6},   {"ustedes", 6},  {"Ustedes", 6},
};

struct PluralForm {
    std::string_view plural;
    std::string_view lookedUpAs;
};

// Plurals the ending analysis cannot take apart.
inline constexpr PluralForm kPluralForms[] = {
    {"j\xF3venes", "joven"},
    {"ex\xE1menes", "examen"},
    {"im\xE1genes", "imagen"},
    {"quinientas", "femhundra"},
};

inline constexpr std::string_view kPunctuationTokens[] = {
    ",", ";", ":", ".", "\xBF", "?", "!", "\xA1", "-", "%", "\"",
};

// Verbs that take no object, tagged "vi" once the phrases are known.
inline constexpr std::string_view kIntransitiveVerbs[] = {"llegar", "vivir", "salir", "abundar", "yacer"};

// Marks that may open a sentence (quotes, "¡", "¿"): its first word follows them.
inline constexpr std::string_view kOpeningMarks[] = {"\"", "\xAB", "\x93", "\xA1", "\xBF"};

}  // namespace quelvo
