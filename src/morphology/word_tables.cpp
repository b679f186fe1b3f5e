#include "morphology/word_tables.h"

#include <string>

#include "core/capitalise.h"
#include "core/form_codes.h"
#include "core/word_classes.h"
#include "input/abbreviations.h"
#include "lexicon/lookups.h"

namespace quelvo {
namespace {

bool OpensWithCapital(std::string_view word) {
    if (word.empty()) return false;
    const auto c = static_cast<unsigned char>(word.front());
    return (c >= 'A' && c <= 'Z') || c == 0xC1;  // Á
}

void StageAcronym(TranslationState& s, std::string_view word) {
    WordFields& w = s.StagedWord;
    w.SpWord = word;
    w.SvForm = w.SvWord;
    w.SpClass = wc::kProperName;
    w.PersonNo = 3;
    w.FormCode = fc::kSingular;
    w.SvKey = "0";
}

void StageName(TranslationState& s, std::string_view word, int position) {
    WordFields& w = s.StagedWord;
    w.SpWord = word;
    w.SvWord = word;
    w.SvForm = word;
    w.SpClass = wc::kProperName;
    w.SvClass = wc::kProperName;
    w.PersonNo = 3;
    w.FormCode = fc::kSingular;
    w.SpCode3 = 3;
    w.SvKey = "0";
    s.WordClassTexts.Set(position, Str30(word));
}

}  // namespace

void LookupMenteAdverb(std::string_view word, Str30& svText, bool& found) {
    found = false;
    for (const auto& row : kMenteAdverbs) {
        if (row.spanish == word) {
            svText = row.swedish;
            found = true;
            return;
        }
    }
}

void LookupFemParticiple(TranslationState& s, std::string_view word, bool& found) {
    for (const auto& row : kFemParticiples) {
        if (row.spanish != word) continue;
        WordFields& w = s.StagedWord;
        w.SpWord = row.spanish;
        w.SvWord = row.swedish;
        w.SvForm = row.swedish;
        w.SpClass = wc::kVerbalAdjective;
        w.SvClass = wc::kVerbalAdjective;
        w.PersonNo = 0;
        w.FormCode = row.formCode;
        found = true;
        return;
    }
}

void LookupSpecialWord(TranslationState& s, std::string_view word, bool& found) {
    for (const auto& row : kSpecialWords) {
        if (row.spanish != word) continue;
        WordFields& w = s.StagedWord;
        w.SpWord = row.spanish;
        w.SvWord = row.swedish;
        w.SvForm = row.swedish;
        w.SpClass = row.wordClass;
        w.SvClass = row.wordClass;
        w.PersonNo = 0;
        w.FormCode = fc::kSingular;
        found = true;
        return;
    }
}

void LookupAcronymOrUnknown(TranslationState& s, std::string_view word, int position, bool& found) {
    if (!OpensWithCapital(word)) return;
    s.LookupWord = word;
    bool acronym = false;
    LookupAcronym(s, acronym);
    if (acronym) {
        StageAcronym(s, word);
    } else {
        StageName(s, word, position);
    }
    found = true;
}

bool StageAbbreviation(TranslationState& s, std::string_view word) {
    const Abbreviation* abbreviation = FindAbbreviation(word);
    if (abbreviation == nullptr) return false;
    s.StagedWord.SvWord = abbreviation->swedish;
    StageAcronym(s, word);
    return true;
}

void LowerFirstLetter(Str30& word, bool& changed) {
    std::string text(word.view());
    std::size_t i = 0;
    if (!text.empty() && (text[0] == '"' || text[0] == '\xA1' || text[0] == '\xBF')) i = 1;
    if (i >= text.size() || LowerOf(text[i]) == text[i]) return;
    text[i] = LowerOf(text[i]);
    word = text;
    changed = true;
}

}  // namespace quelvo
