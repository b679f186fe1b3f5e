#include "translate/auxiliary_verbs.h"

#include "core/bits.h"
#include "swedish/verb_forms.h"
#include "translate/verb_emission.h"
#include "translate/verb_word.h"
#include "translate/verb_word_tests.h"

namespace quelvo {
namespace {

constexpr int kSVerbBit = 7;         // set in SvCode3 of a verb whose dictionary form ends in "s"
constexpr std::uint16_t kSVerbGroup = 12;
constexpr std::uint16_t kGroupBits = 31;

// The present or past of a regular or irregular group; verbs without a group
// and s-verbs keep the form they have.
void FormTense(TranslationState& s, Str30& form, std::uint16_t code, int formCode) {
    const int group = VerbGroupOf(code);
    if (group == 0 || group == kSVerbGroup) return;
    MakeSwedishVerbForm(s, form, code, formCode);
}

Str30 FormAfterAuxiliary(TranslationState& s, const WordNode& auxiliary, WordNode& verb) {
    Str30 form = verb.SvWord;
    if (BitSet(verb.SvCode3, kSVerbBit)) {
        // The s-verb rule, whatever group the low bits name.
        MakeSwedishVerbForm(s, form, static_cast<std::uint16_t>((verb.SvCode3 & ~kGroupBits) | kSVerbGroup),
                            verb.FormCode);
        return form;
    }
    if (IsPresentCode(auxiliary.FormCode)) {
        verb.FormCode = 4;
        FormTense(s, form, verb.SvCode3, 4);
    } else if (auxiliary.FormCode == 460 || auxiliary.FormCode == 5) {
        verb.FormCode = 5;
        FormTense(s, form, verb.SvCode3, 5);
    } else if (auxiliary.FormCode == 476) {
        EmitAddedWord(s, "skulle", "hjv");
    }
    return form;
}

}  // namespace

void EmitAuxiliaryAndVerb(TranslationState& s) {
    const WordNode* auxiliary = s.CurWord;
    if (auxiliary == nullptr) return;
    Str30 form = auxiliary->SvWord;
    MakeSwedishVerbForm(s, form, auxiliary->SvCode3, auxiliary->FormCode);
    EmitForWord(s, form, "hjv");
    TranslateVerbWord(s);
}

void EmitVerbAfterAuxiliary(TranslationState& s) {
    const WordNode* auxiliary = s.CurWord;
    if (auxiliary == nullptr) return;
    // Without a verb after it the auxiliary is the verb.
    if (auxiliary->Next == nullptr) return EmitConjugatedVerb(s);
    s.CurWord = auxiliary->Next;
    const Str30 form = FormAfterAuxiliary(s, *auxiliary, *s.CurWord);
    EmitForWord(s, form, "v");
}

}  // namespace quelvo
