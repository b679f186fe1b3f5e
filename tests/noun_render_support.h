#pragma once
// A hand-built sentence for the renderer tests: words with the fields a test
// sets, the merged phrases with their members, and what came out.
#include <cstdint>
#include <string>
#include <vector>

#include "core/translation_state.h"
#include "lexicon/lexicon.h"
#include "test_support.h"

namespace quelvo::testing_support {
// Own names for the scene helpers, which other test helpers share.
inline namespace noun_scenes {

inline const Lexicon& EmptyLexicon() {
    static const Lexicon lexicon;
    return lexicon;
}

// Swedish codes: a noun's declension class and gender, an adjective's class
// and comparison group, a verb's conjugation group.
constexpr std::uint16_t NounCode(int declension, int genderBits) {
    return static_cast<std::uint16_t>(declension | (genderBits << 11));
}
inline constexpr int kMasc = 0, kFem = 1, kCommon = 2, kNeuter = 3;
constexpr std::uint16_t AdjCode(int adjClass) { return static_cast<std::uint16_t>(adjClass << 6); }
constexpr std::uint16_t ComparisonCode(int group) { return static_cast<std::uint16_t>(2 | (group << 7)); }

// One word; texts in UTF-8.
struct Wd {
    std::string sp = {};
    std::string sv = {};
    std::string tag = {};
    int spClass = 0;
    int formCode = 1;
    std::uint16_t svCode1 = 0;
    std::uint16_t svCode2 = 0;
    std::uint16_t svCode3 = 0;
    std::uint16_t svCode4 = 0;
    std::uint16_t spCode3 = 0;
    int svClass = 0;
    int person = 0;
    char gender = '\0';
    std::string spText = {};
};

// One merged phrase; `count` -1 means as many words as members.
struct Ph {
    std::string tag = {};
    int rule = 0;
    std::vector<std::string> members = {};
    int count = -1;
};

class Scene {
public:
    Scene(const std::vector<Wd>& words, const std::vector<Ph>& phrases = {}) : s(EmptyLexicon()) {
        s.OutTags.Resize(40);
        s.KeepOutWords = true;
        for (const Wd& w : words) AddWord(w);
        for (const Ph& p : phrases) AddPhrase(p);
        s.CurWord = s.WordList.Head;
        s.PhraseCursor = s.MergedPhraseList.Head;
    }

    // Starts rendering at word `word` and phrase `phrase`, from 1.
    void StartAt(int word, int phrase = 1) {
        s.CurWord = Word(word);
        s.PhraseCursor = phrases_.empty() ? nullptr : Phrase(phrase);
    }

    // The i-th word and phrase, from 1.
    WordNode* Word(int i) const { return words_.at(static_cast<std::size_t>(i - 1)); }
    PhraseNode* Phrase(int i) const { return phrases_.at(static_cast<std::size_t>(i - 1)); }

    std::vector<std::string> Out() const { return OutTexts(s); }
    std::vector<std::string> OutTags() const {
        std::vector<std::string> tags;
        for (const OutWordNode* n = s.OutList.Head; n != nullptr; n = n->Next) tags.push_back(n->OutTag.str());
        return tags;
    }
    std::vector<std::string> Recorded() const {
        std::vector<std::string> words;
        for (int i = 1; i < s.OutCount && i <= kOutWordSlots; ++i) words.push_back(Utf(s.OutWords[i]));
        return words;
    }
    std::vector<std::string> RecordTags() const {
        std::vector<std::string> tags;
        for (int i = 1; i < s.OutCount; ++i) tags.push_back(s.OutTags.Get(i).str());
        return tags;
    }
    // The number of the word CurWord stands on, from 1; words + 1 past the end.
    int CurWordPosition() const {
        int pos = 1;
        for (const WordNode* w = s.WordList.Head; w != nullptr && w != s.CurWord; w = w->Next) ++pos;
        return pos;
    }
    int PhrasePosition() const {
        int pos = 1;
        for (const PhraseNode* p = s.MergedPhraseList.Head; p != nullptr && p != s.PhraseCursor; p = p->Next) ++pos;
        return pos;
    }

    TranslationState s;

private:
    void AddWord(const Wd& w) {
        WordNode* node = s.WordList.Add(s.Arena, s.WordList.Head == nullptr);
        node->SpWord = Cp(w.sp);
        node->SvWord = Cp(w.sv);
        node->SvForm = node->SvWord;
        node->SpText = Cp(w.spText.empty() ? w.sp : w.spText);
        node->ClassTag = w.tag;
        node->SpClass = w.spClass;
        node->FormCode = w.formCode;
        node->SvCode1 = w.svCode1;
        node->SvCode2 = w.svCode2;
        node->SvCode3 = w.svCode3;
        node->SvCode4 = w.svCode4;
        node->SpCode3 = w.spCode3;
        node->SvClass = w.svClass;
        node->PersonNo = w.person;
        node->Gender = w.gender;
        words_.push_back(node);
    }
    void AddPhrase(const Ph& p) {
        PhraseNode* node = s.MergedPhraseList.Add(s.Arena, s.MergedPhraseList.Head == nullptr);
        node->Pos = static_cast<int>(phrases_.size()) + 1;
        node->Tag = p.tag;
        node->RuleNo = p.rule;
        for (std::size_t i = 0; i < p.members.size() && i < kMaxMembers; ++i) node->Members[i + 1] = p.members[i];
        node->MemberCount = p.count >= 0 ? p.count : static_cast<int>(p.members.size());
        phrases_.push_back(node);
    }

    std::vector<WordNode*> words_;
    std::vector<PhraseNode*> phrases_;
};

}  // namespace noun_scenes
}  // namespace quelvo::testing_support
