// The "Prep" and "Prpx" renderers and the preposition rules they share with
// the phrase renderers.
#include "render/prepositions.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/form_codes.h"
#include "core/word_classes.h"
#include "lexicon/dictionary_format.h"
#include "render/before_clause.h"
#include "render/phrase_progress.h"
#include "render/verb_word.h"
#include "swedish/experiencer.h"
#include "swedish/period_nouns.h"
#include "swedish/verb_forms.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

// Nouns of a means or a chance: "para" + infinitive after them is the
// plain "att" ("tiempo para leer": tid att läsa), not the purpose "för att".
constexpr std::string_view kPlainAttNouns[] = {
    "tiempo", "dinero", "ganas", "fuerza", "ocasi\xF3n", "oportunidad", "posibilidad", "motivo",
    "raz\xF3n", "permiso", "derecho", "paciencia", "valor", "energ\xED" "a", "espacio", "sitio"};


// Nouns after which "de" before a proper name is left out (la ciudad de Lima).
constexpr std::array<std::string_view, 6> DePrevNouns{"pueblo", "ciudad", "zona", "mill\xF3n", "calle", "carril"};
// Counting nouns after which "de" is left out (un millón de ...).
constexpr std::array<std::string_view, 2> DeCountNouns{"mill\xF3n", "decena"};
constexpr std::array<std::string_view, 12> MonthNames{
    "enero", "febrero", "marzo", "abril", "mayo", "junio", "julio", "agosto", "septiembre", "octubre",
    "noviembre", "diciembre"};
// Words that place a period before or after now (los últimos días, el año pasado).
constexpr std::array<std::string_view, 3> RecentPeriodWords{"\xFAltimo", "pasado", "pr\xF3ximo"};
constexpr std::array<std::string_view, 4> DefiniteArticles{"el", "la", "los", "las"};
constexpr std::array<std::string_view, 3> ComparingWords{"m\xE1s", "menos", "mejor"};
constexpr std::array<std::string_view, 5> SuperlativeWords{"m\xE1s", "menos", "mejor", "peor", "mayor"};

template <std::size_t N>
bool IsIn(const std::array<std::string_view, N>& table, const WordNode* word) {
    return word != nullptr && std::find(table.begin(), table.end(), word->SpWord.view()) != table.end();
}

bool Is(const WordNode* word, std::string_view spWord) { return word != nullptr && word->SpWord == spWord; }
bool HasFormCode(const WordNode* word, int formCode) { return word != nullptr && word->FormCode == formCode; }
bool HasClass(const WordNode* word, int spClass) { return word != nullptr && word->SpClass == spClass; }

// The form codes of participles, after which "por" names the agent.
bool IsParticipleCode(int formCode) {
    return (formCode >= fc::kParticiple && formCode <= fc::kPastParticiple) || formCode == fc::kAgreeingParticiple || formCode == fc::kPluralParticiple || formCode == fc::kSpecialPreterite;
}

// The Swedish text of a preposition, or nothing when Swedish leaves it out.
struct Rendering {
    Str30 text;
    bool drop = false;
};

void RenderPor(WordNode& word, Rendering& r) {
    if (word.Prev != nullptr && IsParticipleCode(word.Prev->FormCode)) r.text = "av";
    if (HasFormCode(word.Next, fc::kInfinitive)) r.text = "f\xF6r att";
}

// A person a thing is meant for: a pronoun, a possessive with its noun, a
// name ("un regalo para ti": en present till dig).
// "su", which the analysis reads as the article, still names a person's own.
bool IsRecipient(const WordNode* w) {
    if (w == nullptr) return false;
    return w->SpClass == wc::kSubjectPronoun || w->SpClass == wc::kObjectPronoun ||
           w->SpClass == wc::kPossessive || w->SpClass == wc::kProperName || w->SpText == "su" ||
           w->SpText == "sus";
}

// After a verb ("es para ti") "för" serves as well.
void RenderPara(WordNode& word, Rendering& r) {
    if (word.Next == nullptr) return;
    const bool afterNoun = HasClass(word.Prev, wc::kNoun);
    if (word.Next->FormCode == fc::kInfinitive) r.text = TakesPlainAtt(word.Prev) ? "att" : "f\xF6r att";
    else r.text = afterNoun && IsRecipient(word.Next) ? "till" : "f\xF6r";
}

