// The class library's time of day and date: the 1901 epoch, calendar edges and the local clock.
#include "platform/host/DateTime.h"

#include "platform/host/Clock.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <tuple>

namespace {

struct TDateCase {
    u32 Seconds;
    u32 Year, Month, Day, Hour, Minute, Second;
};

TEST(DateTime, DatesFromTimesAcrossLeapYearsAndTheWrap) {
    const TDateCase cases[] = {
        {0U, 1901, 1, 1, 0, 0, 0},
        {99'748'800U, 1904, 2, 29, 12, 0, 0},
        {2'177'452'800U, 1970, 1, 1, 0, 0, 0},
        {3'124'137'599U, 1999, 12, 31, 23, 59, 59},
        {3'129'235'200U, 2000, 2, 29, 0, 0, 0},
        {3'129'321'600U, 2000, 3, 1, 0, 0, 0},
        {3'912'309'005U, 2024, 12, 22, 8, 30, 5},
        {0xFFFF'FFFFU, 2037, 2, 6, 6, 28, 15},
    };
    for (const TDateCase& c : cases) {
        SCOPED_TRACE(c.Seconds);
        const TTime time(c.Seconds);
        const TDate date(time);
        EXPECT_EQ(std::tuple(date.Year(), date.Month(), date.DayOfMonth()),
                  std::tuple(c.Year, c.Month, c.Day));
        EXPECT_EQ(std::tuple(time.Hour(), time.Minute(), time.Second()),
                  std::tuple(c.Hour, c.Minute, c.Second));
    }
}

// Sets the process's time zone for one test and puts the old one back.
class TScopedTimeZone {
public:
    explicit TScopedTimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ"); old != nullptr)
            Old = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~TScopedTimeZone() {
        if (Old)
            setenv("TZ", Old->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> Old;
};

TEST(DateTime, NowIsTheClocksWallTimeOnTheLocalClock) {
    // 2024-12-22 03:00:00 UTC.
    TFakeClock clock(0, 1'734'836'400);
    TScopedClockSource useClock(clock);
    // Five hours west of Greenwich it is still the evening before.
    TScopedTimeZone zone("EST5");
    const TTime now;
    EXPECT_EQ(now.Seconds(), 1'734'836'400U + SecondsFrom1901To1970 - 5U * 3600U);
    EXPECT_EQ(now.Hour(), 22U);
    const TDate today;
    EXPECT_EQ(std::tuple(today.Year(), today.Month(), today.DayOfMonth()),
              std::tuple(2024U, 12U, 21U));
}

} // namespace
