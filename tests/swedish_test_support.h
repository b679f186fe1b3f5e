#pragma once
// A hand-built sentence for the Swedish word-form tests: words with just the
// fields a test needs, phrases, and the dictionaries of tests/fixtures/swedish.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "core/emit.h"
#include "core/translation_state.h"
#include "lexicon/lexicon.h"
#include "test_support.h"

namespace quelvo::testing_support {

inline const Lexicon& SwedishFixtureLexicon() {
    static const std::shared_ptr<const Lexicon> lexicon =
        std::get<std::shared_ptr<const Lexicon>>(Lexicon::Load(QUELVO_FIXTURES "/swedish"));
    return *lexicon;
}

// One word; texts in UTF-8.
struct W {
    std::string sp = {};
    std::string sv = {};
    int spClass = 0;
    int formCode = 0;
    int person = 0;
    std::uint16_t svCode2 = 0;
    std::uint16_t svCode3 = 0;
    int svClass = 0;
    std::string tag = {};
    char gender = '\0';
};

// One phrase of the merged phrase list.
struct P {
    std::string tag = {};
    int rule = 0;
};

class Sentence {
public:
    explicit Sentence(std::initializer_list<W> words = {}, std::initializer_list<P> phrases = {})
        : s(SwedishFixtureLexicon()) {
        s.OutTags.Resize(30);
        s.KeepOutWords = true;
        for (const W& w : words) Add(w);
        for (const P& p : phrases) {
            PhraseNode* node = s.MergedPhraseList.Add(s.Arena, s.MergedPhraseList.Head == nullptr);
            node->Tag = p.tag;
            node->RuleNo = p.rule;
        }
        s.CurWord = s.WordList.Head;
        s.PhraseCursor = s.MergedPhraseList.Head;
    }

    WordNode& Add(const W& w) {
        WordNode* node = s.WordList.Add(s.Arena, s.WordList.Head == nullptr);
        node->SpWord = Cp(w.sp);
        node->SvWord = Cp(w.sv);
        node->SpClass = w.spClass;
        node->FormCode = w.formCode;
        node->PersonNo = w.person;
        node->SvCode2 = w.svCode2;
        node->SvCode3 = w.svCode3;
        node->SvClass = w.svClass;
        node->ClassTag = Cp(w.tag);
        node->Gender = w.gender;
        words_.push_back(node);
        return *node;
    }

    // Puts a word into the output first, so that the words under test do not
    // open the segment (and are not capitalised); Out() leaves it out.
    void ContinueSentence() {
        EmitOutWord(s, "", "-", "", "x");
        lead_ = true;
    }

    // The i-th word, from 1.
    WordNode* Word(int i) const { return words_.at(static_cast<std::size_t>(i - 1)); }
    std::vector<std::string> Out() const {
        std::vector<std::string> out = OutTexts(s);
        if (lead_ && !out.empty()) out.erase(out.begin());
        return out;
    }
    std::vector<std::string> Tags() const {
        std::vector<std::string> tags;
        for (int i = 1; i < s.OutCount; ++i) tags.push_back(s.OutTags.Get(i).str());
        return tags;
    }
    std::vector<std::string> Recorded() const {
        std::vector<std::string> words;
        for (int i = 1; i < s.OutCount && i <= kOutWordSlots; ++i) words.push_back(Utf(s.OutWords[i]));
        return words;
    }

    TranslationState s;

private:
    std::vector<WordNode*> words_;
    bool lead_ = false;
};

// A form in code page 1252 from UTF-8, as the routines take it.
inline Str30 Form(const std::string& utf8) { return Str30(Cp(utf8)); }

}  // namespace quelvo::testing_support
