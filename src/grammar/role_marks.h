#pragma once
// The steps the role rules share: renaming members of a phrase and writing
// the matching transitivity mark into the word tags.
#include <initializer_list>
#include <string_view>

#include "grammar/phrase_walk.h"

namespace quelvo {

inline constexpr int kMarkedMembers = 6;  // the seventh member is never marked

// Every member 1..6 equal to `from` becomes `to`, and the word tag of its
// word becomes `wordTag`. Returns how many members changed.
int MarkMembers(TranslationState& s, const PhraseAt& at, std::string_view from, std::string_view to,
                std::string_view wordTag);

// Every member 1..6 equal to `from` becomes `to`; word tags stay.
void RenameMembers(PhraseNode& phrase, std::string_view from, std::string_view to);

inline void MarkTransitive(TranslationState& s, const PhraseAt& at) { MarkMembers(s, at, "v", "vt", "vt"); }
inline void MarkTransitiveInfinitive(TranslationState& s, const PhraseAt& at) {
    MarkMembers(s, at, "inf", "inf_t", "inf_t");
}

// A role rule's plain step: every phrase tagged one of `from` becomes `to`,
// its "v" members marked transitive when `transitive` is set.
struct Retag {
    std::initializer_list<std::string_view> from;
    std::string_view to;
    bool transitive = false;
};

// Applies to each phrase of first..last the first retag whose tags hold its tag.
void RetagEvery(TranslationState& s, int first, int last, std::initializer_list<Retag> retags);

// The first "NP" of first..last becomes "NPS", later ones "NPO"; every
// phrase tagged `verb` becomes `to` with its "v" members (and, when
// `infinitives` is set, its "inf" members) marked transitive.
void NameSubjectAndObjects(TranslationState& s, int first, int last, std::string_view verb, std::string_view to,
                           bool infinitives);

// The person number of the phrase's first word (0 without a word).
inline int FirstWordPerson(const PhraseAt& at) { return at.word != nullptr ? at.word->PersonNo : 0; }
inline bool IsThirdPerson(int person) { return person == 3 || person == 6; }

}  // namespace quelvo
