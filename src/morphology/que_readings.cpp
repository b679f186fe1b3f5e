#include "morphology/que_readings.h"

#include <string>

#include "morphology/class_tests.h"
#include "morphology/staging.h"

namespace quelvo {

void ResolveVerbsBeforeQue(TranslationState& s) {
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next) {
        if (!IsVerbClass(n->SpClass) || n->Next == nullptr || n->Next->SpWord != "que") continue;
        WordNode beforeQue = *n;
        beforeQue.SpWord = std::string(n->SpWord.view()) + " que";
        if (!LookupFormEntryFound(s, beforeQue)) continue;
        n->SvWord = s.StagedWord.SvWord;
        n->SvForm = s.StagedWord.SvWord;
        n->SvKey = s.StagedWord.SvKey;
        n->SvClass = s.StagedWord.SvClass;
        CopySvCodes(s.StagedWord, *n);
    }
}

}  // namespace quelvo
