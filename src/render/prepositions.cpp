// The "Prep" and "Prpx" renderers and the preposition rules they share with
// the phrase renderers.
#include "render/prepositions.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "lexicon/dictionary_format.h"
#include "render/phrase_progress.h"
#include "swedish/verb_forms.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

constexpr int kInfinitive = 19;
constexpr int kSupine = 13;
constexpr int kNumeralClass = 6;
constexpr int kVerbClass = 3;
constexpr int kProperNameClass = 16;
constexpr int kProperNameCompoundClass = 95;

// Nouns after which "de" before a proper name is left out (la ciudad de Lima).
constexpr std::array<std::string_view, 6> DePrevNouns{"pueblo", "ciudad", "zona", "mill\xF3n", "calle", "carril"};
// Counting nouns after which "de" is left out (un millón de ...).
constexpr std::array<std::string_view, 2> DeCountNouns{"mill\xF3n", "decena"};
constexpr std::array<std::string_view, 12> MonthNames{
    "enero", "febrero", "marzo", "abril", "mayo", "junio", "julio", "agosto", "septiembre", "octubre",
    "noviembre", "diciembre"};
constexpr std::array<std::string_view, 3> ComparingWords{"m\xE1s", "menos", "mejor"};

template <std::size_t N>
bool IsIn(const std::array<std::string_view, N>& table, const WordNode* word) {
    return word != nullptr && std::find(table.begin(), table.end(), word->SpWord.view()) != table.end();
}

bool Is(const WordNode* word, std::string_view spWord) { return word != nullptr && word->SpWord == spWord; }
bool HasFormCode(const WordNode* word, int formCode) { return word != nullptr && word->FormCode == formCode; }
bool HasClass(const WordNode* word, int spClass) { return word != nullptr && word->SpClass == spClass; }

// The form codes of participles, after which "por" names the agent.
bool IsParticipleCode(int formCode) {
    return (formCode >= 10 && formCode <= 15) || formCode == 33 || formCode == 34 || formCode == 470;
}

// The Swedish text of a preposition, or nothing when Swedish leaves it out.
struct Rendering {
    Str30 text;
    bool drop = false;
};

void RenderPor(WordNode& word, Rendering& r) {
    if (word.Prev != nullptr && IsParticipleCode(word.Prev->FormCode)) r.text = "av";
    if (HasFormCode(word.Next, kInfinitive)) r.text = "f\xF6r att";
}

void RenderPara(WordNode& word, Rendering& r) {
    if (word.Next != nullptr) r.text = word.Next->FormCode == kInfinitive ? "f\xF6r att" : "f\xF6r";
}

void RenderSin(WordNode& word, Rendering& r) {
    if (HasFormCode(word.Next, kInfinitive)) r.text = "utan";
}

// "en" before a year (en 1990) has no Swedish counterpart.
void RenderEn(WordNode& word, Rendering& r) {
    const WordNode* next = word.Next;
    if (next != nullptr && next->SpClass == kNumeralClass && next->SpWord.size() == 4) {
        r.text.clear();
        r.drop = true;
    }
}

void RenderSegun(WordNode& word, Rendering& r) {
    if (word.Next != nullptr) r.text = word.Next->SpClass == kVerbClass ? "enligt vad" : "enligt";
}

bool IsProperName(const WordNode* word) {
    return HasClass(word, kProperNameClass) || HasClass(word, kProperNameCompoundClass);
}

// "de" between two proper names is part of the name (Juan de Dios).
void KeepNameWithDe(WordNode& word, Rendering& r) {
    word.Prev->SvWord = word.Prev->SpText;
    word.Next->SvWord = word.Next->SpText;
    r.text = word.SpText;
}

// The last of the remaining cases that applies wins.
void RenderOrdinaryDe(const WordNode& word, Rendering& r) {
    const WordNode* next = word.Next;
    if (Is(next, "el") && Is(next->Next, "siglo")) r.text = "fr\xE5n";
    if (IsIn(ComparingWords, word.Prev)) r.text = "\xE4n";
    if (HasFormCode(next, 99)) r.text = "i";
}

