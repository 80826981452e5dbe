// The shared name order: antisymmetric, case-sensitive and safe for bytes above 127.
#include "engine/foundation/NameCompare.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(NameCompare, OrdersNamesAsUnsignedBytes) {
    struct Case {
        std::string A, B;
        i32 Expected;
    };
    const Case cases[] = {
        {"", "", 0},
        {"a.skl", "a.skl", 0},
        {"a", "b", -1},
        {"B", "a", -1}, // capitals first: the order is case-sensitive
        {"ab", "a", 1},
        {"", "a", -1},
        {"\xE9t\xE9", "zz", 1}, // accented bytes sort above ASCII on every machine
        {std::string("a\0b", 3), std::string("a\0c", 3), -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JorpNameCompare(c.A, c.B), c.Expected) << c.A << " ? " << c.B;
        EXPECT_EQ(JorpNameCompare(c.B, c.A), -c.Expected) << c.B << " ? " << c.A;
    }
}

} // namespace
