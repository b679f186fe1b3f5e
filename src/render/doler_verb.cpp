#include "render/doler_verb.h"

#include <cstdint>

#include "render/verb_word_tests.h"
#include "swedish/experiencer.h"
#include "swedish/verb_forms.h"

namespace quelvo {
namespace {

constexpr std::uint16_t kHaGroup = 9;  // "ha" is of the irregular verb group

bool IsMuch(const WordNode* w) { return IsSpanish(w, "mucho") || IsSpanish(w, "mucha"); }

// "no me duele nada": the negation went into "nada" and the "no" says
// nothing; "någonstans" then needs it back.
bool NegationFolded(const WordNode& doler) {
    const WordNode* no = PrevOf(doler.Prev);
    return IsSpanish(no, "no") && no->SvWord.empty();
}

}  // namespace

void VerbDoler(TranslationState& s) {
    WordNode* w = s.CurWord;
    if (w == nullptr) return;
    if (ExperiencerSubject(w->Prev).empty()) return EmitParticleVerb(s);
    WordNode* ache = w;
    // "me duele mucho la cabeza": "mycket" goes before "ont".
    if (IsMuch(w->Next)) {
        ache = w->Next;
        w->SvWord = "ha";
    }
    // "¿te duele algo?", "no me duele nada": "ont någonstans", no thing named.
    const bool anywhere = IsSpanish(ache->Next, "algo") || IsSpanish(ache->Next, "nada");
    if (anywhere) ache->Next->SvWord = "n\xE5gonstans";
    Str30 particle = ache == w ? "ha " : "";
    if (IsSpanish(ache->Next, "nada") && NegationFolded(*w)) particle += "inte ";
    particle += ache == w ? "ont" : "mycket ont";
    if (HasClassTag(ache->Next, {"det", "poss"})) particle += " i";
    ache->SvWord = particle;
    w->SvCode3 = kHaGroup;
    EmitParticleVerb(s);
}

}  // namespace quelvo
