// The statistics calculator's cell rules and arithmetic: formats, whole dollars, divisors of 0.
#include "craps/stats/CasinoStatCalc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using Calc = TCasinoStatCalc;

TEST(StatCalcCells, DatesPrintMonthDayAndTheYearInTwoDigitsAroundTheCentury) {
    struct {
        u32 Month, Day, Year;
        const char* Text;
    } cases[] = {
        {12, 31, 1999, "12/31/99"},
        {1, 1, 2000, "01/01/00"},
        {7, 4, 2100, "07/04/100"},
        {3, 9, 1901, "03/09/01"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Calc::FormatDateText(c.Month, c.Day, c.Year), c.Text) << c.Year;
}

TEST(StatCalcCells, MoneyShowsWholeDollarsTowardZeroAndNonNumbersAsZero) {
    struct {
        double Amount;
        const char* Text;
    } cases[] = {
        {1234.56, "$1234"},
        {-25.75, "-$25"},
        {-0.40, "-$0"},
        {0.0, "$0"},
        {std::numeric_limits<double>::quiet_NaN(), "$0"},
        {std::numeric_limits<double>::infinity(), "$0"},
        {-std::numeric_limits<double>::infinity(), "$0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Calc::FormatMoney(c.Amount), c.Text) << c.Amount;
}
