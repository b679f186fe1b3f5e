#pragma once
// The abbreviations the translator knows as words. One table serves the
// sentence splitter (UTF-8) and the single-sentence checks (code page 1252):
// every abbreviation is plain ASCII, the same bytes in both.
#include <cstddef>
#include <string_view>

namespace quelvo {

struct Abbreviation {
    std::string_view written;  // as written in Spanish, blanks included
    std::string_view swedish;  // code page 1252
    bool mayEndSentence;       // a capital after it starts a new sentence
};

inline constexpr Abbreviation kAbbreviations[] = {
    {"Sr.", "herr", false},
    {"Sra.", "fru", false},
    {"Srta.", "fr\xF6ken", false},
    {"Dr.", "dr", false},
    {"Dra.", "dr", false},
    {"p. ej.", "t.ex.", false},
    {"aprox.", "ca", false},
    {"etc.", "osv", true},
    {"EE. UU.", "USA", true},
};

struct AbbreviationSpan {
    std::size_t length = 0;  // 0: no abbreviation
    bool mayEndSentence = false;
};

// The abbreviation that starts a word at `pos` of `text`, or the initial of
// a name (one capital and a dot before a capitalised word: "J. Pérez").
AbbreviationSpan AbbreviationAt(std::string_view text, std::size_t pos);

// The table row of an abbreviation written as one token, without its blanks
// ("EE.UU."), whatever the case of its letters; nullptr when unknown.
const Abbreviation* FindAbbreviation(std::string_view token);

// A dot that stands between two digits ("3.5", "1.000") belongs to a number.
bool IsNumberDot(std::string_view text, std::size_t pos);

}  // namespace quelvo
