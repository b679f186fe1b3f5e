#pragma once
// The dictionaries as the compiler has checked them, texts in code page 1252,
// codes as numbers: everything the seven files are written from.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quelvo::lexc {

struct SwedishEntry {
    int line;
    std::string key;  // UTF-8, as the other sources refer to it
    int number;
    std::string word;
    std::array<std::uint16_t, 4> codes;  // SvCode1..SvCode4
};

struct SpanishForm {
    int line;
    std::string form;
    int entryNumber;
    std::array<std::uint16_t, 3> codes;  // SpCode1..SpCode3
};

struct FormEntry {
    int line;
    std::string form;
    int entryNumber;
};

struct Phrase {
    int line;
    std::string spanish;
    std::string swedish;
    std::string classWord;
    int number;  // becomes SvCode2 of the expression
};

struct VerbFormLine {
    int line;
    std::string infinitive;
    int formCode;
    std::vector<std::string> forms;  // by person; an empty form keeps its place
};

// One record of a record file: the lookup key first, then the other forms.
template <std::size_t N>
struct FormRecord {
    int line;
    std::array<std::string, N> forms;
};

// Infinitive, past, supine, participle, present, present participle.
using IrregularVerb = FormRecord<6>;
// Indefinite and definite singular, indefinite and definite plural.
using IrregularNoun = FormRecord<4>;

struct LexiconModel {
    std::vector<SwedishEntry> entries;
    std::vector<SpanishForm> spanishForms;
    std::vector<FormEntry> formEntries;
    std::vector<Phrase> phrases;
    std::vector<VerbFormLine> verbForms;
    std::vector<IrregularVerb> irregularVerbs;
    std::vector<IrregularNoun> irregularNouns;
};

}  // namespace quelvo::lexc
