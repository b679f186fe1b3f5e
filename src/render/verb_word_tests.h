#pragma once
// Questions the verb renderers ask about a word and its neighbours. Every one
// takes a possibly missing word and answers false for it, so a rule that
// looks one or two words ahead never reads through a null link.
#include <initializer_list>
#include <string_view>

#include "core/form_codes.h"
#include "core/records.h"
#include "core/word_classes.h"

namespace quelvo {

inline WordNode* NextOf(const WordNode* w) { return w != nullptr ? w->Next : nullptr; }
inline WordNode* PrevOf(const WordNode* w) { return w != nullptr ? w->Prev : nullptr; }

inline bool IsSpanish(const WordNode* w, std::string_view spWord) { return w != nullptr && w->SpWord == spWord; }

inline bool HasFormCode(const WordNode* w, std::initializer_list<int> codes) {
    if (w == nullptr) return false;
    for (int c : codes)
        if (w->FormCode == c) return true;
    return false;
}

inline bool HasSpanishClass(const WordNode* w, std::initializer_list<int> classes) {
    if (w == nullptr) return false;
    for (int c : classes)
        if (w->SpClass == c) return true;
    return false;
}

inline bool HasClassTag(const WordNode* w, std::initializer_list<std::string_view> tags) {
    if (w == nullptr) return false;
    for (std::string_view t : tags)
        if (w->ClassTag == t) return true;
    return false;
}

inline bool IsInfinitive(const WordNode* w) { return HasFormCode(w, {fc::kInfinitive}); }

// The verb after "lograr" or "conseguir" ("logró abrir": lyckades öppna):
// a verb form, a participle or an infinitive, which the analysis classes 99.
inline bool IsVerbAfterLograr(const WordNode* w) { return HasSpanishClass(w, {wc::kVerb, wc::kInfinitive, wc::kPerfectParticiple}); }

// The form codes of one tense, as the Spanish analysis gives them: the
// regular ending analysis and the verb-form file use different numbers.
inline bool IsPresentCode(int code) { return code == fc::kPresent || code == fc::kSpecialPresent; }
inline bool IsPastCode(int code) { return code == fc::kImperfect || code == fc::kPreterite || code == fc::kSpecialImperfect; }

}  // namespace quelvo
