#include "calendar/IsoWeek.h"

#include "calendar/DateSpan.h"
#include "calendar/MonthCalendar.h"
#include "mibrexw.h"

namespace DateJobs {
namespace {

constexpr int64_t kMostYear = 6'000'000;

int64_t IsoWeekday(int64_t jdn) { // 1 Monday .. 7 Sunday; JDN 0 is a Monday
    const int64_t r = jdn % 7;
    return (r < 0 ? r + 7 : r) + 1;
}

// The Monday of week 1: the week of 4 January, which is always the first Thursday's week.
int64_t FirstMonday(int32_t year) {
    const int64_t january4 = DateToJdn('G', {year, 1, 4});
    return january4 - IsoWeekday(january4) + 1;
}

} // namespace

IsoWeekDate IsoWeekOf(int32_t jdn) {
    static constexpr int32_t kDaysBefore[12] = {0,   31,  59,  90,  120, 151,
                                                181, 212, 243, 273, 304, 334};
    const int64_t weekday = IsoWeekday(jdn);
    // A week belongs to the year of its Thursday; its week is the Thursday's day of the year
    // counted in sevens, found from the month and day without a second conversion. The
    // library is called here directly: its record read field by field is twice as fast as
    // through the Ymd copy, and ISO weeks are Gregorian only.
    DateRecord thursday{0, 0, 0, 'G', static_cast<int32_t>(jdn - weekday + 4), 0};
    jdn_to_euro_date(&thursday);
    const int32_t year = thursday.year;
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    const int32_t dayOfYear =
        kDaysBefore[thursday.month - 1] + thursday.day + (leap && thursday.month > 2 ? 1 : 0);
    return {year, (dayOfYear - 1) / 7 + 1, static_cast<int32_t>(weekday)};
}

bool IsoWeekToJdn(const IsoWeekDate& date, int32_t& jdn) {
    if (date.year < -kMostYear || date.year > kMostYear || date.weekday < 1 || date.weekday > 7 ||
        date.week < 1) {
        return false;
    }
    const int64_t monday1 = FirstMonday(date.year);
    const int64_t weeks = (FirstMonday(date.year + 1) - monday1) / 7;
    const int64_t day = monday1 + int64_t{7} * (date.week - 1) + date.weekday - 1;
    if (date.week > weeks || day < kSmallestDay || day > kLargestDay) {
        return false;
    }
    jdn = static_cast<int32_t>(day);
    return true;
}

} // namespace DateJobs
