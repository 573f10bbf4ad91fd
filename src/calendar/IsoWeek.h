// IsoWeek: ISO 8601 week dates. Week 1 of a week-numbering year is the week (Monday to
// Sunday) that holds the year's first Thursday; a year has 52 or 53 weeks.
#pragma once

#include <cstdint>

namespace DateJobs {

struct IsoWeekDate {
    int32_t year = 0;    // week-numbering year, astronomical
    int32_t week = 0;    // 1 .. 53
    int32_t weekday = 0; // 1 Monday .. 7 Sunday
};

// Any JDN within kSmallestDay .. kLargestDay.
IsoWeekDate IsoWeekOf(int32_t jdn);
// The JDN of a week date; false (jdn untouched) for a week or weekday the year lacks or a day
// beyond kSmallestDay .. kLargestDay.
bool IsoWeekToJdn(const IsoWeekDate& date, int32_t& jdn);

} // namespace DateJobs
