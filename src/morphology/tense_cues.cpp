#include "morphology/tense_cues.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "core/form_codes.h"
#include "core/word_classes.h"
#include "morphology/class_tests.h"
#include "morphology/verb_routines.h"

namespace quelvo {
namespace {

struct TenseCue {
    std::string_view word;  // as typed, in small letters
    int formCode;
};

// "pasado" and "pasada" stand for "el año pasado", "la semana pasada";
// "todos" for "todos los días"; an expression is matched in its dictionary
// forms ("a vez" is "a veces").
constexpr TenseCue kTenseCues[] = {
    {"ayer", fc::kPreterite},         {"anoche", fc::kPreterite},       {"anteayer", fc::kPreterite},
    {"anteanoche", fc::kPreterite},   {"pasado", fc::kPreterite},       {"pasada", fc::kPreterite},
    {"hoy", fc::kPresent},            {"ahora", fc::kPresent},          {"siempre", fc::kPresent},
    {"cada", fc::kPresent},           {"todos", fc::kPresent},          {"todas", fc::kPresent},
    {"nunca", fc::kPresent},          {"normalmente", fc::kPresent},    {"generalmente", fc::kPresent},
    {"a menudo", fc::kPresent},       {"ma\xF1" "ana", fc::kPresent},   {"actualmente", fc::kPresent},
    {"a vez", fc::kPresent},          {"todav\xED" "a", fc::kPresent},     {"frecuentemente", fc::kPresent},
    {"habitualmente", fc::kPresent},  {"pronto", fc::kPresent},         {"de vez en cuando", fc::kPresent},
};

// The tenses of another finite verb of the sentence that tell the time of
// the whole: "cuando llegábamos, cenamos" is the past.
constexpr int kPastForms[] = {fc::kImperfect, fc::kPreterite, fc::kSpecialImperfect, fc::kSpecialPreterite};
constexpr int kPresentForms[] = {fc::kPresent, fc::kSpecialPresent, fc::kSpecialPresent2, fc::kFuture, fc::kSpecialFuture};

template <std::size_t N>
bool Listed(const int (&list)[N], int value) {
    return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

// Whether `words` (one word, or an expression such as "el año pasado")
// holds `cue` as a word of its own.
bool HoldsWord(std::string_view words, std::string_view cue) {
    for (std::size_t start = 0; start <= words.size();) {
        const std::size_t end = std::min(words.find(' ', start), words.size());
        if (words.substr(start, end - start) == cue) return true;
        start = end + 1;
    }
    return false;
}

// The tense the first time word of the segment asks for ("hace dos años"
// the past); 0 without one.
int CuedTense(const TranslationState& s) {
    for (const WordNode* w = s.WordList.Head; w != nullptr; w = w->Next) {
        if (StartsTimeAgo(w)) return fc::kPreterite;
        for (const TenseCue& cue : kTenseCues)
            if (w->SpText == cue.word || w->SpWord == cue.word || HoldsWord(w->SpWord.view(), cue.word)) return cue.formCode;
    }
    return 0;
}

// The tense of the first other finite verb of the segment that says its
// time plainly; 0 without one.
int VerbTense(const TranslationState& s) {
    for (const WordNode* w = s.WordList.Head; w != nullptr; w = w->Next) {
        const bool finite = (IsVerbClass(w->SpClass) || w->SpClass == wc::kAuxiliary) && Between(w->PersonNo, 1, 6);
        if (!finite) continue;
        if (Listed(kPastForms, w->FormCode)) return fc::kPreterite;
        if (Listed(kPresentForms, w->FormCode)) return fc::kPresent;
    }
    return 0;
}

}  // namespace

void ResolvePresentOrPast(TranslationState& s) {
    // The search for a cue costs more than the check that a word needs one.
    const auto needsCue = [](const WordNode* w) {
        for (; w != nullptr; w = w->Next)
            if (w->FormCode == fc::kPresentOrPreterite) return true;
        return false;
    };
    if (!needsCue(s.WordList.Head)) return;
    int tense = CuedTense(s);
    if (tense == 0) tense = VerbTense(s);
    // Without a cue the present is the plain reading: "trabajamos en Madrid".
    if (tense == 0) tense = fc::kPresent;
    for (WordNode* w = s.WordList.Head; w != nullptr; w = w->Next)
        if (w->FormCode == fc::kPresentOrPreterite) w->FormCode = tense;
}

}  // namespace quelvo
