#include "analysis/word_lookup.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "analysis/word_lists.h"
#include "core/accents.h"
#include "core/capitalise.h"
#include "core/form_codes.h"
#include "core/word_classes.h"
#include "lexicon/dictionary_format.h"
#include "lexicon/lookups.h"
#include "morphology/class_tests.h"
#include "morphology/ending_analysis.h"
#include "morphology/imperatives.h"
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
    w.SpClass = wc::kNumeral;
    w.FormCode = fc::kSingular;
}

// A ";" joins two clauses as a "," does.
void StagePunctuation(WordFields& w, const Str30& tok) {
    w.SpClass = tok == "," || tok == ";" ? wc::kComma : wc::kPunctuation;
    w.FormCode = fc::kSingular;
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
    w.FormCode = w.SpClass == wc::kAuxiliary ? fc::kInfinitive : fc::kSingular;
    if (tok == "fuera") w.SpClass = wc::kAdverbVerb;
    if (OneOf(w.SpClass, {wc::kObjectPronoun, wc::kUnlisted19, wc::kMer})) {
        if (const auto person = PersonOf(kObjectPronouns, tok)) w.PersonNo = *person;
    }
    // A verb under its dictionary form is an infinitive; "hay" is the present.
    if (OneOf(w.SpClass, {wc::kVerb, wc::kVerbAdjectiveNoun, wc::kVerbNoun, wc::kVerbAuxiliary, wc::kUnlisted44})) {
        if (s.LookupWord == "hay") {
            w.FormCode = fc::kPresent;
        } else {
            w.FormCode = fc::kInfinitive;
            w.SpClass = wc::kInfinitive;
        }
    }
    if (w.SpClass == wc::kAdjective) w.FormCode = fc::kAdjective;
    if (OneOf(w.SpClass, {wc::kSubjectPronoun, wc::kSubjectReflexive, wc::kUnlisted62})) {
        if (const auto person = PersonOf(kSubjectPronouns, s.LookupWord)) w.PersonNo = *person;
    }
}

// "poder" in these forms is always the auxiliary "kunna".
void StageAuxiliaryPoder(WordFields& w, int formCode) {
    w.SpWord = "poder";
    w.SvWord = "kunna";
    w.SvKey = kKunnaEntry.key;
    w.SvCode3 = 9;
    w.SpClass = wc::kAuxiliary;
    w.FormCode = formCode;
}