void RenderSin(WordNode& word, Rendering& r) {
    if (HasFormCode(word.Next, fc::kInfinitive)) r.text = "utan";
}

// The noun that a preposition governs: the first noun after it, over the
// article, determiners and adjectives before it.
const WordNode* GovernedNoun(const WordNode& preposition) {
    constexpr int kWordsBeforeNoun = 3;
    const WordNode* w = preposition.Next;
    for (int i = 0; w != nullptr && i <= kWordsBeforeNoun; ++i, w = w->Next) {
        if (w->SvClass == wc::kNoun) return w;
        if (w->SpClass == wc::kVerb || w->SpClass == wc::kPreposition) return nullptr;
    }
    return nullptr;
}

// "en" before a year (en 1990) has no Swedish counterpart; before a noun
// that Swedish places "på" (en la estación: på stationen) it is "på".
void RenderEn(WordNode& word, Rendering& r) {
    const WordNode* next = word.Next;
    if (next != nullptr && next->SpClass == wc::kNumeral && next->SpWord.size() == 4) {
        r.text.clear();
        r.drop = true;
        return;
    }
    const WordNode* noun = GovernedNoun(word);
    if (noun != nullptr && HasFlag(noun->SvCode3, kOnPlaceFlag)) r.text = "p\xE5";
}

void RenderSegun(WordNode& word, Rendering& r) {
    if (word.Next != nullptr) r.text = word.Next->SpClass == wc::kVerb ? "enligt vad" : "enligt";
}

bool IsProperName(const WordNode* word) {
    return HasClass(word, wc::kProperName) || HasClass(word, wc::kEgnx);
}

// "de" between two proper names is part of the name (Juan de Dios).
void KeepNameWithDe(WordNode& word, Rendering& r) {
    word.Prev->SvWord = word.Prev->SpText;
    word.Next->SvWord = word.Next->SpText;
    r.text = word.SpText;
}

// "de" after a verb that governs it (venir de: från, hablar de: om, salir
// de: lämna + object). An adverb may stand between.
const WordNode* GoverningVerb(const WordNode& de) {
    const WordNode* prev = de.Prev;
    if (HasClass(prev, wc::kAdverb)) prev = prev->Prev;
    return prev;
}

bool RenderGovernedDe(const WordNode& word, Rendering& r) {
    const WordNode* verb = GoverningVerb(word);
    if (verb == nullptr) return false;
    if (HasFlag(verb->SpCode3, kDeNoneFlag)) r.drop = true;
    else if (HasFlag(verb->SpCode3, kDeFromFlag)) r.text = "fr\xE5n";
    else if (HasFlag(verb->SpCode3, kDeAboutFlag)) r.text = "om";
    else return false;
    return true;
}

// What a container, measure or round number holds follows it directly
// (una taza de café, cientos de agricultores); "tres de mis amigos" keeps it.
bool FollowsMeasure(const WordNode& word) {
    const WordNode* prev = word.Prev;
    if (prev == nullptr) return false;
    return HasFlag(prev->SvCode3, kMeasureFlag) || (prev->SpClass == wc::kNumeral && HasClass(word.Next, wc::kNoun));
}

// "de" after a superlative names the place it holds in: "el río más largo
// del país" is "den längsta floden i landet"; a group stays "av".
bool AfterSuperlative(const WordNode& de) {
    constexpr int kWordsBack = 4;
    bool comparing = false;
    const WordNode* w = de.Prev;
    for (int i = 0; w != nullptr && i < kWordsBack; ++i, w = w->Prev) {
        if (IsIn(SuperlativeWords, w)) comparing = true;
        if (Is(w, "el") || Is(w, "la") || Is(w, "los") || Is(w, "las")) return comparing;
    }
    return false;
}

bool IsSingularPlace(const WordNode* w) { return Is(w, "el") || Is(w, "la") || IsProperName(w); }