void RenderDe(WordNode& word, Rendering& r) {
    const WordNode* prev = word.Prev;
    const WordNode* next = word.Next;
    if (IsIn(DePrevNouns, prev) && IsProperName(next)) {
        r.drop = true;
    } else if (next != nullptr && Is(next->Next, "a")) {
        r.text = "fr\xE5n";
    } else if (IsIn(MonthNames, next) || IsIn(DeCountNouns, prev)) {
        r.drop = true;
    } else if (HasFormCode(next, kInfinitive)) {
        r.text = "att";
    } else if (HasClass(prev, kProperNameClass) && HasClass(next, kProperNameClass)) {
        KeepNameWithDe(word, r);
    } else {
        RenderOrdinaryDe(word, r);
    }
}

// A word whose Spanish code has its two lowest bits set takes what follows
// without "a".
bool TakesObjectWithoutA(const WordNode* word) { return word != nullptr && HasFlag(word->SpCode3, kDropAFlag); }

void RenderA(WordNode& word, Rendering& r) {
    if (TakesObjectWithoutA(word.Prev) || Is(word.Next, "cerca de") || Is(word.Next, "unos") ||
        Is(word.Next, "unas")) {
        r.text.clear();
        r.drop = true;
    }
}

struct PrepositionRule {
    std::string_view spWord;
    void (*apply)(WordNode& word, Rendering& r);
};

constexpr std::array<PrepositionRule, 7> PrepositionRules{{
    {"por", RenderPor},
    {"para", RenderPara},
    {"sin", RenderSin},
    {"en", RenderEn},
    {"seg\xFAn", RenderSegun},
    {"de", RenderDe},
    {"a", RenderA},
}};

// "después de" and "antes de" before an infinitive take the infinitive
// along as a supine (efter att ha ätit, innan man har ätit).
struct InfinitiveConstruction {
    std::string_view spWord;
    std::string_view swedish;
    std::string_view tag;
};

constexpr std::array<InfinitiveConstruction, 2> InfinitiveConstructions{{
    {"despu\xE9s de", "efter att ha", "prpx"},
    {"antes de", "innan man har", "prep"},
}};

const InfinitiveConstruction* ConstructionOf(const TranslationState& s) {
    const WordNode* word = s.CurWord;
    if (!HasFormCode(word->Next, kInfinitive) || !NextPhraseIsOneWord(s)) return nullptr;
    for (const InfinitiveConstruction& row : InfinitiveConstructions)
        if (word->SpWord == row.spWord) return &row;
    return nullptr;
}

void EmitSupine(TranslationState& s) {
    WordNode& verb = *s.CurWord;
    verb.FormCode = kSupine;
    Str30 form = verb.SvWord;
    MakeSwedishVerbForm(s, form, verb.SvCode3, verb.FormCode);
    EmitAndRecord(s, form, "v");
}

void RenderPrepInfinitive(TranslationState& s) {
    const InfinitiveConstruction* construction = ConstructionOf(s);
    if (construction == nullptr) {
        EmitAndRecord(s, s.CurWord->SvWord, "prep");
        return;
    }
    EmitCounted(s, s.CurWord->SpWord, construction->swedish, construction->tag);
    AdvanceWord(s);
    AdvancePhrase(s);
    EmitSupine(s);
}

}  // namespace

void EmitPreposition(TranslationState& s) {
    if (s.CurWord == nullptr) return;
    WordNode& word = *s.CurWord;
    Rendering r{word.SvWord};
    for (const PrepositionRule& rule : PrepositionRules)
        if (word.SpWord == rule.spWord) rule.apply(word, r);
    if (r.drop) AdvanceWord(s);
    else EmitAndRecord(s, r.text, "prep");
}

void TranslatePreposition(TranslationState& s) { RenderCountedPhrase(s, EmitPreposition); }

void TranslatePrepInfinitive(TranslationState& s) { RenderCountedPhrase(s, RenderPrepInfinitive); }

}  // namespace quelvo
