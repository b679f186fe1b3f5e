#include "analysis/word_lookup.h"

#include <optional>
#include <span>
#include <string>

#include "analysis/word_lists.h"
#include "core/capitalise.h"
#include "lexicon/dictionary_format.h"
#include "lexicon/lookups.h"
#include "morphology/class_tests.h"
#include "morphology/ending_analysis.h"
#include "morphology/word_tables.h"
#include "swedish/nouns.h"

namespace quelvo {
namespace {

bool IsNumber(const Str30& tok) { return tok.back() >= '0' && tok.back() <= '9'; }

bool IsPunctuation(const Str30& tok) {
    for (const auto mark : kPunctuationTokens)
        if (tok == mark) return true;
    return false;
}

std::optional<int> PersonOf(std::span<const PersonWord> table, std::string_view word) {
    for (const auto& row : table)
        if (row.word == word) return row.person;
    return std::nullopt;
}

void StageNumber(WordFields& w, const Str30& tok) {
    w.SpWord = tok;
    w.SvWord = tok;
    w.SvForm = tok;
    w.SpClass = 6;
    w.FormCode = 1;
}

void StagePunctuation(WordFields& w, const Str30& tok) {
    w.SpClass = tok == "," ? 103 : 100;
    w.FormCode = 1;
    w.SpWord = tok;
    w.SvWord = tok;
    w.SvForm = tok;
    w.SpText = tok;
    w.SpCode1 = w.SpCode2 = w.SpCode3 = 0;
    w.SvCode1 = w.SvCode2 = w.SvCode3 = w.SvCode4 = 0;
}

// The codes of a word found in the dictionary as it stands.
void SetDictionaryCodes(TranslationState& s, const Str30& tok) {
    WordFields& w = s.StagedWord;
    w.SvForm = w.SvWord;
    w.FormCode = w.SpClass == 4 ? 19 : 1;
    if (tok == "fuera") w.SpClass = 130;
    if (OneOf(w.SpClass, {11, 19, 53})) {
        if (const auto person = PersonOf(kObjectPronouns, tok)) w.PersonNo = *person;
    }
    // A verb under its dictionary form is an infinitive; "hay" is the present.
    if (OneOf(w.SpClass, {3, 40, 41, 42, 44})) {
        if (s.LookupWord == "hay") {
            w.FormCode = 4;
        } else {
            w.FormCode = 19;
            w.SpClass = 99;
        }
    }
    if (w.SpClass == 2) w.FormCode = 30;
    if (OneOf(w.SpClass, {10, 61, 62})) {
        if (const auto person = PersonOf(kSubjectPronouns, s.LookupWord)) w.PersonNo = *person;
    }
}

// "poder" in these forms is always the auxiliary "kunna".
void StageAuxiliaryPoder(WordFields& w, int formCode) {
    w.SpWord = "poder";
    w.SvWord = "kunna";
    w.SvKey = kKunnaEntry.key;
    w.SvCode3 = 9;
    w.SpClass = 4;
    w.FormCode = formCode;
}

// An irregular form listed in the verb-form file; `tok` becomes its infinitive.
void TryListedVerbForm(TranslationState& s, Str30& tok, bool& found) {
    bool listed = false;
    int formCode = 0;
    LookupVerbForm(s, tok, listed, formCode);
    if (!listed) return;
    WordFields& w = s.StagedWord;
    s.LookupWord = tok;
    LookupSpanishWord(s, found);
    w.FormCode = formCode;
    if (formCode == 10) w.SpClass = 102;
    if (formCode == 11) w.SpClass = 101;
    if (found) w.SvForm = w.SvWord;
    if (tok == "continuar" && w.PersonNo == 4) w.FormCode = 7;
    if (tok == "poder" && OneOf(formCode, {10, 20, 22, 23, 450, 470, 475, 476})) {
        StageAuxiliaryPoder(w, formCode);
        found = true;
    }
    if (tok == "estar" || tok == "ser") {
        w.SpClass = 4;
        w.FormCode = formCode;
    }
}

bool TryVerbForms(TranslationState& s, Str30& tok, int position) {
    WordFields& w = s.StagedWord;
    bool found = false;
    Str30 adverb;
    LookupMenteAdverb(tok, adverb, found);
    if (found) {
        w.SpWord = tok;
        w.SvWord = adverb;
        w.SpClass = 5;
    }
    if (!found) LookupAcronymOrUnknown(s, tok, position, found);
    if (!found) TryListedVerbForm(s, tok, found);
    if (!found) AnalyseEnding(s, tok, found);
    if (found) w.SvForm = w.SvWord;
    return found;
}

void TryPluralForm(TranslationState& s, Str30& tok, bool& found) {
    for (const auto& row : kPluralForms) {
        if (tok != row.plural) continue;
        tok = row.lookedUpAs;
        s.StagedWord.FormCode = 3;
        s.LookupWord = tok;
        LookupSpanishWord(s, found);
        if (found) s.StagedWord.SvForm = s.StagedWord.SvWord;
        return;
    }
}

Str30 WithCapitalLetter(Str30 tok) {
    if (!tok.empty() && tok.front() >= 'a' && tok.front() <= 'z') tok = Capitalised(tok);
    return tok;
}

bool TryFurtherAnalyses(TranslationState& s, Str30& tok, int position) {
    WordFields& w = s.StagedWord;
    if (OneOf(w.SpClass, {13, 59, 60})) w.PersonNo = w.FormCode == 3 ? 6 : 3;
    bool found = false;
    TryPluralForm(s, tok, found);
    if (!found) LookupFemParticiple(s, tok, found);
    if (!found) LookupSpecialWord(s, tok, found);
    // A name that opens the sentence was given a small letter before the lookups.
    if (!found && position == s.OpeningPosition) {
        tok = WithCapitalLetter(tok);
        LookupAcronymOrUnknown(s, tok, position, found);
    }
    if (found) {
        if (tok == "hay") w.SpClass = 3;
        if (w.FormCode == 11) w.SpClass = 101;
    }
    return found;
}

void StageUnknown(TranslationState& s, const Str30& tok) {
    WordFields& w = s.StagedWord;
    w.Known = 0;
    w.SpWord = tok;
    w.SvWord = tok;
    w.SvForm = tok;
    if (w.SpClass != 16) w.SpClass = 0;
    if (w.SvClass != 16) w.SvClass = 0;
    w.PersonNo = 0;
    w.FormCode = 1;
    w.SvKey.clear();
    s.AddUnknownWord(tok);
}

void ApplyClassRules(WordFields& w) {
    if (OneOf(w.SpClass, {1, 16, 20, 21, 22, 45})) {
        if (HasFlag(w.SpCode2, kParticipleNounFlag)) {
            w.PersonNo = 3;
            w.SpClass = w.SpClass == 20 ? 23 : 22;
        }
        if (HasFlag(w.SpCode1, kSppvaFlag)) w.SpClass = 120;
    }
    if (w.SpClass == 2 && HasFlag(w.SpCode2, kVerbAdjFlag)) w.SpClass = 28;
    if (w.SpClass == 1 || (w.SpClass >= 20 && w.SpClass <= 24)) GenderOfCode(w.SvCode2, w.Gender);
}

// A word without a Swedish entry is shown between "< " and " >"; a long word
// is cut short so that both marks fit.
void MarkWithoutSwedishEntry(WordFields& w, const Str30& tok) {
    if (!w.SvKey.empty() || IsNumber(tok) || w.SpWord == "." || w.SpClass == 16) return;
    constexpr std::string_view kOpen = "< ", kClose = " >";
    const std::string_view word = w.SvWord.view().substr(0, Str30::kCapacity - kOpen.size() - kClose.size());
    const Str30 marked(std::string(kOpen) + std::string(word) + std::string(kClose));
    w.SvWord = marked;
    w.SvForm = marked;
}

}  // namespace

void StageWord(TranslationState& s, const Str30& token, int position) {
    WordFields& w = s.StagedWord;
    w.SpWord.clear();
    w.SvWord.clear();
    w.SpClass = 0;
    w.FormCode = 0;
    w.Known = 1;
    Str30 tok = token;
    if (tok == "su") tok = "el";
    if (tok == "sus") tok = "los";
    if (IsPunctuation(tok)) {
        StagePunctuation(w, tok);
        return;
    }
    if (IsNumber(tok)) {
        StageNumber(w, tok);
    } else if (!StageAbbreviation(s, tok.view())) {
        s.LookupWord = tok;
        bool found = false;
        LookupSpanishWord(s, found);
        if (found) {
            SetDictionaryCodes(s, tok);
        } else if (!TryVerbForms(s, tok, position) && !TryFurtherAnalyses(s, tok, position)) {
            StageUnknown(s, tok);
        }
    }
    ApplyClassRules(w);
    MarkWithoutSwedishEntry(w, tok);
    w.SpText = token;
}

}  // namespace quelvo
