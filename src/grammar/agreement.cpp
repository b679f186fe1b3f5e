#include "grammar/agreement.h"

#include "grammar/phrase_walk.h"

namespace quelvo {
namespace {

// The non-zero person numbers of the words, in sentence order.
void CollectAgreementValues(TranslationState& s) {
    s.AgreementValues.fill(0);
    s.AgreementCount = 0;
    for (int i = 1; i <= s.WordCount && s.AgreementCount < TranslationState::kAgreementSlots; ++i) {
        const int person = s.WordPersonNos.Get(i);
        if (person != 0) s.AgreementValues[static_cast<std::size_t>(++s.AgreementCount)] = person;
    }
}

int ValueAt(const TranslationState& s, int i) {
    return i >= 1 && i <= s.AgreementCount ? s.AgreementValues[static_cast<std::size_t>(i)] : 0;
}

int ModeOf(int subject, int verb, int object) {
    if (subject == verb) return object == verb ? 1 : 2;
    return object == verb ? 3 : 1;
}

}  // namespace

void ComputeAgreement(TranslationState& s, int first, int last) {
    CollectAgreementValues(s);
    s.SubjectAgreement = s.VerbAgreement = s.ObjectAgreement = 0;
    int i = 1;
    bool afterSubject = false;
    ForEachPhraseIn(s, first, last, [&](const PhraseAt& at) {
        const std::string_view tag = at.phrase->Tag;
        if (!afterSubject && TagIn(tag, {"NP", "Indf", "Subx"})) {
            s.SubjectAgreement = tag == "Subx" ? 3 : ValueAt(s, i);
            ++i;
            afterSubject = true;
        } else if (TagIn(tag, {"VP", "PVP"})) {
            s.VerbAgreement = ValueAt(s, i++);
        } else if (afterSubject && TagIn(tag, {"NP", "Subx"})) {
            s.ObjectAgreement = ValueAt(s, i++);
            afterSubject = false;
        }
    });
    s.AgreementMode = ModeOf(s.SubjectAgreement, s.VerbAgreement, s.ObjectAgreement);
}

}  // namespace quelvo
