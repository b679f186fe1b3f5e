#include "grammar/intransitive_use.h"

#include <array>

#include "core/form_codes.h"
#include "grammar/role_marks.h"

namespace quelvo {
namespace {

constexpr std::array<std::string_view, 16> IntransitiveVerbs = {
    "abundar", "estar",    "vivir",    "llegar", "acudir",   "crecer", "existir", "salir",
    "aparecer", "yacer",   "convivir", "estallar", "quedar", "aparecer", "venir",  "partir"};

constexpr std::array<std::string_view, 13> SayingVerbs = {
    "advertir", "afirmar",  "asegurar", "apuntar", "comentar",   "decir",    "explicar",
    "exponer",  "puntualizar", "replicar", "se\xF1" "alar", "sostener", "subrayar"};

template <std::size_t N>
bool IsOneOf(const WordNode* w, const std::array<std::string_view, N>& words) {
    if (w == nullptr) return false;
    for (std::string_view word : words)
        if (w->SpWord == word) return true;
    return false;
}

const WordNode* After(const WordNode* w) { return w != nullptr ? w->Next : nullptr; }

// A verb member followed by a subject pronoun: the pronoun is the subject.
bool BeforeSubjectPronoun(TranslationState& s, const PhraseAt& at) {
    PhraseNode& p = *at.phrase;
    if (p.Next == nullptr || p.Next->Members[1] != "ppsu") return false;
    for (int m = 1; m <= kMarkedMembers; ++m) {
        Str8& member = p.Members[static_cast<std::size_t>(m)];
        if (member != "v" && member != "hjv") continue;
        member = "vi";
        s.WordTags.Set(at.wordIndex, "vi");
        return true;
    }
    return false;
}

bool IsIntransitiveVerb(TranslationState& s, const PhraseAt& at) {
    if (!IsOneOf(at.word, IntransitiveVerbs)) return false;
    RenameMembers(*at.phrase, "v", "vi");
    s.WordTags.Set(at.wordIndex, "vi");
    return true;
}

bool IsSerBeforeParticiple(const PhraseAt& at) {
    const WordNode* next = After(at.word);
    return at.word != nullptr && at.word->SpWord == "ser" && next != nullptr && next->FormCode == fc::kParticiple;
}

bool IsSayingBeforeSubject(const PhraseAt& at) {
    const WordNode* next = After(at.word);
    if (!IsOneOf(at.word, SayingVerbs) || next == nullptr) return false;
    const int c = next->SpClass;
    return c == 10 || c == 12 || c == 15 || c == 16 || c == 48;
}

bool IsReflexive(TranslationState& s, const PhraseAt& at) {
    PhraseNode& p = *at.phrase;
    if (p.Tag != "VP" || (p.Members[2] != "refl" && p.Members[3] != "refl")) return false;
    RenameMembers(p, "v", "vi");
    s.WordTags.Set(at.wordIndex, "vt");
    return true;
}

}  // namespace

bool MarkIntransitiveUse(TranslationState& s, const PhraseAt& at) {
    const bool intransitive = BeforeSubjectPronoun(s, at) || IsIntransitiveVerb(s, at) || IsSerBeforeParticiple(at) ||
                              IsSayingBeforeSubject(at) || IsReflexive(s, at);
    if (intransitive) at.phrase->Tag = "VPI";
    return intransitive;
}

}  // namespace quelvo
