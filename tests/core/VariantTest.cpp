// Variant values and their text.
#include <gtest/gtest.h>

#include "platform/core/Classes.h"

namespace {

TEST(Variant, PrintsEveryKind) {
    struct Case {
        Variant value;
        TVarType type;
        const char* text;
    } cases[] = {
        {Variant(), varEmpty, ""},     {Variant("abc"), varString, "abc"}, {Variant(-5), varInteger, "-5"},
        {Variant(true), varBoolean, "True"}, {Variant(false), varBoolean, "False"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.value.VarType(), c.type) << c.text;
        EXPECT_EQ(VarToStr(c.value), c.text);
    }
    EXPECT_TRUE(VarIsEmpty(Variant()));
    EXPECT_NE(Variant(1), Variant(true));
    EXPECT_NE(Variant("1"), Variant(1));
    EXPECT_THROW(Variant(1).AsString(), EVariantError);
}

}  // namespace
