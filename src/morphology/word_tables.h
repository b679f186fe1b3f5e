#pragma once
// Words the program knows without the dictionary files: adverbs in "mente"
// with a free rendering, a few special words, two feminine participles, and
// capitalised words (acronyms and names).
#include <string_view>

#include "core/translation_state.h"

namespace quelvo {

struct WordPair {
    std::string_view spanish;
    std::string_view swedish;
};

struct SpecialWord {
    std::string_view spanish;
    std::string_view swedish;
    int wordClass;
};

struct FemParticiple {
    std::string_view spanish;
    std::string_view swedish;
    int formCode;
};

inline constexpr WordPair kMenteAdverbs[] = {
    {"adicionalmente", "dessutom"},
    {"afirmativamente", "jakande"},
    {"autom\xE1ticamente", "automatiskt"},
    {"coloquialmente", "i dagligt tal"},
    {"com\xFAnmente", "allm\xE4nt"},
    {"conjuntamente", "tillsammans"},
    {"cotidianamente", "dagligen"},
    {"crecientemente", "allt mer"},
    {"decididamente", "absolut"},
    {"definitivamente", "avgjort"},
    {"diariamente", "dagligen"},
    {"estrepitosamente", "h\xF6gljutt"},
    {"expresamente", "uttryckligen"},
    {"felizmente", "lyckligtvis"},
    {"habitualmente", "vanligtvis"},
    {"inicialmente", "till en b\xF6rjan"},
    {"libremente", "fritt"},
    {"meramente", "enbart"},
    {"necesariamente", "n\xF6" "dv\xE4ndigtvis"},
    {"nuevamente", "p\xE5 nytt"},
    {"objetivamente", "objektivt"},
    {"oficialmente", "officiellt"},
    {"parad\xF3jicamente", "paradoxalt nog"},
    {"parcialmente", "partiellt"},
    {"penalmente", "med risk f\xF6r straff"},
    {"peri\xF3" "dicamente", "periodvis"},
    {"personalmente", "personligen"},
    {"pol\xEDticamente", "politiskt"},
    {"pr\xE1" "cticamente", "praktiskt taget"},
    {"precisamente", "just"},
    {"prematuramente", "f\xF6r tidigt"},
    {"probablemente", "antagligen"},
    {"pr\xF3ximamente", "i forts\xE4ttningen"},
    {"p\xFA" "blicamente", "offentligt"},
    {"r\xE1pidamente", "snabbt"},
    {"recientemente", "nyligen"},
    {"regularmente", "regelbundet"},
    {"seguramente", "absolut"},
    {"sensiblemente", "p\xE5t" "agligt"},
    {"totalmente", "totalt"},
    {"virtualmente", "faktiskt"},
};

inline constexpr SpecialWord kSpecialWords[] = {
    {"cacerolazo", "kastrulld\xE5n", 1},
    {"c\xF3mo", "hur", 38},
    {"s\xED", "sig", 10},
    {"d\xF3nde", "var", 38},
    {"\xFAtil", "nyttig", 2},
    {"\xFAtiles", "nyttig", 2},
    {"carrobomba", "bilbomb", 1},
    {"eurozona", "euroomr\xE5" "det", 1},
};

inline constexpr FemParticiple kFemParticiples[] = {
    {"abierta", "\xF6ppen", 10},
    {"descrita", "beskriven", 10},
    {"abiertas", "\xF6ppna", 12},
    {"descritas", "beskrivna", 12},
};

// On a match `found` is set and `svText` is the Swedish rendering.
void LookupMenteAdverb(std::string_view word, Str30& svText, bool& found);
// On a match StagedWord holds the participle with FormCode 10 or 12.
void LookupFemParticiple(TranslationState& s, std::string_view word, bool& found);
// On a match StagedWord holds the word with its class.
void LookupSpecialWord(TranslationState& s, std::string_view word, bool& found);
// A word that begins with a capital: an acronym, or else a name kept as it
// is. `position` is the word's place in the sentence. Other words are left alone.
void LookupAcronymOrUnknown(TranslationState& s, std::string_view word, int position, bool& found);
// A known abbreviation ("Sr.", "EE.UU.") is staged as a name-like word with
// its Swedish rendering; false for any other word.
bool StageAbbreviation(TranslationState& s, std::string_view word);
// The first letter, after one leading '"', "¡" or "¿", in lower case.
void LowerFirstLetter(Str30& word, bool& changed);

}  // namespace quelvo