// An irregular form listed in the verb-form file; `tok` becomes its infinitive.
void TryListedVerbForm(TranslationState& s, Str30& tok, bool& found) {
    bool listed = false;
    int formCode = fc::kNone;
    LookupVerbForm(s, tok, listed, formCode);
    if (!listed) return;
    WordFields& w = s.StagedWord;
    s.LookupWord = tok;
    LookupSpanishWord(s, found);
    w.FormCode = formCode;
    if (formCode == fc::kParticiple) w.SpClass = wc::kPerfectParticiple;
    if (formCode == fc::kGerund) w.SpClass = wc::kGerund;
    if (found) w.SvForm = w.SvWord;
    if (tok == "continuar" && w.PersonNo == 4) w.FormCode = fc::kPresentOrPreterite;
    if (tok == "poder" && OneOf(formCode, {fc::kParticiple, fc::kPresentSubjunctive, fc::kImperfectSubjunctive2, fc::kSubjunctive23, fc::kSpecialPresent, fc::kSpecialPreterite, fc::kSpecialFuture, fc::kSpecialConditional})) {
        StageAuxiliaryPoder(w, formCode);
        found = true;
    }
    if (tok == "estar" || tok == "ser") {
        w.SpClass = wc::kAuxiliary;
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
        w.SpClass = wc::kAdverb;
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
        s.StagedWord.FormCode = fc::kPlural;
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

// The token after the one at `position`; empty at the end.
std::string_view TokenAfter(const TranslationState& s, int position) {
    const TextNode* t = s.TokenList.Head;
    for (int i = 1; t != nullptr && i < position; ++i) t = t->Next;
    return t != nullptr && t->Next != nullptr ? t->Next->Text.view() : std::string_view();
}

// The spellings a word typed without its accent, or with one too many, may
// stand for: "tambien" for "también", "aquél" for "aquel".
std::vector<Str30> AccentVariants(const Str30& tok) {
    std::vector<Str30> variants;
    if (HasAccent(tok.view())) {
        variants.emplace_back(WithoutAccents(tok.view()));
        return variants;
    }
    for (std::size_t i = 0; i < tok.size(); ++i) {
        const std::size_t vowel = kPlainVowels.find(tok.view()[i]);
        if (vowel == std::string_view::npos) continue;
        std::string accented(tok.view());
        accented[i] = kAccentedVowels[vowel];
        variants.emplace_back(accented);
    }
    return variants;
}

// An unknown word is looked up once more in the dictionary in the spellings
// of AccentVariants. The ending analysis is not tried on them: it would read
// a name ("Maria") as some other word.
void TryAccentVariants(TranslationState& s, Str30& tok, bool& found) {
    for (const Str30& variant : AccentVariants(tok)) {
        s.LookupWord = variant;
        LookupSpanishWord(s, found);
        if (!found) continue;
        SetDictionaryCodes(s, variant);
        tok = variant;
        return;
    }
}

bool TryFurtherAnalyses(TranslationState& s, Str30& tok, int position) {
    WordFields& w = s.StagedWord;
    if (OneOf(w.SpClass, {wc::kIndefinite, wc::kIndefiniteAdverb, wc::kIndefiniteAdjective})) w.PersonNo = w.FormCode == fc::kPlural ? 6 : 3;
    bool found = false;
    TryPluralForm(s, tok, found);
    if (!found) LookupFemParticiple(s, tok, found);
    if (!found) LookupSpecialWord(s, tok, found);
    if (!found) TryAccentVariants(s, tok, found);
    // A name that opens the sentence was given a small letter before the lookups.
    if (!found && position == s.OpeningPosition) {
        tok = WithCapitalLetter(tok);
        LookupAcronymOrUnknown(s, tok, position, found);
    }
    if (found) {
        if (tok == "hay") w.SpClass = wc::kVerb;
        if (w.FormCode == fc::kGerund) w.SpClass = wc::kGerund;
    }
    return found;
}

void StageUnknown(TranslationState& s, const Str30& tok) {
    WordFields& w = s.StagedWord;
    w.Known = 0;
    w.SpWord = tok;
    w.SvWord = tok;
    w.SvForm = tok;
    if (w.SpClass != wc::kProperName) w.SpClass = wc::kUnknown;
    if (w.SvClass != wc::kProperName) w.SvClass = wc::kUnknown;
    w.PersonNo = 0;
    w.FormCode = fc::kSingular;
    w.SvKey.clear();
    s.AddUnknownWord(tok);
}

void ApplyClassRules(WordFields& w) {
    if (OneOf(w.SpClass, {wc::kNoun, wc::kProperName, wc::kNounAdjective, wc::kNounAdverb, wc::kNounAdjectiveVerb, wc::kSubjectPronounNumeral})) {
        if (HasFlag(w.SpCode2, kParticipleNounFlag)) {
            w.PersonNo = 3;
            w.SpClass = w.SpClass == wc::kNounAdjective ? wc::kNounAdjectiveParticiple : wc::kNounAdjectiveVerb;
        }
        if (HasFlag(w.SpCode1, kSppvaFlag)) w.SpClass = wc::kSppva;
    }
    if (w.SpClass == wc::kAdjective && HasFlag(w.SpCode2, kVerbAdjFlag)) w.SpClass = wc::kNull;
    if (w.SpClass == wc::kNoun || (w.SpClass >= wc::kNounAdjective && w.SpClass <= wc::kNounPossessive)) GenderOfCode(w.SvCode2, w.Gender);
}

// A word without a Swedish entry is shown between "< " and " >"; a long word
// is cut short so that both marks fit.
void MarkWithoutSwedishEntry(WordFields& w, const Str30& tok) {
    if (!w.SvKey.empty() || IsNumber(tok) || w.SpWord == "." || w.SpClass == wc::kProperName) return;
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
    w.SpClass = wc::kUnknown;
    w.FormCode = fc::kNone;
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
        // An order that opens the sentence ("Ven", "Di") before the reading
        // the word has elsewhere.
        if (position == s.OpeningPosition && StageOpeningImperative(s, tok.view(), TokenAfter(s, position))) {
            found = true;
        } else {
            s.LookupWord = tok;
            LookupSpanishWord(s, found);
            if (found) SetDictionaryCodes(s, tok);
        }
        if (!found && !TryVerbForms(s, tok, position) && !TryFurtherAnalyses(s, tok, position)) StageUnknown(s, tok);
    }
    ApplyClassRules(w);
    MarkWithoutSwedishEntry(w, tok);
    w.SpText = token;
}

}  // namespace quelvo
