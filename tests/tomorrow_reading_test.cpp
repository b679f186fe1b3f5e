// "mañana" over the shipped dictionaries: the adverb "i morgon" unless an
// article that can go with the singular noun stands before it. An enclitic
// object pronoun ("comprarlos") looks like an article but is none.
#include <gtest/gtest.h>

#include "support.h"

namespace quelvo {
namespace {

using testing_support::Cp;
using testing_support::Utf;

struct ReadingRow {
    const char* sentence;
    const char* swedish;  // what "mañana" says
};

void PrintTo(const ReadingRow& row, std::ostream* os) { *os << row.sentence; }

class TomorrowReading : public testing::TestWithParam<ReadingRow> {};

std::string TomorrowIn(const std::string& utf8) {
    static const auto loaded = Lexicon::Load(QUELVO_BUILD_DATA);
    const auto* lexicon = std::get_if<std::shared_ptr<const Lexicon>>(&loaded);
    if (lexicon == nullptr) return "(no dictionaries)";
    TranslationState s(**lexicon);
    EXPECT_EQ(PrepareInput(s, Cp(utf8)), Rejection::None);
    std::string reading = "(none)";
    RunSegmentLoop(s, [&reading](TranslationState& st) {
        BuildSentence(st);
        for (const WordNode* n = st.WordList.Head; n != nullptr; n = n->Next)
            if (Utf(n->SpText) == "mañana" || Utf(n->SpText) == "mañanas") reading = Utf(n->SvWord);
    });
    return reading;
}

TEST_P(TomorrowReading, ReadsTheWord) { EXPECT_EQ(TomorrowIn(GetParam().sentence), GetParam().swedish); }

INSTANTIATE_TEST_SUITE_P(Rows, TomorrowReading,
                         testing::Values(ReadingRow{"Voy a comprarlos mañana.", "i morgon"},
                                         ReadingRow{"Juan va a leerlas mañana.", "i morgon"},
                                         ReadingRow{"Voy a hacerlo mañana.", "i morgon"},
                                         ReadingRow{"Ana quiere traerlas mañana.", "i morgon"},
                                         ReadingRow{"Juan viene mañana.", "i morgon"},
                                         ReadingRow{"Mañana leo el libro.", "i morgon"},
                                         ReadingRow{"La mañana es fría.", "morgon"},
                                         ReadingRow{"Las mañanas son frías.", "morgon"},
                                         ReadingRow{"Quiero pasar la mañana en casa.", "morgon"},
                                         ReadingRow{"Juan llega una mañana de mayo.", "morgon"}));

}  // namespace
}  // namespace quelvo
