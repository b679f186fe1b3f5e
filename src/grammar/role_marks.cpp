#include "grammar/role_marks.h"

namespace quelvo {

int MarkMembers(TranslationState& s, const PhraseAt& at, std::string_view from, std::string_view to,
                std::string_view wordTag) {
    int changed = 0;
    for (int m = 1; m <= kMarkedMembers; ++m) {
        Str8& member = at.phrase->Members[static_cast<std::size_t>(m)];
        if (member != from) continue;
        member = to;
        s.WordTags.Set(at.wordIndex + m - 1, Str6(wordTag));
        ++changed;
    }
    return changed;
}

void RenameMembers(PhraseNode& phrase, std::string_view from, std::string_view to) {
    for (int m = 1; m <= kMarkedMembers; ++m) {
        Str8& member = phrase.Members[static_cast<std::size_t>(m)];
        if (member == from) member = to;
    }
}

void RetagEvery(TranslationState& s, int first, int last, std::initializer_list<Retag> retags) {
    ForEachPhraseIn(s, first, last, [&](const PhraseAt& at) {
        for (const Retag& retag : retags) {
            if (!TagIn(at.phrase->Tag, retag.from)) continue;
            at.phrase->Tag = retag.to;
            if (retag.transitive) MarkTransitive(s, at);
            return;
        }
    });
}

void NameSubjectAndObjects(TranslationState& s, int first, int last, std::string_view verb, std::string_view to,
                           bool infinitives) {
    bool subjectSeen = false;
    ForEachPhraseIn(s, first, last, [&](const PhraseAt& at) {
        PhraseNode& p = *at.phrase;
        if (p.Tag == "NP") {
            p.Tag = subjectSeen ? "NPO" : "NPS";
            subjectSeen = true;
        } else if (p.Tag == verb) {
            p.Tag = to;
            MarkTransitive(s, at);
            if (infinitives) MarkTransitiveInfinitive(s, at);
        }
    });
}

}  // namespace quelvo