// "de" that opens the sentence before a bare noun or adjective names a
// stage of life or a role: "De niña vivía en Sevilla" is "Som flicka ...".
bool OpensWithRole(const WordNode& de) {
    const WordNode* role = de.Next;
    if (de.Prev != nullptr || role == nullptr || role->Next == nullptr) return false;
    const bool bare = role->SvClass == wc::kNoun || role->SvClass == wc::kAdjective;
    const WordNode* after = role->Next;
    return bare && (after->SpWord == "," || after->SvClass == wc::kVerb || after->SpClass == wc::kVerb);
}

// A person noun: its Swedish entry is male or female.
bool IsPersonNoun(const WordNode* w) {
    return w != nullptr && w->SvClass == wc::kNoun && (w->Gender == 'm' || w->Gender == 'f');
}

// The possessor after "de" is a person: a name, or a person noun after an
// article or a possessive ("de mi hermano", "de la vecina").
bool IsPersonPossessor(const WordNode* w) {
    if (IsProperName(w)) return true;
    if (w == nullptr) return false;
    const bool determined = w->SpClass == wc::kPossessive || w->SpClass == wc::kDeterminer || w->SpClass == wc::kDeterminerPronoun;
    return determined && IsPersonNoun(w->Next);
}

// "un amigo de mi hermano": one person related to another is "till"
// ("en vän till min bror"); a definite head takes the genitive instead.
bool RelatesPersons(const WordNode& de) {
    if (!IsPersonNoun(de.Prev) || IsSingularPlace(de.Prev->Prev)) return false;
    return !Is(de.Prev->Prev, "los") && !Is(de.Prev->Prev, "las") && IsPersonPossessor(de.Next);
}

// The last of the remaining cases that applies wins.
void RenderOrdinaryDe(const WordNode& word, Rendering& r) {
    const WordNode* next = word.Next;
    if (RelatesPersons(word)) r.text = "till";
    if (AfterSuperlative(word) && IsSingularPlace(next)) r.text = "i";
    if (Is(next, "el") && Is(next->Next, "siglo")) r.text = "fr\xE5n";
    if (IsIn(ComparingWords, word.Prev)) r.text = "\xE4n";
    if (HasFormCode(next, fc::kInfinitiveClassNumber)) r.text = "i";
}

bool IsPeriod(const WordNode* w) { return w != nullptr && w->SpClass == wc::kNoun && IsPeriodNoun(w->SvWord.view()); }

// After the article: "los últimos cincuenta años", "el año pasado".
bool IsPlacedPeriod(const WordNode* w) {
    constexpr int kMaxWordsBeforePeriod = 2;
    bool placed = false;
    for (int i = 0; w != nullptr && i < kMaxWordsBeforePeriod && !IsPeriod(w); ++i, w = w->Next) {
        if (w->SpClass != wc::kNumeral && !IsIn(RecentPeriodWords, w)) return false;
        placed = placed || IsIn(RecentPeriodWords, w);
    }
    return IsPeriod(w) && (placed || IsIn(RecentPeriodWords, w->Next));
}

bool FollowsNoun(const WordNode& de) { return de.Prev != nullptr && (de.Prev->ClassTag == "n" || de.Prev->ClassTag == "adj"); }

// "de" between a thing and the period it happened in: "las lluvias de los
// últimos días" is "regnet under de senaste dagarna".
bool NamesPeriod(const WordNode& de) {
    return FollowsNoun(de) && IsIn(DefiniteArticles, de.Next) && IsPlacedPeriod(de.Next->Next);
}

// An adverbial of several words ("del mes pasado": förra månaden, "de todos
// los días": varje dag, "de al lado": bredvid) follows its noun without a
// preposition.
bool NamesTimeWords(const WordNode& de) { return FollowsNoun(de) && HasClass(de.Next, wc::kAdvx); }

