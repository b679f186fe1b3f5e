#include "render/own_possessive.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/form_codes.h"
#include "core/word_classes.h"
#include "morphology/class_tests.h"

namespace quelvo {
namespace {

// Phrases that are the subject itself, or name no one's own.
constexpr std::array<std::string_view, 3> SubjectTags{"NPS", "NPS_R", "KTNP"};

// Words that open a new clause, so that a verb before them has another subject.
constexpr std::array<int, 8> ClauseOpeners{wc::kPunctuation, wc::kComma,          wc::kConjunction,
                                           wc::kRelative,    wc::kRelativeConjunction, wc::kRelativeAdverb,
                                           wc::kRkif,        wc::kInterrogative};

template <typename Table, typename Value>
bool IsIn(const Table& table, const Value& value) {
    return std::find(table.begin(), table.end(), value) != table.end();
}

bool IsHay(const WordNode& w) { return w.SpWord == "hay"; }

// "hay" has no person of its own but ends the search all the same.
bool IsFiniteVerb(const WordNode& w) {
    const bool verb = w.SpClass == wc::kAuxiliary || IsVerbClass(w.SpClass);
    return verb && ((w.PersonNo >= 1 && w.PersonNo <= 6) || IsHay(w));
}

// The finite verb of CurWord's clause before it, or null.
const WordNode* VerbBefore(const WordNode& word) {
    for (const WordNode* w = word.Prev; w != nullptr; w = w->Prev) {
        if (IsFiniteVerb(*w)) return w;
        if (IsIn(ClauseOpeners, w->SpClass)) return nullptr;
    }
    return nullptr;
}

bool IsThirdPerson(const WordNode& verb) { return verb.PersonNo == 3 || verb.PersonNo == 6; }

bool IsSu(const WordNode* word) { return word != nullptr && (word->SpText == "su" || word->SpText == "sus"); }

struct Owner {
    std::string_view spanish, swedish;
};

// The subject pronouns that name an owner.
constexpr std::array<Owner, 6> OwnerPronouns{{
    {"\xE9l", "hans"}, {"ella", "hennes"}, {"ellos", "deras"}, {"ellas", "deras"},
    {"usted", ""}, {"ustedes", ""},
}};

// A Spanish first name in "-a" is a woman's (Marta, Lucía); other names a man's.
std::string_view OwnerOfName(const WordNode& name) {
    return name.SpWord.view().ends_with('a') ? "hennes" : "hans";
}

// A person noun owns by its number and, in the singular, its article or ending.
std::string_view OwnerOfNoun(const WordNode& noun) {
    if (noun.PersonNo == 6 || noun.FormCode == fc::kPlural) return "deras";
    const WordNode* article = noun.Prev;
    const bool feminine = noun.Gender == 'f' || (article != nullptr && (article->SpWord == "la" || article->SpWord == "una")) ||
                          (article == nullptr && noun.SpText.view().ends_with('a'));
    return feminine ? "hennes" : "hans";
}

}  // namespace

bool IsFormalSubjectOf(const WordNode& verb) {
    const WordNode* w = verb.Prev;
    while (w != nullptr && (w->SpClass == wc::kNegation || w->SpClass == wc::kObjectPronoun)) w = w->Prev;
    return w != nullptr && (w->SpWord == "usted" || w->SpWord == "ustedes");
}

// "es más alto que su hermano": the standard of a comparison with the
// subject is the subject's own (längre än sin bror).
bool ComparesWithSubject(const WordNode& word) {
    const WordNode* que = word.Prev;
    if (que == nullptr || que->SpWord != "que") return false;
    for (const WordNode* w = que->Prev; w != nullptr && w->SpClass != wc::kPunctuation; w = w->Prev)
        if (OneOf(w->SpWord.view(), {"m\xE1s", "menos", "mejor", "peor", "mayor", "menor"})) return true;
    return false;
}

bool PointsToSubject(const PhraseNode* phrase, const WordNode* word) {
    if (word == nullptr || (word->SpText != "su" && word->SpText != "sus")) return false;
    if (ComparesWithSubject(*word)) {
        const WordNode* compared = VerbBefore(*word->Prev);
        return compared != nullptr && IsThirdPerson(*compared) && !IsFormalSubjectOf(*compared);
    }
    if (phrase == nullptr || IsIn(SubjectTags, phrase->Tag.view())) return false;
    const WordNode* verb = VerbBefore(*word);
    if (verb != nullptr && IsFormalSubjectOf(*verb)) return false;
    if (verb == nullptr || IsHay(*verb) || !IsThirdPerson(*verb)) return false;
    // "es su casa" is "det är hans hus", but "está en su casa" has a subject.
    return verb->SpWord != "ser" || phrase->Tag == "NPP";
}

bool PointsToSubject(const TranslationState& s) { return PointsToSubject(s.PhraseCursor, s.CurWord); }

bool BelongsToUsted(const WordNode* word) {
    if (!IsSu(word)) return false;
    const WordNode* verb = VerbBefore(*word);
    return verb != nullptr && IsFormalSubjectOf(*verb);
}

std::string_view OwnerBefore(const WordNode* word) {
    if (!IsSu(word)) return {};
    for (const WordNode* w = word->Prev; w != nullptr; w = w->Prev) {
        if (w->SpClass == wc::kProperName) return OwnerOfName(*w);
        if (w->SpClass == wc::kNoun && (w->Gender == 'm' || w->Gender == 'f')) return OwnerOfNoun(*w);
        if (w->SpClass != wc::kSubjectPronoun) continue;
        for (const Owner& row : OwnerPronouns)
            if (w->SpWord == row.spanish) return row.swedish;
    }
    return {};
}

}  // namespace quelvo
