#pragma once
// The Swedish morphology as lt-paradigm lists it, one form a line:
// "hund<n><ut><sg><def>:hunden". Only the forms our entries are built from
// are kept: noun number and definiteness, adjective agreement, the active
// (or, for verbs in "-s", passive) tenses and the participles.
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace quelvo::limp {

enum class WordClass { Noun, Verb, Adjective, Adverb };

struct SwedishWord {
    std::string lemma;
    WordClass wordClass;
    std::string gender;  // "ut" or "nt" for nouns: the gender listed last
    // "sg def" -> {"hunden"}; a noun's forms also stand under their gender
    // ("ut sg def"), as some nouns have both ("en pris", "ett pris").
    std::map<std::string, std::vector<std::string>> slots;

    const std::vector<std::string>& Forms(const std::string& slot) const;
};

// A word the morphology knows, itself or as a compound whose last part it
// knows ("huvudstad" as "huvud" + "stad"): the forms are the last part's
// with the prefix in front.
struct KnownWord {
    const SwedishWord* word;
    std::string prefix;
};

struct Morphology {
    std::unordered_map<std::string, SwedishWord> words;  // by MorphologyKey
    std::string error;                                    // "file:line: ..." when the listing is damaged

    const SwedishWord* Find(const std::string& lemma, WordClass wordClass) const;
    std::optional<KnownWord> Resolve(const std::string& lemma, WordClass wordClass) const;
};

std::string MorphologyKey(const std::string& lemma, WordClass wordClass);

// `file` is the name errors give.
Morphology ParseMorphologyListing(const std::string& file, std::string_view listing);

}  // namespace quelvo::limp
