#include "render/auxiliary_verbs.h"

#include <string>
#include <string_view>

#include "core/form_codes.h"
#include "lexicon/dictionary_format.h"
#include "render/emission.h"
#include "render/verb_word.h"
#include "render/verb_word_tests.h"
#include "swedish/verb_forms.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

Str30 VerbFormAfterAuxiliary(TranslationState& s, const WordNode& auxiliary, WordNode& verb, Str30 form) {
    if (HasFlag(verb.SvCode3, kSVerbFlag)) {
        SVerbForm(form, verb.FormCode);
        return form;
    }
    const int group = VerbGroupOf(verb.SvCode3);
    if (IsPresentCode(auxiliary.FormCode)) {
        verb.FormCode = fc::kPresent;
        PresentVerbForm(s, form, group, verb.FormCode);
    } else if (auxiliary.FormCode == fc::kSpecialImperfect || auxiliary.FormCode == fc::kImperfect) {
        verb.FormCode = fc::kImperfect;
        PastVerbForm(s, form, group, verb.FormCode);
    } else if (auxiliary.FormCode == fc::kSpecialConditional) {
        EmitAdded(s, "skulle", "hjv");
    }
    return form;
}

// A particle verb ("leta efter") takes its ending on the verb, not on the
// particle.
Str30 FormAfterAuxiliary(TranslationState& s, const WordNode& auxiliary, WordNode& verb) {
    const std::string_view whole = verb.SvWord.view();
    const std::size_t blank = whole.find(' ');
    const Str30 form = VerbFormAfterAuxiliary(s, auxiliary, verb, Str30(whole.substr(0, blank)));
    if (blank == std::string_view::npos) return form;
    return Str30(std::string(form.view()) + std::string(whole.substr(blank)));
}

}  // namespace

void EmitAuxiliaryAndVerb(TranslationState& s) {
    if (s.CurWord == nullptr) return;
    EmitAndRecord(s, ConjugatedForm(s), "hjv");
    TranslateVerbWord(s);
}

void EmitVerbAfterAuxiliary(TranslationState& s) {
    const WordNode* auxiliary = s.CurWord;
    if (auxiliary == nullptr) return;
    // Without a verb after it the auxiliary is the verb.
    if (auxiliary->Next == nullptr) return EmitConjugatedVerb(s);
    s.CurWord = auxiliary->Next;
    const Str30 form = FormAfterAuxiliary(s, *auxiliary, *s.CurWord);
    EmitAndRecord(s, form, "v");
}

}  // namespace quelvo
