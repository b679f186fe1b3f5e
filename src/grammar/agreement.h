#pragma once
// Person agreement between subject, verb and object of a clause.
#include "core/translation_state.h"

namespace quelvo {

// Sets SubjectAgreement, VerbAgreement, ObjectAgreement and AgreementMode
// for phrases first..last from the person numbers of the sentence's words:
// mode 2 when only subject and verb agree, 3 when only object and verb
// agree, 1 otherwise.
void ComputeAgreement(TranslationState& s, int first, int last);

}  // namespace quelvo
