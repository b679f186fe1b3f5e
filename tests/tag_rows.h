#pragma once
// Rows of word tags for the phrase grammar and the dispatch: a word list
// carrying just the fields those passes read.
#include <string>
#include <vector>

#include "core/translation_state.h"
#include "lexicon/lexicon.h"

namespace quelvo::testing_support {

inline const Lexicon& NoLexicon() {
    static const Lexicon lexicon;
    return lexicon;
}

// Words 1..n tagged `tags`, with person numbers `persons` (0 where missing).
// Each word's SpWord is "w" and its position, its SvWord and SvForm the position in
// digits (so capitalising never changes it), its ClassTag its tag.
inline void LoadRow(TranslationState& s, const std::vector<std::string>& tags, const std::vector<int>& persons = {}) {
    const int n = static_cast<int>(tags.size());
    s.WordCount = n;
    s.WordTags.Resize(n);
    s.WordPersonNos.Resize(n);
    s.WordList = {};
    for (int i = 1; i <= n; ++i) {
        const int person = i <= static_cast<int>(persons.size()) ? persons[static_cast<std::size_t>(i - 1)] : 0;
        s.WordTags.Set(i, Str6(tags[static_cast<std::size_t>(i - 1)]));
        s.WordPersonNos.Set(i, person);
        WordNode& w = *s.WordList.Add(s.Arena, i == 1);
        std::string word = "w";
        word += std::to_string(i);
        w.SpWord = word;
        w.SvWord = std::to_string(i);
        w.SvForm = w.SvWord;
        w.ClassTag = tags[static_cast<std::size_t>(i - 1)];
        w.PersonNo = person;
    }
}

inline WordNode* WordAt(TranslationState& s, int pos) {
    WordNode* w = s.WordList.Head;
    for (int i = 1; i < pos && w != nullptr; ++i) w = w->Next;
    return w;
}

inline std::vector<std::string> PhraseTags(const NodeList<PhraseNode>& list) {
    std::vector<std::string> out;
    for (const PhraseNode* p = list.Head; p != nullptr; p = p->Next) out.push_back(p->Tag.str());
    return out;
}

inline std::vector<std::string> WordTagRow(const TranslationState& s) {
    std::vector<std::string> out;
    for (int i = 1; i <= s.WordCount; ++i) out.push_back(s.WordTags.Get(i).str());
    return out;
}

inline std::vector<std::string> MembersOf(const PhraseNode& p) {
    std::vector<std::string> out;
    for (int m = 1; m <= kMaxMembers; ++m)
        if (!p.Members[static_cast<std::size_t>(m)].empty()) out.push_back(p.Members[static_cast<std::size_t>(m)].str());
    return out;
}

}  // namespace quelvo::testing_support
