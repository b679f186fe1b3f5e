#pragma once
// Whole sentences through the public interface over the dictionaries the
// build ships (build/data): one translator for the test program.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <variant>

#include "quelvo/translator.h"

namespace quelvo::testing_support {

inline const Translator* ShippedTranslator() {
    static const std::unique_ptr<Translator> translator = [] {
        auto opened = Translator::Open(QUELVO_BUILD_DATA);
        if (auto* error = std::get_if<DataError>(&opened)) ADD_FAILURE() << error->Describe();
        auto* ok = std::get_if<Translator>(&opened);
        return ok != nullptr ? std::make_unique<Translator>(std::move(*ok)) : nullptr;
    }();
    return translator.get();
}

// The sentence gives exactly this Swedish line.
inline void ExpectShippedLine(const std::string& spanish, const std::string& swedish) {
    const Translator* translator = ShippedTranslator();
    ASSERT_NE(translator, nullptr);
    const Translation t = translator->Translate(spanish);
    EXPECT_EQ(t.rejection, Rejection::None);
    EXPECT_EQ(t.text, swedish);
}

}  // namespace quelvo::testing_support
