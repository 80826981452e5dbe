// Tests for TMoney: construction from denominations, cents, whole-dollar modulo and Format.
#include "engine/foundation/Money.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(MoneyTest, KindsAndDenominations) {
    EXPECT_EQ(TMoney().GetValue(), 0.0);
    EXPECT_EQ(TMoney(0, 25).GetValue(), 25.0);
    EXPECT_EQ(TMoney(0, -7).GetValue(), -7.0);
    EXPECT_EQ(TMoney(1, 2).GetValue(), 0.05);
    EXPECT_EQ(TMoney(1, 14).GetValue(), 1000.0);
    EXPECT_EQ(TMoney(1, 15).GetValue(), 0.0);
    EXPECT_EQ(TMoney(1, -1).GetValue(), 0.0);
    EXPECT_EQ(TMoney(2, 3).GetValue(), 0.0);

    const double amounts[DenominationCount] = {0, 0.01, 0.05, 0.10, 0.25, 0.50, 1,   2,
                                               5, 10,   25,   50,   100,  500,  1000};
    for (i16 i = 0; i < DenominationCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(DenominationTable[i].GetValue(), amounts[i]);
        EXPECT_EQ(TMoney(1, i).IndexOfDenomination(), i);
    }
    EXPECT_EQ(TMoney(0.75).IndexOfDenomination(), -1);
    EXPECT_EQ(TMoney(-1.0).IndexOfDenomination(), -1);
}

TEST(MoneyTest, CentsOfTheAbsoluteValue) {
    const struct {
        double Value;
        i32 Cents;
    } cases[] = {{0.29, 29}, {-12.07, 7}, {0.0, 0},   {1234.5, 50},
                 {0.01, 1},  {19.99, 99}, {-0.05, 5}, {3e9 + 0.57, 57}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Value);
        EXPECT_EQ(TMoney(c.Value).Cents(), c.Cents);
    }
}

TEST(MoneyTest, WholeDollarModuloTruncatesTowardZero) {
    EXPECT_EQ(TMoney(130.99).ModInt(25).GetValue(), 5.0);
    EXPECT_EQ(TMoney(-130.0).ModInt(25).GetValue(), -5.0);
    EXPECT_EQ(TMoney(-130.99).ModLong(25).GetValue(), -5.0);
    EXPECT_EQ(TMoney(130.0).ModInt(-25).GetValue(), 5.0);
    EXPECT_EQ(TMoney(130.0).ModInt(0).GetValue(), 0.0);
    EXPECT_EQ(TMoney(-0.5).ModInt(3).GetValue(), 0.0);

    EXPECT_EQ(TMoney(130.0).ModMoney(TMoney(25.75)).GetValue(), 5.0);
    EXPECT_EQ(TMoney(130.0).ModMoney(TMoney(0.99)).GetValue(), 0.0);
    EXPECT_EQ(TMoney(-131.0).ModMoney(TMoney(-25.0)).GetValue(), -6.0);

    // Past 2^31 whole dollars the remainder is still right.
    EXPECT_EQ(TMoney(5000000005.0).ModInt(10).GetValue(), 5.0);
    EXPECT_EQ(TMoney(-5000000007.0).ModMoney(TMoney(1e9)).GetValue(), -7.0);
    // Out of every integer range: pinned, never undefined.
    EXPECT_EQ(TMoney(1e300).ModInt(-1).GetValue(), 0.0);
    EXPECT_EQ(TMoney(-1e300).ModMoney(TMoney(-1.0)).GetValue(), 0.0);
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
        {-12.07, true, true, true, "-$12.07"},
        {-12.07, false, true, true, "-$12"},
        {999.0, false, false, true, "$999"},
        {1000.0, false, false, true, "$1,000"},
        {123456.0, false, false, true, "$123,456"},
        {1234567.0, false, false, true, "$1,234,567"},
        {123456789.0, false, false, true, "$123,456,789"},
        {1234567890.0, false, false, true, "$1,234,567,890"},
        {-2147483648.25, true, true, true, "-$2,147,483,648.25"},
        {5000000000.0, true, true, true, "$5,000,000,000.00"},
        {5000000000.0, false, false, false, "$5000000000"},
        {123456789012345.0, false, false, true, "$123,456,789,012,345"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(TMoney(c.Value).Format(c.Cents, c.ZeroCents, c.Commas), c.Text);
    }
}

TEST(MoneyTest, ArithmeticAndOrder) {
    TMoney bankroll(100.0);
    bankroll -= TMoney(0, 25);
    bankroll += TMoney(1, 5);
    EXPECT_EQ(bankroll.GetValue(), 75.5);
    EXPECT_EQ((bankroll * 2.0).GetValue(), 151.0);
    EXPECT_EQ((TMoney(10.0) - TMoney(12.5)).GetValue(), -2.5);
    EXPECT_LT(TMoney(1, 3), TMoney(1, 4));
    EXPECT_EQ(TMoney(0, 5), TMoney(1, 8));
    EXPECT_NE(TMoney(0, 5), TMoney(1, 7));
}

// Save-file records hold the amount as a raw double.
TEST(MoneyTest, HoldsExactlyItsDouble) {
    const TMoney m(-1234.56);
    double raw = 0.0;
    std::memcpy(&raw, &m, sizeof raw);
    EXPECT_EQ(raw, -1234.56);
}

} // namespace
