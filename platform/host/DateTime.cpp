// The class library's time of day and date over the process clock and the host's time zone.
#include "DateTime.h"

#include "Clock.h"

#include <ctime>

i64 LocalSecondsFromWall(i64 wallSeconds) {
    const std::time_t t = static_cast<std::time_t>(wallSeconds);
    std::tm local{};
    if (localtime_r(&t, &local) == nullptr)
        return wallSeconds;
    return wallSeconds + static_cast<i64>(local.tm_gmtoff);
}

TTime::TTime()
    : Secs(static_cast<u32>(LocalSecondsFromWall(GetWallSeconds()) + SecondsFrom1901To1970)) {}

TDate::TDate() : TDate(TTime()) {}

TDate::TDate(const TTime& time) {
    // Days since 1 March 0000 turned into a civil date (the proleptic Gregorian calendar,
    // which the range 1901-2037 lies well inside).
    constexpr i64 DaysFrom0000To1901 = 694'266; // 1 March 0000 to 1 January 1901
    const i64 days = static_cast<i64>(time.Seconds() / 86'400U) + DaysFrom0000To1901;
    const i64 era = days / 146'097;
    const i64 dayOfEra = days - era * 146'097;
    const i64 yearOfEra =
        (dayOfEra - dayOfEra / 1'460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const i64 dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const i64 monthIndex = (5 * dayOfYear + 2) / 153; // 0 = March
    Day = static_cast<u32>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    MonthOfYear = static_cast<u32>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    YearNumber = static_cast<u32>(yearOfEra + era * 400 + (MonthOfYear <= 2 ? 1 : 0));
}
