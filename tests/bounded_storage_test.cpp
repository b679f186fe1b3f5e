// Fixed-capacity storage reports what does not fit instead of writing past
// its end or losing it unseen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/inline_list.h"
#include "lexicon/tab_records.h"

namespace quelvo {
namespace {

struct FieldCountCase {
    std::size_t fields;
    bool fits;
};

class TabRecordFieldCount : public testing::TestWithParam<FieldCountCase> {};

TEST_P(TabRecordFieldCount, IsBoundedByTheRecord) {
    const std::vector<TabField> fields(GetParam().fields, TabField{10});
    std::string record = "a";
    for (std::size_t k = 1; k < GetParam().fields; ++k) record += "\tb";
    int records = 0;
    const auto fault = ReadTabRecords(record + "\r\n" + record + "\r\n", fields, [&records](const TabFields&) { ++records; });
    EXPECT_EQ(fault.has_value(), !GetParam().fits);
    if (fault) {
        EXPECT_EQ(fault->line, 1);
        EXPECT_NE(fault->reason.find(std::to_string(GetParam().fields)), std::string::npos) << fault->reason;
        EXPECT_EQ(records, 0);
    } else {
        EXPECT_EQ(records, 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, TabRecordFieldCount,
                         testing::Values(FieldCountCase{0, false}, FieldCountCase{2, true},
                                         FieldCountCase{kMaxTabFields, true},
                                         FieldCountCase{kMaxTabFields + 1, false}));

TEST(InlineList, ReportsWhatItCannotHold) {
    constexpr InlineList<int, 2> full{1, 2};
    constexpr InlineList<int, 2> over{1, 2, 3};
    static_assert(!full.Overflowed() && full.size() == 2);
    static_assert(over.Overflowed() && over.size() == 2 && over[1] == 2);
    InlineList<int, 1> list;
    EXPECT_TRUE(list.Add(7));
    EXPECT_FALSE(list.Add(8));
    EXPECT_TRUE(list.Overflowed());
    EXPECT_EQ(list[0], 7);
}

}  // namespace
}  // namespace quelvo
