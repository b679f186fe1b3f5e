#include "morphology/tense_cues.h"

#include <algorithm>
#include <string_view>

namespace quelvo {
namespace {

constexpr int kPresentOrPreterite = 7;
constexpr int kPresent = 4;
constexpr int kPreterite = 6;

struct TenseCue {
    std::string_view word;  // as typed, in small letters
    int formCode;
};

// "pasado" and "pasada" stand for "el año pasado", "la semana pasada";
// "todos" for "todos los días".
constexpr TenseCue kTenseCues[] = {
    {"ayer", kPreterite},      {"anoche", kPreterite},     {"anteayer", kPreterite},
    {"pasado", kPreterite},    {"pasada", kPreterite},     {"hoy", kPresent},
    {"ahora", kPresent},       {"siempre", kPresent},      {"cada", kPresent},
    {"todos", kPresent},       {"nunca", kPresent},        {"normalmente", kPresent},
    {"generalmente", kPresent}, {"a menudo", kPresent},    {"ma\xF1" "ana", kPresent},
};

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

// The tense the first time word of the segment asks for; 0 without one.
int CuedTense(const TranslationState& s) {
    for (const WordNode* w = s.WordList.Head; w != nullptr; w = w->Next)
        for (const TenseCue& cue : kTenseCues)
            if (w->SpText == cue.word || HoldsWord(w->SpWord.view(), cue.word)) return cue.formCode;
    return 0;
}

}  // namespace

void ResolvePresentOrPast(TranslationState& s) {
    // The search for a cue costs more than the check that a word needs one.
    const auto needsCue = [](const WordNode* w) {
        for (; w != nullptr; w = w->Next)
            if (w->FormCode == kPresentOrPreterite) return true;
        return false;
    };
    if (!needsCue(s.WordList.Head)) return;
    const int tense = CuedTense(s);
    if (tense == 0) return;
    for (WordNode* w = s.WordList.Head; w != nullptr; w = w->Next)
        if (w->FormCode == kPresentOrPreterite) w->FormCode = tense;
}

}  // namespace quelvo
