#pragma once
// Questions the verb renderers ask about a word and its neighbours. Every one
// takes a possibly missing word and answers false for it, so a rule that
// looks one or two words ahead never reads through a null link.
#include <initializer_list>
#include <string_view>

#include "core/records.h"

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

inline bool IsInfinitive(const WordNode* w) { return HasFormCode(w, {19}); }

// The verb after "lograr" or "conseguir" ("logró abrir": lyckades öppna):
// a verb form, a participle or an infinitive, which the analysis classes 99.
inline bool IsVerbAfterLograr(const WordNode* w) { return HasSpanishClass(w, {3, 99, 102}); }

// The form codes of one tense, as the Spanish analysis gives them: the
// regular ending analysis and the verb-form file use different numbers.
inline bool IsPresentCode(int code) { return code == 4 || code == 450; }
inline bool IsPastCode(int code) { return code == 5 || code == 6 || code == 460; }
inline bool IsFutureCode(int code) { return code == 8 || code == 475; }
inline bool IsConditionalCode(int code) { return code == 9 || code == 476; }

}  // namespace quelvo
