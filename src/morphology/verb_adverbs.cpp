#include "morphology/verb_adverbs.h"

#include <array>
#include <string_view>

#include "morphology/class_tests.h"

namespace quelvo {
namespace {

struct VerbAdverb {
    std::string_view verb;    // the infinitive
    std::string_view adverb;  // the Spanish adverb
    std::string_view swedish;
};

constexpr std::array kVerbAdverbs{
    VerbAdverb{"conocer", "bien", "v\xE4l"},
    VerbAdverb{"recordar", "bien", "v\xE4l"},
};

bool IsClauseEnd(const WordNode& w) { return OneOf(w.SpClass, {wc::kPunctuation, wc::kComma, wc::kConjunction}); }

// The nearest verb before the adverb in its clause, or null.
const WordNode* VerbBefore(const WordNode& adverb) {
    for (const WordNode* w = adverb.Prev; w != nullptr && !IsClauseEnd(*w); w = w->Prev)
        if (IsVerbClass(w->SpClass) || w->SpClass == wc::kInfinitive) return w;
    return nullptr;
}

void ResolveVerbAdverb(WordNode& adverb) {
    const WordNode* verb = VerbBefore(adverb);
    if (verb == nullptr) return;
    for (const VerbAdverb& row : kVerbAdverbs) {
        if (adverb.SpWord != row.adverb || verb->SpWord != row.verb) continue;
        adverb.SvWord = row.swedish;
        adverb.SvForm = row.swedish;
        return;
    }
}

}  // namespace

void ResolveVerbAdverbs(TranslationState& s) {
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next)
        if (n->SpClass == wc::kAdverb) ResolveVerbAdverb(*n);
}

}  // namespace quelvo
