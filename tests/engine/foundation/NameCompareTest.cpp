// The shared name order: antisymmetric, case-sensitive and safe for bytes above 127.
#include "engine/foundation/NameCompare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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

TEST(NameCompare, SortsConsistentlyWithItsOwnSearch) {
    std::vector<std::string> names = {"f1glrd00\\",        "dealer.skl", "Dealer.skl", "chips.spl",
                                      "\xC3\xA9t\xC3\xA9", "a",          "a.b",        "z"};
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return JorpNameCompare(a, b) < 0; });
    for (const auto& name : names)
        EXPECT_TRUE(std::binary_search(
            names.begin(), names.end(), name,
            [](const std::string& a, const std::string& b) { return JorpNameCompare(a, b) < 0; }))
            << name;
}

} // namespace
