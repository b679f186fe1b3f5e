#pragma once
// What the tests share: text in UTF-8 on the test side (code page 1252 inside
// the engine), sentences built by the analysis over a fixture dictionary, rows
// of word tags for the grammar, and one hand-built scene for the corners no
// sentence reaches.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "analysis/build_sentence.h"
#include "core/emit.h"
#include "core/text_codec.h"
#include "core/translation_state.h"
#include "lexicon/lexicon.h"
#include "translate/translate_command.h"

namespace quelvo::testing_support {

inline std::string Cp(const std::string& utf8) { return ToCp1252(utf8).bytes; }
inline std::string Utf(std::string_view cp) { return ToUtf8(cp); }

inline std::vector<std::string> OutTexts(const TranslationState& s) {
    std::vector<std::string> out;
    for (const OutWordNode* n = s.OutList.Head; n != nullptr; n = n->Next) out.push_back(ToUtf8(n->SvText));
    return out;
}

inline std::vector<std::string> TokenTexts(const TranslationState& s) {
    std::vector<std::string> out;
    for (const TextNode* t = s.TokenList.Head; t != nullptr; t = t->Next) out.push_back(ToUtf8(t->Text));
    return out;
}

inline const Lexicon& NoLexicon() {
    static const Lexicon lexicon;
    return lexicon;
}

// The compiled dictionary directory `name` of tests/fixtures, loaded once.
inline const Lexicon& FixtureLexicon(const std::string& name) {
    static std::map<std::string, std::shared_ptr<const Lexicon>> loaded;
    auto& lexicon = loaded[name];
    if (lexicon == nullptr) {
        auto result = Lexicon::Load(std::string(QUELVO_FIXTURES) + "/" + name);
        if (auto* error = std::get_if<DataError>(&result)) ADD_FAILURE() << error->Describe();
        auto* ok = std::get_if<std::shared_ptr<const Lexicon>>(&result);
        lexicon = ok != nullptr ? *ok : std::make_shared<const Lexicon>();
    }
    return *lexicon;
}

// ---- Sentences built by the analysis ----

// The state after BuildSentence of the last segment of `utf8`.
inline std::unique_ptr<TranslationState> Built(const std::string& utf8) {
    auto s = std::make_unique<TranslationState>(FixtureLexicon("analysis"));
    EXPECT_EQ(PrepareInput(*s, Cp(utf8)), Rejection::None);
    RunSegmentLoop(*s, [](TranslationState& st) { BuildSentence(st); });
    return s;
}

// The word at `position` (from 1), or null.
inline WordNode* WordAt(const TranslationState& s, int position) {
    WordNode* n = s.WordList.Head;
    for (int p = 1; n != nullptr && p < position; ++p) n = n->Next;
    return n;
}

// "SpWord SvWord SpClass FormCode PersonNo WordTag", texts in UTF-8.
inline std::string Compact(const TranslationState& s, int position) {
    const WordNode* n = WordAt(s, position);
    if (n == nullptr) return "(none)";
    return Utf(n->SpWord) + " " + Utf(n->SvWord) + " " + std::to_string(n->SpClass) + " " +
           std::to_string(n->FormCode) + " " + std::to_string(n->PersonNo) + " " + Utf(s.WordTags.Get(position));
}

inline std::vector<std::string> CompactSentence(const TranslationState& s) {
    std::vector<std::string> out;
    for (int p = 1; p <= s.WordCount; ++p) out.push_back(Compact(s, p));
    return out;
}

// One word of a built sentence and its expected compact view.
struct WordCase {
    const char* name;
    std::string sentence;
    int position;
    std::string expected;
};

inline void PrintTo(const WordCase& c, std::ostream* os) { *os << c.sentence << " @" << c.position; }
inline std::string CaseName(const testing::TestParamInfo<WordCase>& info) { return info.param.name; }

// One word of a built sentence against its compact view; each concern
// instantiates it with its own cases.
class BuiltWord : public testing::TestWithParam<WordCase> {};

// ---- Rows of word tags for the grammar ----

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
        w.SpWord = "w" + std::to_string(i);
        w.SvWord = std::to_string(i);
        w.SvForm = w.SvWord;
        w.ClassTag = tags[static_cast<std::size_t>(i - 1)];
        w.PersonNo = person;
    }
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

// ---- A hand-built scene, for the corners no sentence reaches ----

// One word with the fields the Swedish routines and renderers read; texts in UTF-8.
struct Wd {
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

// One merged phrase.
struct Ph {
    std::string tag = {};
    int rule = 0;
    std::vector<std::string> members = {};
};

// Words and phrases over the dictionaries of tests/fixtures/swedish (or
// another fixture), with CurWord and PhraseCursor on the first of each.
class Scene {
public:
    explicit Scene(const std::vector<Wd>& words = {}, const std::vector<Ph>& phrases = {},
                   const Lexicon& lexicon = FixtureLexicon("swedish"))
        : s(lexicon) {
        s.OutTags.Resize(40);
        s.KeepOutWords = true;
        for (const Wd& w : words) Add(w);
        for (const Ph& p : phrases) AddPhrase(p);
        s.CurWord = s.WordList.Head;
        s.PhraseCursor = s.MergedPhraseList.Head;
    }

    WordNode& Add(const Wd& w) {
        WordNode* node = s.WordList.Add(s.Arena, s.WordList.Head == nullptr);
        node->SpWord = Cp(w.sp);
        node->SpText = node->SpWord;
        node->SvWord = Cp(w.sv);
        node->SvForm = node->SvWord;
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
    // The tags and words of the output record.
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
    void AddPhrase(const Ph& p) {
        PhraseNode* node = s.MergedPhraseList.Add(s.Arena, s.MergedPhraseList.Head == nullptr);
        node->Tag = p.tag;
        node->RuleNo = p.rule;
        for (std::size_t i = 0; i < p.members.size() && i < kMaxMembers; ++i) node->Members[i + 1] = p.members[i];
        node->MemberCount = static_cast<int>(p.members.size());
    }

    std::vector<WordNode*> words_;
    bool lead_ = false;
};

// A form in code page 1252 from UTF-8, as the routines take it.
inline Str30 Form(const std::string& utf8) { return Str30(Cp(utf8)); }

}  // namespace quelvo::testing_support