void RenderDe(WordNode& word, Rendering& r) {
    const WordNode* prev = word.Prev;
    const WordNode* next = word.Next;
    if (IsIn(DePrevNouns, prev) && IsProperName(next)) {
        r.drop = true;
    } else if (next != nullptr && Is(next->Next, "a")) {
        r.text = "fr\xE5n";
    } else if (IsIn(MonthNames, next) || IsIn(DeCountNouns, prev) || FollowsMeasure(word)) {
        r.drop = true;
    } else if (HasFormCode(next, fc::kInfinitive)) {
        r.text = "att";
    } else if (HasClass(prev, wc::kProperName) && HasClass(next, wc::kProperName)) {
        KeepNameWithDe(word, r);
    } else if (OpensWithRole(word)) {
        r.text = "som";
    } else if (NamesPeriod(word)) {
        r.text = "under";
    } else if (NamesTimeWords(word)) {
        r.drop = true;
    } else if (prev != nullptr && prev->SvClass == wc::kNoun && HasFlag(prev->SvCode3, kDeOnFlag)) {
        r.text = "p\xE5";
    } else if (prev != nullptr && prev->SvClass == wc::kNoun && HasFlag(prev->SvCode3, kDeToFlag)) {
        r.text = "till";
    } else if (!RenderGovernedDe(word, r)) {
        RenderOrdinaryDe(word, r);
    }
}

// A word whose Spanish code has its two lowest bits set takes what follows
// without "a".
bool TakesObjectWithoutA(const WordNode* word) { return word != nullptr && HasFlag(word->SpCode3, kDropAFlag); }

// The word before "a", past the adverbs that stand before a noun object
// ("conozco muy bien a tu padre").
const WordNode* BeforeA(const WordNode& word) {
    const WordNode* before = word.Prev;
    if (word.Next == nullptr || word.Next->FormCode == fc::kInfinitive) return before;
    while (before != nullptr && before->SpClass == wc::kAdverb) before = before->Prev;
    return before;
}

void RenderA(WordNode& word, Rendering& r) {
    if (TakesObjectWithoutA(BeforeA(word)) || Is(word.Next, "cerca de") || Is(word.Next, "unos") ||
        Is(word.Next, "unas") || NamesExperiencer(&word)) {
        // "a mí me duele": the stressed pronoun is said as the subject.
        if (const std::string_view subject = StressedSubject(word.Next); !subject.empty() && NamesExperiencer(&word))
            word.Next->SvWord = subject;
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

// "después de" before an infinitive takes the infinitive along as a supine
// (efter att ha ätit); "antes de" makes a clause of it (innan jag äter).
struct InfinitiveConstruction {
    std::string_view spWord;
    std::string_view swedish;
    std::string_view tag;
};

constexpr std::array<InfinitiveConstruction, 2> InfinitiveConstructions{{
    {"despu\xE9s de", "efter att ha", "prpx"},
    {"antes de", "innan", "prep"},
}};

const InfinitiveConstruction* ConstructionOf(const TranslationState& s) {
    const WordNode* word = s.CurWord;
    if (!HasFormCode(word->Next, fc::kInfinitive) || !NextPhraseIsOneWord(s)) return nullptr;
    for (const InfinitiveConstruction& row : InfinitiveConstructions)
        if (word->SpWord == row.spWord) return &row;
    return nullptr;
}

void EmitSupine(TranslationState& s) {
    WordNode& verb = *s.CurWord;
    verb.FormCode = fc::kSupine;
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
    if (s.CurWord->SpWord == "antes de") {
        EmitBeforeClause(s, construction->tag);
        AdvancePhrase(s);
        EmitFormedVerb(s, "v");
        return;
    }
    EmitCounted(s, s.CurWord->SpWord, construction->swedish, construction->tag);
    AdvanceWord(s);
    AdvancePhrase(s);
    EmitSupine(s);
}

}  // namespace

bool TakesPlainAtt(const WordNode* noun) {
    if (!HasClass(noun, wc::kNoun)) return false;
    return std::find(std::begin(kPlainAttNouns), std::end(kPlainAttNouns), noun->SpWord.view()) != std::end(kPlainAttNouns);
}

bool IsOrdinaryDe(WordNode& de) {
    if (de.SpWord != "de" || (HasClass(de.Prev, wc::kProperName) && HasClass(de.Next, wc::kProperName)))
        return false;
    Rendering r{de.SvWord};
    RenderDe(de, r);
    return !r.drop && r.text == de.SvWord;
}

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
