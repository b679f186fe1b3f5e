#include "morphology/late_subjects.h"

#include <string_view>

#include "core/form_codes.h"
#include "core/word_classes.h"
#include "morphology/class_tests.h"
#include "morphology/staging.h"

namespace quelvo {
namespace {

// Intransitive verbs whose subject Spanish readily puts after them.
constexpr std::string_view kLateSubjectVerbs[] = {
    "llegar",  "venir",    "salir",   "entrar",     "volver",   "regresar", "nacer",     "morir",
    "caer",    "crecer",   "aparecer", "desaparecer", "existir", "ocurrir", "suceder",   "pasar",
    "empezar", "comenzar", "terminar", "acabar",    "seguir",   "continuar", "quedar",   "faltar",
    "sobrar",  "bastar",   "subir",   "bajar",      "aumentar", "funcionar", "trabajar", "vivir",
    "sonar",   "abrir",    "cerrar",  "cambiar",    "durar",    "estallar", "surgir",    "llover",
};

// The words that open a clause before its verb.
constexpr std::string_view kClauseOpeners[] = {"que",  "cuando", "si",   "porque", "aunque",
                                               "mientras", "donde", "como", "pues", "y", "pero"};

// Nouns of time after the verb are no subject: "llegó el año pasado".
constexpr std::string_view kTimeNouns[] = {"d\xED" "a", "semana", "mes", "a\xF1o", "verano", "invierno", "oto\xF1o",
                                           "primavera", "ma\xF1" "ana", "tarde", "noche", "fin", "momento",
                                           "rato", "hora", "minuto", "siglo", "vez", "lunes", "martes",
                                           "mi\xE9rcoles", "jueves", "viernes", "s\xE1" "bado", "domingo", "enero",
                                           "febrero", "marzo", "abril", "mayo", "junio", "julio", "agosto",
                                           "septiembre", "octubre", "noviembre", "diciembre"};

constexpr int kThirdSingular = 3;
constexpr int kThirdPlural = 6;

bool Listed(std::string_view word, const auto& list) {
    for (const std::string_view w : list)
        if (w == word) return true;
    return false;
}

bool IsFiniteThirdPerson(const WordNode& w) {
    return IsAnyVerbClass(w.SpClass) && OneOf(w.PersonNo, {kThirdSingular, kThirdPlural});
}

// The last word of the verb group that starts at `verb` when its main verb
// is listed: "llega", "ha llegado", "va a llegar", "puede llegar"; else null.
WordNode* ListedVerbGroupEnd(WordNode& verb) {
    WordNode* main = &verb;
    WordNode* next = verb.Next;
    if (next != nullptr && next->SpWord == "a" && next->Next != nullptr && next->Next->FormCode == fc::kInfinitive)
        main = next->Next;
    else if (next != nullptr && (IsVerbClass(next->SpClass) || next->SpClass == wc::kPerfectParticiple) &&
             OneOf(next->FormCode, {fc::kInfinitive, fc::kParticiple}))
        main = next;
    return Listed(main->SpWord.view(), kLateSubjectVerbs) ? main : nullptr;
}

// "no" and "se" stay with their verb: "el tren no llega", "la puerta se abrió".
bool IsNegationOrSe(const WordNode& w) { return w.SpWord == "no" || w.SpText == "se"; }

// Nothing but adverbs, "no" and "se" between the verb and the start of its clause
// (the sentence's start, a comma, "¡" or a word that opens a clause).
bool OpensItsClause(const WordNode& verb) {
    for (const WordNode* w = verb.Prev; w != nullptr; w = w->Prev) {
        if (w->SpClass == wc::kAdverb || IsNegationOrSe(*w)) continue;
        if (w->SpClass == wc::kPunctuation) return w->SpWord != "\xBF";
        return Listed(w->SpWord.view(), kClauseOpeners);
    }
    return true;
}

bool OpensNounPhrase(const WordNode& w) {
    return IsDeterminerClass(w.SpClass) || OneOf(w.SpClass, {wc::kPossessive, wc::kProperName, wc::kNumeral});
}

// The last word of the subject noun phrase that starts at `first`, agreeing
// with a verb of `person`: its noun, an adjective after it, and a "de"
// complement; null when no such phrase starts there.
WordNode* SubjectEnd(WordNode* first, int person) {
    if (first == nullptr || !OpensNounPhrase(*first)) return nullptr;
    if (first->SpClass == wc::kProperName) return person == kThirdSingular ? first : nullptr;
    WordNode* noun = first->Next;
    while (noun != nullptr && OneOf(noun->SpClass, {wc::kAdjective, wc::kNumeral})) noun = noun->Next;
    if (noun == nullptr || noun->SpClass != wc::kNoun || Listed(noun->SpWord.view(), kTimeNouns)) return nullptr;
    if ((noun->FormCode == fc::kPlural) != (person == kThirdPlural)) return nullptr;
    WordNode* end = noun;
    if (end->Next != nullptr && end->Next->SpClass == wc::kAdjective) end = end->Next;
    while (end->Next != nullptr && OneOf(end->Next->SpWord.view(), {"de", "del"})) {
        WordNode* complement = end->Next->Next;
        while (complement != nullptr && complement->SpClass != wc::kNoun && complement->SpClass != wc::kProperName &&
               (IsDeterminerClass(complement->SpClass) || complement->SpClass == wc::kPossessive))
            complement = complement->Next;
        if (complement == nullptr || !OneOf(complement->SpClass, {wc::kNoun, wc::kProperName})) break;
        end = complement;
    }
    return end;
}

int PositionOf(const TranslationState& s, const WordNode& node) {
    int position = 1;
    for (const WordNode* w = s.WordList.Head; w != &node; w = w->Next) ++position;
    return position;
}

WordNode& NodeAt(const TranslationState& s, int position) {
    WordNode* w = s.WordList.Head;
    for (int i = 1; i < position; ++i) w = w->Next;
    return *w;
}

// Moves the words at positions [from, to] to start at position `at` (< from),
// each by exchanges with the word before it; the nodes stay, their words move.
void MoveBefore(TranslationState& s, int at, int from, int to) {
    WordNode* before = &NodeAt(s, from - 1);
    for (int word = from; word <= to; ++word, before = before->Next) {
        WordNode* node = before;
        for (int p = word - 1; p >= at + (word - from); --p, node = node->Prev) SwapWithNext(s, *node, p);
    }
}

}  // namespace

void FrontLateSubjects(TranslationState& s) {
    for (WordNode* verb = s.WordList.Head; verb != nullptr; verb = verb->Next) {
        if (!IsFiniteThirdPerson(*verb) || !OpensItsClause(*verb)) continue;
        WordNode* groupEnd = ListedVerbGroupEnd(*verb);
        if (groupEnd == nullptr) continue;
        // An adverb may stand between: "vive aquí mi abuela".
        WordNode* subject = groupEnd->Next;
        while (subject != nullptr && OneOf(subject->SpClass, {wc::kAdverb, wc::kAdvx})) subject = subject->Next;
        WordNode* subjectEnd = SubjectEnd(subject, verb->PersonNo);
        if (subjectEnd == nullptr) continue;
        // The subject goes before the verb's "no" and "se" too.
        const WordNode* groupStart = verb;
        while (groupStart->Prev != nullptr && IsNegationOrSe(*groupStart->Prev)) groupStart = groupStart->Prev;
        MoveBefore(s, PositionOf(s, *groupStart), PositionOf(s, *subject), PositionOf(s, *subjectEnd));
        verb = subjectEnd;  // the verb group now ends there
    }
}

}  // namespace quelvo
