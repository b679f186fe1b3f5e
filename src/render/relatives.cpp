// The renderers of relative and interrogative words ("Relx", "Rel").
#include "render/relatives.h"

#include "render/phrase_progress.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

bool Is(const WordNode* word, std::string_view spWord) { return word != nullptr && word->SpWord == spWord; }

// "lo que": "vilket" after a comma, "det som" after "con".
Str30 RelxOf(const WordNode& word) {
    if (word.SpWord != "lo que") return word.SvWord;
    if (word.Prev != nullptr && word.Prev->ClassTag == "komma") return "vilket";
    if (Is(word.Prev, "con")) return "det som";
    return "det (som)";
}

// "es quien": "den som".
Str30 RelativeOf(const WordNode& word) {
    if (word.SpWord == "quien" && Is(word.Prev, "ser")) return "den som";
    return word.SvWord;
}

}  // namespace

void TranslateRelx(TranslationState& s) {
    RenderCountedPhrase(s, [](TranslationState& st) { EmitAndRecord(st, RelxOf(*st.CurWord), "relx"); });
}

void TranslateRelative(TranslationState& s) {
    RenderCountedPhrase(s, [](TranslationState& st) { EmitAndRecord(st, RelativeOf(*st.CurWord), "relx"); });
}

}  // namespace quelvo
