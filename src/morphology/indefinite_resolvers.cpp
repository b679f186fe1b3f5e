// The resolvers of prepositions that are also nouns, and of indefinites.
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
    node.SvClass = 1;
    node.Gender = 'n';
    node.SvCode1 = 1;
    node.SvCode2 = noun.svCode2;
    SetTag(s, position, "n");
}

void IndefiniteReading(TranslationState& s, WordNode& node, int position, std::string_view swedish) {
    node.SvWord = swedish;
    node.SvClass = 13;
    SetTag(s, position, "indf");
}

// "todo": "allt", "alla", or "hela" before a name or a singular determiner.
void ResolveTodo(TranslationState& s, WordNode& node, int position) {
    const WordNode* next = node.Next;
    node.SvClass = 13;
    SetTag(s, position, "indf");
    if (node.FormCode < 3) node.SvWord = "allt";
    else if (node.FormCode == 3) node.SvWord = "alla";
    if (next == nullptr) return;
    if (next->SpClass == 16) {
        node.SvWord = "hela";
        node.SvClass = 2;
        SetTag(s, position, "adj");
    } else if (IsDeterminerClass(next->SpClass) && OneOf(next->FormCode, {1, 2})) {
        IndefiniteReading(s, node, position, "hela");
    } else if (IsDeterminerClass(next->SpClass) && next->FormCode == 3) {
        IndefiniteReading(s, node, position, "alla");
    }
}

// "este": "den här", or the noun "öster" after a determiner or an adverb.
void ResolveEste(TranslationState& s, WordNode& node, int position) {
    IndefiniteReading(s, node, position, "den h\xE4r");
    node.SpCode1 = 77;
    const int prevClass = SpClassOf(node.Prev);
    if (prevClass == 15 || Between(prevClass, 32, 34)) {
        node.SvWord = "\xF6ster";
        node.SvClass = 1;
        node.SvCode2 = 15;
        SetTag(s, position, "n");
    }
}

}  // namespace

void ResolvePrepSub(TranslationState& s, WordNode& node, int position) {
    if (OneOf(SpClassOf(node.Prev), {15, 48, 49})) {
        for (const auto& noun : kPrepositionNouns)
            if (node.SpWord == noun.spanish) TakeNoun(s, node, position, noun);
        return;
    }
    if (node.SpWord == "sobre" && OneOf(SpClassOf(node.Next), {15, 16})) {
        node.SvClass = 7;
        node.SvWord = "om";
        node.SvCode1 = 5;
        node.SvCode2 = 0;
        SetTag(s, position, "prep");
    }
}

void ResolveIAdv(TranslationState& s, WordNode& node, int position) {
    if (!OneOf(node.SpClass, {59, 60}) || SpClassOf(node.Next) != 6) return;
    LookupFormEntry(s, node);
    node.SvClass = 13;
    SetTag(s, position, "indf");
}

void ResolveIAAS(TranslationState& s, WordNode& node, int position) {
    if (node.SpWord == "todo") ResolveTodo(s, node, position);
    else if (node.SpWord == "este") ResolveEste(s, node, position);
}

}  // namespace quelvo
