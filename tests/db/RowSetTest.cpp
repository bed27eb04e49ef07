#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/db/DBErrors.h"
#include "platform/db/RowSet.h"

namespace {

// Rows of (group text, number, tag); the tag shows where each row ended up.
TRowSet SampleRows() {
    TRowSet rows;
    rows.Columns = {{"GROUP_NAME", ftWideString}, {"ORDINAL", ftInteger}, {"TAG", ftWideString}};
    const auto add = [&](TFieldValue group, long long ordinal, const char* tag) {
        rows.Rows.push_back({std::move(group), TFieldValue(ordinal), TFieldValue(std::string(tag))});
    };
    add(TFieldValue(std::string("b")), 10, "b10");
    add(TFieldValue(std::string("a")), 2, "a2-first");
    add(TFieldValue(), 1, "null1");
    add(TFieldValue(std::string("a")), 10, "a10");
    add(TFieldValue(std::string("a")), 2, "a2-second");
    add(TFieldValue(std::string("b")), 9, "b9");
    return rows;
}

std::vector<std::string> Tags(const TRowSet& rows) {
    std::vector<std::string> tags;
    for (const auto& row : rows.Rows) tags.push_back(row[2].AsString());
    return tags;
}

TEST(RowSetSort, OrdersByEveryKeyStablyWithNumbersAsNumbers) {
    struct Case {
        const char* Order;
        std::vector<std::string> Expected;
    };
    const Case cases[] = {
        {"GROUP_NAME, ORDINAL", {"null1", "a2-first", "a2-second", "a10", "b9", "b10"}},
        {"group_name,ordinal DESC", {"null1", "a10", "a2-first", "a2-second", "b10", "b9"}},
        {"ORDINAL", {"null1", "a2-first", "a2-second", "b9", "b10", "a10"}},
        {"", {"b10", "a2-first", "null1", "a10", "a2-second", "b9"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Order);
        TRowSet rows = SampleRows();
        rows.Sort(c.Order);
        EXPECT_EQ(Tags(rows), c.Expected);
    }
}

TEST(RowSetSort, UnknownFieldRaisesAndKeepsTheOrder) {
    TRowSet rows = SampleRows();
    EXPECT_THROW(rows.Sort("GROUP_NAME, NO_SUCH_FIELD"), EDatabaseError);
    EXPECT_EQ(Tags(rows), Tags(SampleRows()));
}

TEST(FieldValue, ReadsNullAsEmptyAndNumbersAsText) {
    EXPECT_EQ(TFieldValue().AsString(), "");
    EXPECT_EQ(TFieldValue().AsInteger(), 0);
    EXPECT_EQ(TFieldValue(42LL).AsString(), "42");
    EXPECT_EQ(TFieldValue(2.5).AsString(), "2.5");
    EXPECT_EQ(TFieldValue(std::string(" 17")).AsInteger(), 17);
    EXPECT_EQ(TFieldValue(std::string("x17")).AsInteger(), 0);
}

}  // namespace
