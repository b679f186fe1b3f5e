#include "morphology/head_gender.h"

#include "morphology/class_tests.h"

namespace quelvo {
namespace {

bool IsNoun(const WordNode& w) { return w.SvClass == wc::kNoun; }

bool IsVerbWord(const WordNode& w) {
    return w.SvClass == wc::kVerb || w.SpClass == wc::kAuxiliary || IsVerbClass(w.SpClass);
}

// Words that may stand between "de" and its noun (de la, de mi, de dos, de los viejos).
bool IsNounModifier(const WordNode& w) {
    return IsDeterminerClass(w.SpClass) ||
           OneOf(w.SpClass, {wc::kPossessive, wc::kNumeral, wc::kAdjective, wc::kIndefinite});
}

bool IsDeComplement(const WordNode& noun) {
    const WordNode* w = noun.Prev;
    while (w != nullptr && IsNounModifier(*w)) w = w->Prev;
    return w != nullptr && OneOf(w->SpWord.view(), {"de", "del"});
}

}  // namespace

void CarryHeadNounGender(TranslationState& s) {
    char head = 0;
    bool complement = false;
    bool afterVerb = false;
    for (WordNode* w = s.WordList.Head; w != nullptr; w = w->Next) {
        if (IsNoun(*w)) {
            complement = head != 0 && IsDeComplement(*w);
            if (!complement) head = w->Gender;
            afterVerb = false;
            continue;
        }
        if (!complement) continue;
        afterVerb = afterVerb || IsVerbWord(*w);
        if (afterVerb) w->Gender = head;
    }
}

}  // namespace quelvo
