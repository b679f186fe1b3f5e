// Three Spanish verbs with a following word that Swedish says with another
// verb: "recordar a" (påminna om), "tender a" (tendera att), "intentar" +
// infinitive (försöka). The Swedish verb is taken with its codes from the
// dictionary entry of that verb; without the entry nothing changes.
#include <array>
#include <string_view>

#include "lexicon/swedish_word_lookup.h"
#include "translate/verb_constructions.h"
#include "translate/verb_word.h"
#include "translate/verb_word_tests.h"

namespace quelvo {
namespace {

enum class Follower { PrepositionA, Infinitive };

struct ReplacedVerb {
    std::string_view spWord;
    Follower follower;
    std::string_view svWord;      // the Swedish dictionary word of the verb meant
    std::string_view nextSvWord;  // the Swedish word the following word takes; empty: unchanged
};

constexpr std::array kReplacedVerbs{
    ReplacedVerb{"recordar", Follower::PrepositionA, "p\xE5minna", "om"},
    ReplacedVerb{"tender", Follower::PrepositionA, "tendera", "att"},
    ReplacedVerb{"intentar", Follower::Infinitive, "f\xF6rs\xF6ka", ""},
};

bool Follows(const ReplacedVerb& v, const WordNode* next) {
    return v.follower == Follower::PrepositionA ? IsSpanish(next, "a") : IsInfinitive(next);
}

}  // namespace

void VerbOthers(TranslationState& s) {
    WordNode* w = s.CurWord;
    if (w == nullptr) return;
    for (const ReplacedVerb& v : kReplacedVerbs) {
        if (w->SpWord != v.spWord || !Follows(v, w->Next)) continue;
        bool found = false;
        LookupSwedishWord(s, v.svWord, found);
        if (!found) return;
        const WordFields& entry = s.StagedWord;
        SetSwedishVerb(*w, entry.SvWord, entry.SvCode1, entry.SvCode2, entry.SvCode3);
        w->SvCode4 = entry.SvCode4;
        if (!v.nextSvWord.empty()) w->Next->SvWord = v.nextSvWord;
        return;
    }
}

}  // namespace quelvo
