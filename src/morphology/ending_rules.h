#pragma once
// The shape of one row of the ending analysis: the endings it answers, the
// base forms it tries in order, and what a found base form means.
#include <cstdint>
#include <span>
#include <string_view>

#include "core/form_codes.h"
#include "core/inline_list.h"
#include "core/word_classes.h"

namespace quelvo {

// A stem vowel put back before the lookup: "ue" to "o" (pued-er: poder) or
// "ie" to "e" (quier-er: querer).
enum class Restore : std::uint8_t { None, O, E };

// The letter of the stem that a candidate changes, counted from the end or the start.
enum class LetterAt : std::uint8_t { None, Last, SecondLast, Second, Third };

// Candidates of the subjunctive "e" row that depend on the letter before the "e".
enum class When : std::uint8_t { Always, StemEndsC, StemEndsU };

// The stem of the subjunctive "e" row: the word without its "e", shortened
// once more after a "c" and after a "u" (empiec-e, pagu-e).
inline constexpr int kCutSubjunctiveStem = -1;

struct Candidate {
    int cut = 0;                      // letters taken off the end of the word
    std::string_view add;             // letters put after the stem
    bool byLetter = false;            // add "ar", "er" or "ir" by the first letter of the ending
    Restore restore = Restore::None;  // applied to the whole candidate
    LetterAt at = LetterAt::None;     // a letter of the stem changed from `from` to `to` ...
    char from = 0;                    // ... tried only when the letter is `from`
    char to = 0;
    When when = When::Always;
    std::string_view never;       // a candidate that is not looked up
    std::string_view respelled;   // a candidate looked up as `respelling` instead
    std::string_view respelling;
};

constexpr Candidate Stem(int cut, std::string_view add = {}) {
    Candidate c;
    c.cut = cut;
    c.add = add;
    return c;
}

constexpr Candidate StemO(int cut, std::string_view add) {
    Candidate c = Stem(cut, add);
    c.restore = Restore::O;
    return c;
}

constexpr Candidate StemE(int cut, std::string_view add) {
    Candidate c = Stem(cut, add);
    c.restore = Restore::E;
    return c;
}

constexpr Candidate ByLetter(int cut) {
    Candidate c = Stem(cut);
    c.byLetter = true;
    return c;
}

constexpr Candidate Changed(int cut, LetterAt at, char from, char to) {
    Candidate c = Stem(cut);
    c.at = at;
    c.from = from;
    c.to = to;
    return c;
}

constexpr Candidate Only(When when, Candidate c) {
    c.when = when;
    return c;
}

constexpr Candidate Never(std::string_view word, Candidate c) {
    c.never = word;
    return c;
}

constexpr Candidate Respelt(std::string_view from, std::string_view to, Candidate c) {
    c.respelled = from;
    c.respelling = to;
    return c;
}

// What a found base form means.
enum class Outcome : std::uint8_t {
    Codes,                  // the row's FormCode, PersonNo and SpClass
    VerbOnly,               // the codes for a verb (class 3); another class fails the row
    Plural,                 // FormCode 3, found or not; the person of a possessive or a plural
    MasculineInO,           // the form in "o" exists: a noun-like word, or a feminine adjective
    SubjunctiveOrFeminine,  // a verb: imperfect subjunctive; otherwise a feminine form
    PluralNoun,             // FormCode 3; PersonNo 6 for nouns
    PluralEs,               // FormCode 3; PersonNo 6 except for class 26
    MenteAdverb,            // an adverb; SpWord becomes the adverb itself
};

inline constexpr int kKeep = -1;  // PersonNo left as the lookup left it

struct EndingRow {
    int minLength;  // the word needs at least this many letters
    InlineList<std::string_view, 3> endings;
    InlineList<Candidate, 9> candidates;
    Outcome outcome = Outcome::Codes;
    int formCode = fc::kNone;
    int personNo = kKeep;
    int spClass = wc::kUnknown;  // 0: the class of the found word stays
    std::string_view exceptWord = {};
};

struct EndingAnalyser {
    int endingLength;
    std::span<const EndingRow> rows;
};

}  // namespace quelvo
