#include "morphology/ending_analysis.h"

#include <optional>
#include <string>

#include "core/form_codes.h"
#include "core/word_classes.h"
#include "lexicon/lookups.h"
#include "morphology/class_tests.h"
#include "morphology/ending_tables.h"

namespace quelvo {
namespace {

std::string WithoutLast(std::string_view word, int letters) {
    const auto keep = word.size() > static_cast<std::size_t>(letters) ? word.size() - letters : 0;
    return std::string(word.substr(0, keep));
}

// Letters taken off for the stem of the subjunctive "e" row.
int SubjunctiveStemCut(std::string_view word) {
    int cut = 1;
    if (EndsWith(WithoutLast(word, cut), "c")) cut = 2;
    if (EndsWith(WithoutLast(word, cut), "u")) cut = 2;
    return cut;
}

bool Holds(When when, std::string_view word) {
    switch (when) {
        case When::Always: return true;
        case When::StemEndsC: return EndsWith(WithoutLast(word, 1), "c");
        case When::StemEndsU: return EndsWith(WithoutLast(word, EndsWith(WithoutLast(word, 1), "c") ? 2 : 1), "u");
    }
    return false;
}

// The index of the changed letter in `stem`, if it has one.
std::optional<std::size_t> LetterIndex(const std::string& stem, LetterAt at) {
    const std::size_t n = stem.size();
    switch (at) {
        case LetterAt::Last: return n >= 1 ? std::optional(n - 1) : std::nullopt;
        case LetterAt::SecondLast: return n >= 2 ? std::optional(n - 2) : std::nullopt;
        case LetterAt::Second: return n >= 2 ? std::optional<std::size_t>(1) : std::nullopt;
        case LetterAt::Third: return n >= 3 ? std::optional<std::size_t>(2) : std::nullopt;
        case LetterAt::None: break;
    }
    return std::nullopt;
}

std::string_view InfinitiveByLetter(std::string_view ending) {
    switch (ending.empty() ? '\0' : ending.front()) {
        case 'a': return "ar";
        case 'e': return "er";
        case 'i': return "ir";
        default: return "";
    }
}

// The candidate's text before a restored stem vowel; none when the
// candidate does not apply to this word.
std::optional<std::string> BuildCandidate(const Candidate& c, std::string_view word, std::string_view ending) {
    if (!Holds(c.when, word)) return std::nullopt;
    std::string stem = WithoutLast(word, c.cut == kCutSubjunctiveStem ? SubjunctiveStemCut(word) : c.cut);
    if (c.at != LetterAt::None) {
        const auto i = LetterIndex(stem, c.at);
        if (!i || stem[*i] != c.from) return std::nullopt;
        stem[*i] = c.to;
    }
    stem += c.byLetter ? InfinitiveByLetter(ending) : c.add;
    return stem;
}

void ReplaceFirstPair(Str30& text, std::string_view pair, char replacement) {
    std::string t(text.view());
    const auto p = t.find(pair);
    if (p == std::string::npos) return;
    t.replace(p, pair.size(), 1, replacement);
    text = t;
}

// Looks the candidate up; false when it is not tried at all or not found.
bool TryCandidate(TranslationState& s, const Candidate& c, std::string_view word, std::string_view ending) {
    const auto text = BuildCandidate(c, word, ending);
    if (!text) return false;
    s.LookupWord = *text;
    if (c.restore == Restore::O) RestoreStemO(s);
    if (c.restore == Restore::E) RestoreStemE(s);
    if (!c.never.empty() && s.LookupWord == c.never) return false;
    if (!c.respelled.empty() && s.LookupWord == c.respelled) s.LookupWord = c.respelling;
    bool found = false;
    TryLookup(s, found);
    return found;
}

void SetPluralPerson(TranslationState& s) {
    WordFields& w = s.StagedWord;
    for (const auto& p : kPossessives) {
        if (s.LookupWord == p.word) {
            w.PersonNo = p.person;
            return;
        }
    }
    if (OneOf(w.SpClass, {wc::kNoun, wc::kIndefinite, wc::kIndefiniteAdjective, wc::kAdjective}) || Between(w.SpClass, wc::kNounAdjective, wc::kNounAdjectiveParticiple) || Between(w.SpClass, wc::kParticleVerb, wc::kAdjectiveAdverbNoun)) w.PersonNo = 6;
}

// Records what the ending meant for the base form found; false when the
// row does not accept it.
bool ApplyOutcome(TranslationState& s, const EndingRow& row, std::size_t candidate, std::string_view word) {
    WordFields& w = s.StagedWord;
    switch (row.outcome) {
        case Outcome::VerbOnly:
            if (w.SpClass != wc::kVerb) return false;
            [[fallthrough]];
        case Outcome::Codes:
        case Outcome::MenteAdverb:
            w.FormCode = row.formCode;
            if (row.personNo != kKeep) w.PersonNo = row.personNo;
            if (row.spClass != wc::kUnknown) w.SpClass = row.spClass;
            if (row.outcome == Outcome::MenteAdverb)
                w.SpWord = (candidate == 0 ? WithoutLast(word, 6) + "a" : WithoutLast(word, 5)) + "mente";
            return true;
        case Outcome::Plural:
            SetPluralPerson(s);
            return true;
        case Outcome::MasculineInO:
            if (OneOf(w.SpClass, {wc::kNoun, wc::kIndefiniteAdjective}) || Between(w.SpClass, wc::kNounAdjective, wc::kNounPossessive)) {
                w.FormCode = fc::kSingular;
                w.PersonNo = 3;
            } else if (w.SpClass == wc::kAdjective || Between(w.SpClass, wc::kParticleVerb, wc::kNull)) {
                w.FormCode = fc::kAdjective;
            }
            return true;
        case Outcome::SubjunctiveOrFeminine:
            w.FormCode = w.SpClass == wc::kVerb ? fc::kImperfectSubjunctive : fc::kAdjective;
            return true;
        case Outcome::PluralNoun:
            w.FormCode = fc::kPlural;
            if (w.SpClass == wc::kNoun || Between(w.SpClass, wc::kNounAdjective, wc::kNounPossessive)) w.PersonNo = 6;
            return true;
        case Outcome::PluralEs:
            w.FormCode = fc::kPlural;
            w.PersonNo = w.SpClass == wc::kAdjectiveAdverb ? 0 : 6;
            return true;
    }
    return false;
}

bool RunRow(TranslationState& s, const EndingRow& row, std::string_view word, std::string_view ending) {
    for (std::size_t i = 0; i < row.candidates.size(); ++i) {
        const bool found = TryCandidate(s, row.candidates[i], word, ending);
        // The plural mark stands whether or not the singular was found.
        if (row.outcome == Outcome::Plural) s.StagedWord.FormCode = fc::kPlural;
        if (found) return ApplyOutcome(s, row, i, word);
    }
    return false;
}

bool Answers(const EndingRow& row, std::string_view word, std::string_view ending) {
    if (static_cast<int>(word.size()) < row.minLength) return false;
    if (!row.exceptWord.empty() && word == row.exceptWord) return false;
    for (const auto e : row.endings)
        if (e == ending) return true;
    return false;
}

void Analyse(TranslationState& s, const EndingAnalyser& analyser, const Str30& word, bool& found) {
    const Str30 copy = word;
    const std::string_view w = copy.view();
    const auto length = static_cast<std::size_t>(analyser.endingLength);
    if (w.size() < length) return;
    const std::string_view ending = w.substr(w.size() - length);
    for (const auto& row : analyser.rows) {
        if (!Answers(row, w, ending)) continue;
        found = RunRow(s, row, w, ending);
        if (found) return;
    }
}

}  // namespace

void AnalyseEnding1(TranslationState& s, const Str30& word, bool& found) { Analyse(s, kEndingAnalysers[0], word, found); }
void AnalyseEnding2(TranslationState& s, const Str30& word, bool& found) { Analyse(s, kEndingAnalysers[1], word, found); }
void AnalyseEnding3(TranslationState& s, const Str30& word, bool& found) { Analyse(s, kEndingAnalysers[2], word, found); }
void AnalyseEnding4(TranslationState& s, const Str30& word, bool& found) { Analyse(s, kEndingAnalysers[3], word, found); }
void AnalyseEnding5(TranslationState& s, const Str30& word, bool& found) { Analyse(s, kEndingAnalysers[4], word, found); }
void AnalyseEnding6(TranslationState& s, const Str30& word, bool& found) { Analyse(s, kEndingAnalysers[5], word, found); }
void AnalyseEnding7(TranslationState& s, const Str30& word, bool& found) { Analyse(s, kEndingAnalysers[6], word, found); }

void AnalyseEnding(TranslationState& s, const Str30& word, bool& found) {
    using Analyser = void (*)(TranslationState&, const Str30&, bool&);
    static constexpr Analyser kInOrder[] = {AnalyseEnding1, AnalyseEnding2, AnalyseEnding3, AnalyseEnding4,
                                            AnalyseEnding5, AnalyseEnding6, AnalyseEnding7};
    static_assert(std::size(kInOrder) == std::size(kEndingAnalysers));
    for (const Analyser analyser : kInOrder) {
        if (found) return;
        analyser(s, word, found);
    }
}

void RestoreStemO(TranslationState& s) { ReplaceFirstPair(s.LookupWord, "ue", 'o'); }
void RestoreStemE(TranslationState& s) { ReplaceFirstPair(s.LookupWord, "ie", 'e'); }

}  // namespace quelvo
