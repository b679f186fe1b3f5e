#pragma once
// Whole sentences built against the small analysis lexicon, and a compact
// view of each word for comparison.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "analysis/build_sentence.h"
#include "lexicon/lexicon.h"
#include "test_support.h"
#include "translate/translate_command.h"

namespace quelvo::testing_support {

inline const Lexicon& AnalysisLexicon() {
    static const std::shared_ptr<const Lexicon> lexicon = [] {
        auto loaded = Lexicon::Load(std::string(QUELVO_FIXTURES) + "/analysis");
        if (auto* error = std::get_if<DataError>(&loaded)) ADD_FAILURE() << error->Describe();
        auto* ok = std::get_if<std::shared_ptr<const Lexicon>>(&loaded);
        return ok != nullptr ? *ok : std::make_shared<const Lexicon>();
    }();
    return *lexicon;
}

// The state after BuildSentence of the last segment of `utf8`.
inline std::unique_ptr<TranslationState> Built(const std::string& utf8) {
    auto s = std::make_unique<TranslationState>(AnalysisLexicon());
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

}  // namespace quelvo::testing_support
