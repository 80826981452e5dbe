// Tests for TMoney: construction from denominations, cents, whole-dollar modulo and Format.
#include "engine/foundation/Money.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace {

TEST(MoneyTest, KindsAndDenominations) {
    const struct {
        i16 Kind, N;
        double Value;
    } made[] = {{0, 25, 25.0}, {0, -7, -7.0}, {1, 2, 0.05}, {1, 14, 1000.0},
                {1, 15, 0.0},  {1, -1, 0.0},  {2, 3, 0.0}};
    for (const auto& c : made)
        EXPECT_EQ(TMoney(c.Kind, c.N).GetValue(), c.Value) << c.Kind << "/" << c.N;

    const double amounts[DenominationCount] = {0, 0.01, 0.05, 0.10, 0.25, 0.50, 1,   2,
                                               5, 10,   25,   50,   100,  500,  1000};
    for (i16 i = 0; i < DenominationCount; ++i) {
        EXPECT_EQ(DenominationTable[i].GetValue(), amounts[i]) << i;
        EXPECT_EQ(TMoney(1, i).IndexOfDenomination(), i);
    }
    EXPECT_EQ(TMoney(0.75).IndexOfDenomination(), -1);
}

TEST(MoneyTest, CentsOfTheAbsoluteValue) {
    const struct {
        double Value;
        i32 Cents;
    } cases[] = {{0.29, 29}, {-12.07, 7}, {0.0, 0},   {1234.5, 50},
                 {0.01, 1},  {19.99, 99}, {-0.05, 5}, {3e9 + 0.57, 57}};
    for (const auto& c : cases)
        EXPECT_EQ(TMoney(c.Value).Cents(), c.Cents) << c.Value;
}

TEST(MoneyTest, WholeDollarModuloTruncatesTowardZero) {
    const struct {
        double Value, Divisor, Expected;
        bool ByMoney;
    } cases[] = {
        {130.99, 25, 5, false},
        {-130.0, 25, -5, false},
        {130.0, -25, 5, false},
        {130.0, 0, 0, false},
        {-0.5, 3, 0, false},
        {130.0, 25.75, 5, true},
        {130.0, 0.99, 0, true},
        {-131.0, -25.0, -6, true},
        // Past 2^31 whole dollars the remainder is still right.
        {5000000005.0, 10, 5, false},
        {-5000000007.0, 1e9, -7, true},
        // Out of every integer range: pinned, never undefined.
        {1e300, -1, 0, false},
        {-1e300, -1.0, 0, true},
        // A hair below a whole dollar counts that dollar.
        {24.999999999999996, 25, 0, false},
        {-0.99999999999999989, 2, -1, false},
        {49.999999999999993, 25.0, 0, true},
    };
    for (const auto& c : cases) {
        const TMoney m(c.Value);
        const TMoney r =
            c.ByMoney ? m.ModMoney(TMoney(c.Divisor)) : m.ModInt(static_cast<i32>(c.Divisor));
        EXPECT_EQ(r.GetValue(), c.Expected) << c.Value << " % " << c.Divisor;
    }
}

TEST(MoneyTest, FormatTable) {
    const struct {
        double Value;
        bool Cents, ZeroCents, Commas;
        const char* Text;
    } cases[] = {
        {1234.5, true, true, false, "$1234.50"},
        {-0.05, true, true, false, "-$0.05"},
        {20.0, true, false, false, "$20"},
        {20.0, true, true, false, "$20.00"},
        {1234567.89, true, true, true, "$1,234,567.89"},
        {0.0, false, false, false, "$0"},
        {0.29, true, false, false, "$0.29"},
        // Ten cents is the first amount of two cent digits: neither ".010" nor ".1".
        {0.10, true, false, false, "$0.10"},
        {1.10, true, true, false, "$1.10"},
        {-0.10, true, true, false, "-$0.10"},
        {0.09, true, false, false, "$0.09"},
        {-12.07, true, true, true, "-$12.07"},
        {-12.07, false, true, true, "-$12"},
        {999.0, false, false, true, "$999"},
        {1000.0, false, false, true, "$1,000"},
        {123456.0, false, false, true, "$123,456"},
        {1234567890.0, false, false, true, "$1,234,567,890"},
        {-2147483648.25, true, true, true, "-$2,147,483,648.25"},
        {5000000000.0, true, true, true, "$5,000,000,000.00"},
        {5000000000.0, false, false, false, "$5000000000"},
        {123456789012345.0, false, false, true, "$123,456,789,012,345"},
        // Rounded once on the total in cents, so a hair below a dollar is that dollar.
        {0.99999999999999989, true, true, false, "$1.00"},
        {2.9999999999999996, true, true, false, "$3.00"},
        {-0.99999999999999989, true, true, false, "-$1.00"},
        {1999.9999999999998, true, true, true, "$2,000.00"},
        {0.995, true, true, false, "$0.99"},
        {9007199254740993.0, true, true, true, "$9,007,199,254,740,992.00"},
        // Nothing to show for amounts that are no number.
        {std::numeric_limits<double>::quiet_NaN(), true, true, false, "$0.00"},
        {std::numeric_limits<double>::infinity(), true, true, true, "$0.00"},
        {-std::numeric_limits<double>::infinity(), false, false, false, "$0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TMoney(c.Value).Format(c.Cents, c.ZeroCents, c.Commas), c.Text);
}

TEST(MoneyTest, TenDimesMakeADollarEverywhere) {
    TMoney sum;
    for (int i = 0; i < 10; ++i)
        sum += TMoney(0.10);
    ASSERT_LT(sum.GetValue(), 1.0);
    EXPECT_EQ(sum.Format(true, true, false), "$1.00");
    EXPECT_EQ(sum.Cents(), 0);
    EXPECT_EQ(sum.ModInt(2).GetValue(), 1.0);
}

TEST(MoneyTest, ArithmeticOnWholeCents) {
    const struct {
        double Value, Operand;
        char Op;
        double Expected;
    } cases[] = {
        {7.50, 2, '/', 3.75},
        {-12.0, 4, '/', -3.0},
        {25.0, 0.5, '/', 50.0},
        {3.0, 1.5, '*', 4.5},
        {-0.25, 4, '*', -1.0},
        {1000.0, 0.05, '*', 50.0},
        // Division by zero leaves nothing, not an infinite or undefined amount.
        {5.0, 0.0, '/', 0.0},
        {-5.0, -0.0, '/', 0.0},
        {0.0, 0.0, '/', 0.0},
    };
    for (const auto& c : cases) {
        const TMoney m(c.Value);
        const TMoney r = c.Op == '/' ? m / c.Operand : m * c.Operand;
        EXPECT_EQ(r.GetValue(), c.Expected) << c.Value << c.Op << c.Operand;
    }
    EXPECT_EQ((-TMoney(12.07)).GetValue(), -12.07);
    EXPECT_EQ((-TMoney(-12.07)).Format(true, true, false), "$12.07");
    // Non-numbers pass through without undefined behaviour.
    EXPECT_EQ((TMoney(std::numeric_limits<double>::quiet_NaN()) / 0.0).GetValue(), 0.0);
    EXPECT_EQ(TMoney(std::numeric_limits<double>::infinity()).ModInt(7).GetValue(),
              static_cast<double>(std::numeric_limits<i64>::max() % 7));
}

// Save-file records hold the amount as a raw double.
TEST(MoneyTest, HoldsExactlyItsDouble) {
    const TMoney m(-1234.56);
    double raw = 0.0;
    std::memcpy(&raw, &m, sizeof raw);
    EXPECT_EQ(raw, -1234.56);
}

} // namespace
