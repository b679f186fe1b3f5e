#pragma once
// Whole sentences over the shipped dictionaries: the fixture that opens them
// once per suite and compares one Spanish sentence with its Swedish line.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <variant>

#include "quelvo/translator.h"

namespace quelvo {

struct Row {
    const char* spanish;
    const char* swedish;
};

inline void PrintTo(const Row& row, std::ostream* os) { *os << row.spanish; }

class ShippedSentences : public testing::TestWithParam<Row> {
public:
    static void SetUpTestSuite() {
        auto opened = Translator::Open(QUELVO_BUILD_DATA);
        if (auto* error = std::get_if<DataError>(&opened)) FAIL() << error->Describe();
        translator_ = std::make_unique<Translator>(std::move(std::get<Translator>(opened)));
    }
    static void TearDownTestSuite() { translator_.reset(); }

protected:
    void ExpectLine() const {
        ASSERT_NE(translator_, nullptr);
        EXPECT_EQ(translator_->Translate(GetParam().spanish).text, GetParam().swedish);
    }

private:
    static inline std::unique_ptr<Translator> translator_;
};

}  // namespace quelvo
