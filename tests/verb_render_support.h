#pragma once
// A hand-built sentence for the verb-renderer tests: words with the fields the
// verb rules read, the phrases over them, and the dictionaries of
// tests/fixtures/verbs. Texts are written in UTF-8.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "core/emit.h"
#include "core/translation_state.h"
#include "lexicon/lexicon.h"
#include "test_support.h"

namespace quelvo::testing_support {
// Own names for the scene helpers, which other test helpers share.
inline namespace verb_scenes {

inline const Lexicon& VerbFixtureLexicon() {
    static const std::shared_ptr<const Lexicon> lexicon = [] {
        auto loaded = Lexicon::Load(QUELVO_FIXTURES "/verbs");
        if (auto* error = std::get_if<DataError>(&loaded)) ADD_FAILURE() << error->Describe();
        auto* ok = std::get_if<std::shared_ptr<const Lexicon>>(&loaded);
        return ok != nullptr ? *ok : std::make_shared<const Lexicon>();
    }();
    return *lexicon;
}

// One Spanish word as the analysis left it.
struct Wd {
    std::string sp;
    std::string sv = {};
    int form = 1;
    std::uint16_t code3 = 0;
    int spClass = 0;
    int svClass = 3;
    std::string classTag = {};
    std::uint16_t code2 = 0;
    char gender = '\0';
};

// A verb form: its Swedish infinitive, FormCode and conjugation code.
inline Wd Verb(const char* sp, const char* sv, int form, std::uint16_t code3) { return Wd{sp, sv, form, code3, 3}; }
// Any other word, of one class in both languages.
inline Wd Word(const char* sp, const char* sv, int spClass, const char* tag = "", int form = 1) {
    return Wd{sp, sv, form, 0, spClass, spClass, tag};
}

// One phrase of the merged list: its rule and the word tags it covers.
struct Ph {
    int rule;
    std::vector<std::string> members;
    std::string tag = "VP";
};

// Words and phrases many cases share.
inline const Wd kComer{"comer", "äta", 19, 9, 99};
inline const Wd kHacer{"hacer", "göra", 19, 9, 99};
inline const Wd kComiendo{"comer", "äta", 11, 9, 101};
inline const Wd kQue = Word("que", "att", 14);
inline const Wd kA = Word("a", "att", 7);
inline const Wd kDe = Word("de", "av", 7);
inline const Wd kLo = Word("lo", "det", 11, "ppob");
inline const Wd kSe = Word("se", "sig", 18, "refl");
inline const Wd kStop = Word(".", ".", 100, "sklj");
inline const Ph kEnd{260, {"sklj"}, "ST"};

// An output word already there when the rule runs ("som", an inserted "han").
struct Earlier {
    std::string text;
    std::string tag;
};

class VerbScene {
public:
    // CurWord starts on word `start` (from 1); the phrases cover the words from there on.
    VerbScene(const std::vector<Wd>& words, const std::vector<Ph>& phrases = {}, int start = 1,
              const std::vector<Earlier>& earlier = {})
        : s(VerbFixtureLexicon()) {
        s.OutTags.Resize(40);
        s.KeepOutWords = true;
        for (const Wd& w : words) Add(w);
        for (const Ph& p : phrases) AddPhrase(p);
        for (const Earlier& e : earlier) {
            EmitOutWord(s, "", Cp(e.text), Cp(e.text), e.tag);
            RecordOutWord(s, Cp(e.text), e.tag);
        }
        s.CurWord = Word(start);
        s.PhraseCursor = s.MergedPhraseList.Head;
    }

    WordNode* Word(int i) const {
        return i >= 1 && i <= static_cast<int>(words_.size()) ? words_[static_cast<std::size_t>(i - 1)] : nullptr;
    }
    PhraseNode* Phrase(int i) const {
        PhraseNode* p = s.MergedPhraseList.Head;
        for (int k = 1; p != nullptr && k < i; ++k) p = p->Next;
        return p;
    }
    // The position of CurWord, one past the last word when it has run off the list.
    int CurIndex() const {
        for (std::size_t i = 0; i < words_.size(); ++i)
            if (words_[i] == s.CurWord) return static_cast<int>(i) + 1;
        return static_cast<int>(words_.size()) + 1;
    }
    std::vector<std::string> Out() const { return OutTexts(s); }
    std::vector<std::string> OutTags() const {
        std::vector<std::string> tags;
        for (const OutWordNode* n = s.OutList.Head; n != nullptr; n = n->Next) tags.push_back(n->OutTag.str());
        return tags;
    }

    TranslationState s;

private:
    void Add(const Wd& w) {
        WordNode* node = s.WordList.Add(s.Arena, s.WordList.Head == nullptr);
        node->SpWord = Cp(w.sp);
        node->SpText = Cp(w.sp);
        node->SvWord = Cp(w.sv);
        node->SvForm = node->SvWord;
        node->FormCode = w.form;
        node->SvCode3 = w.code3;
        node->SvCode2 = w.code2;
        node->SpClass = w.spClass;
        node->SvClass = w.svClass;
        node->ClassTag = Cp(w.classTag);
        node->Gender = w.gender;
        words_.push_back(node);
    }
    void AddPhrase(const Ph& p) {
        PhraseNode* node = s.MergedPhraseList.Add(s.Arena, s.MergedPhraseList.Head == nullptr);
        node->Tag = p.tag;
        node->RuleNo = p.rule;
        node->MemberCount = static_cast<int>(p.members.size());
        for (std::size_t i = 0; i < p.members.size() && i < kMaxMembers; ++i) node->Members[i + 1] = p.members[i];
    }

    std::vector<WordNode*> words_;
};

}  // namespace verb_scenes
}  // namespace quelvo::testing_support
