#include "morphology/que_readings.h"

#include <string>

#include "morphology/class_tests.h"
#include "morphology/staging.h"

namespace quelvo {

void ResolveVerbsBeforeQue(TranslationState& s) {
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next) {
        if (IsVerbClass(n->SpClass) && n->Next != nullptr && n->Next->SpWord == "que")
            TakeFormEntryUnder(s, *n, std::string(n->SpWord.view()) + " que");
    }
}

}  // namespace quelvo
