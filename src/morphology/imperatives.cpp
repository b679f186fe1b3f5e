#include "morphology/imperatives.h"

#include "core/form_codes.h"
#include "core/word_classes.h"
#include "lexicon/lookups.h"
#include "morphology/class_tests.h"
#include "morphology/staging.h"

namespace quelvo {
namespace {

struct ListedImperative {
    std::string_view imperative;
    std::string_view infinitive;
};

// Second person imperatives that no ending gives. "ve", "sal" and "sé" are
// left out: as the first word they are more often "ver", the noun "sal" and
// "saber".
constexpr ListedImperative kListedImperatives[] = {
    {"di", "decir"}, {"haz", "hacer"}, {"pon", "poner"}, {"ten", "tener"}, {"ven", "venir"},
};

constexpr int kPresent = 4;
constexpr int kPresentSubjunctive = 20;

// The present of "él" (cierra, come) is the form of the familiar order; the
// present subjunctive of "usted" and "ustedes" (cierre, cierren) the polite one.
bool ReadsAsOrder(int formCode, int person) {
    if (formCode == kPresent) return person == 3;
    if (formCode == kPresentSubjunctive) return person == 1 || person == 3 || person == 6;
    return false;
}

void MakeImperative(WordNode& verb) {
    verb.FormCode = fc::kImperative;
    verb.PersonNo = 2;
}

// Verbs after which a determiner is no sign of an order: the noun phrase is
// their subject ("queda un día", "falta agua"), or they are hardly ever
// ordered ("necesita un coche").
constexpr std::string_view kSubjectAfterVerbs[] = {
    "quedar", "faltar", "sobrar",  "bastar", "existir",  "aparecer", "llegar",   "venir",
    "ocurrir", "pasar", "suceder", "importar", "doler",  "parecer",  "costar",   "valer",
    "empezar", "comenzar", "terminar", "necesitar", "querer", "deber", "poder", "saber", "soler",
};

bool TakesSubjectAfter(const WordNode& verb) {
    for (const std::string_view word : kSubjectAfterVerbs)
        if (verb.SpWord == word) return true;
    return false;
}

// What tells an order from a statement without a subject ("Vive en Madrid"):
// an opening "¡" or a closing "!", "por favor", or an object right after the
// verb (a pronoun, a possessive, an indefinite, an article or a demonstrative).
bool IsOrder(const WordNode& verb) {
    if (SpWordOf(verb.Prev) == "\xA1") return true;
    const WordNode* next = verb.Next;
    const bool objectNext = next != nullptr && OneOf(next->SpClass, {12, 13, 15, 47, 48});
    if (next != nullptr && IsObjectPronounText(next->SpText.view())) return true;
    if (objectNext && !TakesSubjectAfter(verb)) return true;
    for (const WordNode* w = &verb; w != nullptr; w = w->Next)
        if (w->SpWord == "!" || w->SpWord == "por favor") return true;
    return false;
}

WordNode* WordAt(const TranslationState& s, int position) {
    WordNode* w = s.WordList.Head;
    for (int i = 1; w != nullptr && i < position; ++i) w = w->Next;
    return w;
}

// The infinitive the listed imperative stands for; empty for other words.
std::string_view ListedInfinitive(std::string_view word) {
    for (const ListedImperative& row : kListedImperatives)
        if (row.imperative == word) return row.infinitive;
    return {};
}

// The listed imperative `word` staged as its verb; false for other words.
bool StageListedImperative(TranslationState& s, std::string_view word) {
    const std::string_view infinitive = ListedInfinitive(word);
    if (infinitive.empty()) return false;
    s.LookupWord = infinitive;
    bool found = false;
    LookupSpanishWord(s, found);
    return found;
}

// A word of another class than a noun ("nada", "se") is read as it is.
bool MayBeOrder(TranslationState& s, std::string_view word) {
    s.LookupWord = word;
    bool found = false;
    LookupSpanishWord(s, found);
    return !found || s.StagedWord.SpClass == wc::kNoun ||
           Between(s.StagedWord.SpClass, wc::kNounAdjective, wc::kNounPossessive);
}

}  // namespace

bool IsObjectPronounText(std::string_view text) {
    return OneOf(text, {"me", "te", "se", "lo", "la", "le", "nos", "os", "los", "las", "les"});
}

bool StageOpeningImperative(TranslationState& s, std::string_view word, std::string_view nextWord) {
    const bool listed = !ListedInfinitive(word).empty();
    const bool beforePronoun = IsObjectPronounText(nextWord) && MayBeOrder(s, word);
    if (!(listed || beforePronoun) || !IsImperativeStem(s, word)) return false;
    s.StagedWord.SvForm = s.StagedWord.SvWord;
    s.StagedWord.FormCode = fc::kImperative;
    s.StagedWord.PersonNo = 2;
    return true;
}

bool IsImperativeStem(TranslationState& s, std::string_view stem) {
    if (StageListedImperative(s, stem)) return true;
    bool found = false;
    ReanalyseVerb(s, Str30(stem), found);
    return found && IsVerbClass(s.StagedWord.SpClass) && ReadsAsOrder(s.StagedWord.FormCode, s.StagedWord.PersonNo);
}

void ResolveImperatives(TranslationState& s) {
    WordNode* first = WordAt(s, s.OpeningPosition);
    if (first == nullptr || SpWordOf(first->Prev) == "\xBF" || first->FormCode == fc::kImperative) return;
    WordNode& verb = *first;
    if (!IsVerbClass(verb.SpClass) || !ReadsAsOrder(verb.FormCode, verb.PersonNo)) return;
    // The polite form is an order wherever it opens a sentence; the familiar
    // one needs a cue.
    if (verb.FormCode == kPresentSubjunctive || IsOrder(verb)) MakeImperative(verb);
}

}  // namespace quelvo
