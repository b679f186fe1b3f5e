// The resolvers of prepositions that are also nouns, and of indefinites.
#include "core/form_codes.h"
#include "core/word_classes.h"
#include "lexicon/lookups.h"
#include "morphology/class_resolvers.h"
#include "morphology/class_tests.h"
#include "morphology/staging.h"

namespace quelvo {
namespace {

struct NounOfPreposition {
    std::string_view spanish;
    std::string_view swedish;
    std::uint16_t svCode2;
};

// After a determiner these prepositions are nouns.
constexpr NounOfPreposition kPrepositionNouns[] = {
    {"v\xED" "a", "v\xE4g", 4100},
    {"sobre", "kuvert", 6155},
};

void TakeNoun(TranslationState& s, WordNode& node, int position, const NounOfPreposition& noun) {
    node.SvWord = noun.swedish;
    node.SvClass = wc::kNoun;
    node.Gender = 'n';
    node.SvCode1 = 1;
    node.SvCode2 = noun.svCode2;
    SetTag(s, position, "n");
}

void IndefiniteReading(TranslationState& s, WordNode& node, int position, std::string_view swedish) {
    node.SvWord = swedish;
    node.SvClass = wc::kIndefinite;
    SetTag(s, position, "indf");
}

// "todo": "allt", "alla", or "hela" before a name or a singular determiner.
void ResolveTodo(TranslationState& s, WordNode& node, int position) {
    const WordNode* next = node.Next;
    node.SvClass = wc::kIndefinite;
    SetTag(s, position, "indf");
    if (node.FormCode < fc::kPlural) node.SvWord = "allt";
    else if (node.FormCode == fc::kPlural) node.SvWord = "alla";
    if (next == nullptr) return;
    if (next->SpClass == wc::kProperName) {
        node.SvWord = "hela";
        node.SvClass = wc::kAdjective;
        SetTag(s, position, "adj");
    } else if (IsDeterminerClass(next->SpClass) && OneOf(next->FormCode, {fc::kSingular, fc::kSingular2})) {
        IndefiniteReading(s, node, position, "hela");
    } else if (IsDeterminerClass(next->SpClass) && next->FormCode == fc::kPlural) {
        IndefiniteReading(s, node, position, "alla");
    }
}

// "este": "den här", or the noun "öster" after a determiner or an adverb.
void ResolveEste(TranslationState& s, WordNode& node, int position) {
    IndefiniteReading(s, node, position, "den h\xE4r");
    node.SpCode1 = 77;
    const int prevClass = SpClassOf(node.Prev);
    if (prevClass == wc::kDeterminer || Between(prevClass, wc::kAdverbNounAdjective, wc::kAdverbPrepositionNoun)) {
        node.SvWord = "\xF6ster";
        node.SvClass = wc::kNoun;
        node.SvCode2 = 15;
        SetTag(s, position, "n");
    }
}

}  // namespace

void ResolvePrepSub(TranslationState& s, WordNode& node, int position) {
    if (OneOf(SpClassOf(node.Prev), {wc::kDeterminer, wc::kDeterminerPronoun, wc::kRkif})) {
        for (const auto& noun : kPrepositionNouns)
            if (node.SpWord == noun.spanish) TakeNoun(s, node, position, noun);
        return;
    }
    if (node.SpWord == "sobre" && OneOf(SpClassOf(node.Next), {wc::kDeterminer, wc::kProperName})) {
        node.SvClass = wc::kPreposition;
        node.SvWord = "om";
        node.SvCode1 = 5;
        node.SvCode2 = 0;
        SetTag(s, position, "prep");
    }
}

void ResolveIAdv(TranslationState& s, WordNode& node, int position) {
    if (!OneOf(node.SpClass, {wc::kIndefiniteAdverb, wc::kIndefiniteAdjective}) || SpClassOf(node.Next) != wc::kNumeral) return;
    LookupFormEntry(s, node);
    node.SvClass = wc::kIndefinite;
    SetTag(s, position, "indf");
}

void ResolveIAAS(TranslationState& s, WordNode& node, int position) {
    if (node.SpWord == "todo") ResolveTodo(s, node, position);
    else if (node.SpWord == "este") ResolveEste(s, node, position);
}

}  // namespace quelvo
