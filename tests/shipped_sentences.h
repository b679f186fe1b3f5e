#pragma once
// A whole-sentence test over the dictionaries the build ships (build/data):
// each row is a Spanish sentence and the Swedish line it gives.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <variant>

#include "quelvo/translator.h"

namespace quelvo {

struct ReadingRow {
    const char* name;
    const char* spanish;
    const char* swedish;
};

inline void PrintTo(const ReadingRow& row, std::ostream* os) { *os << row.spanish; }

class ShippedSentences : public testing::TestWithParam<ReadingRow> {
public:
    static void SetUpTestSuite() {
        auto opened = Translator::Open(QUELVO_BUILD_DATA);
        if (auto* error = std::get_if<DataError>(&opened)) ADD_FAILURE() << error->Describe();
        if (auto* ok = std::get_if<Translator>(&opened)) translator_ = std::make_unique<Translator>(std::move(*ok));
    }
    static void TearDownTestSuite() { translator_.reset(); }

protected:
    void ExpectLine() const {
        ASSERT_NE(translator_, nullptr);
        const Translation t = translator_->Translate(GetParam().spanish);
        EXPECT_EQ(t.rejection, Rejection::None);
        EXPECT_EQ(t.text, GetParam().swedish);
    }

private:
    static inline std::unique_ptr<Translator> translator_;
};

inline std::string RowName(const testing::TestParamInfo<ReadingRow>& info) { return info.param.name; }

}  // namespace quelvo
