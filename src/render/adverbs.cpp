// The "Adv" renderer and the adverb rule it shares with the phrase renderers.
#include "render/adverbs.h"

#include "render/phrase_progress.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

// "no es muy ...": "inte särskilt ...".
Str30 AdverbOf(const WordNode& word) {
    const WordNode* before = word.Prev != nullptr ? word.Prev->Prev : nullptr;
    if (word.SpWord == "muy" && before != nullptr && before->SpWord == "no") return "s\xE4rskilt";
    return word.SvWord;
}

}  // namespace

void EmitAdverb(TranslationState& s) {
    if (s.CurWord != nullptr) EmitAndRecord(s, AdverbOf(*s.CurWord), "adv");
}

void TranslateAdverb(TranslationState& s) { RenderCountedPhrase(s, EmitAdverb); }

}  // namespace quelvo
