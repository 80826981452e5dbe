// TTime and TDate: the class library's time of day (seconds since 1901 on the local clock)
// and the calendar date made from it.
#pragma once

#include "Types.h"

// Seconds from 1 January 1901 to 1 January 1970.
constexpr u32 SecondsFrom1901To1970 = 2'177'452'800U;

// A u32 count of seconds since midnight of 1 January 1901, local time. Save files store it
// as it is, so it wraps in February 2037 as the class library's did.
class TTime {
public:
    // Now, from the process clock's wall time shifted to the local time zone.
    TTime();
    explicit TTime(u32 seconds) : Secs(seconds) {}

    u32 Seconds() const { return Secs; }
    u32 Hour() const { return Secs / 3600U % 24U; }
    u32 Minute() const { return Secs / 60U % 60U; }
    u32 Second() const { return Secs % 60U; }

    friend bool operator==(const TTime&, const TTime&) = default;

private:
    u32 Secs;
};

// A calendar date from 1 January 1901 on.
class TDate {
public:
    // Today, on the local clock.
    TDate();
    explicit TDate(const TTime& time);

    // 1 to 12.
    u32 Month() const { return MonthOfYear; }
    // 1 to 31.
    u32 DayOfMonth() const { return Day; }
    u32 Year() const { return YearNumber; }

private:
    u32 MonthOfYear = 1;
    u32 Day = 1;
    u32 YearNumber = 1901;
};

// Local time as a count of seconds since 1970: the wall seconds plus the time zone's offset
// (daylight saving included) at that moment.
i64 LocalSecondsFromWall(i64 wallSeconds);
