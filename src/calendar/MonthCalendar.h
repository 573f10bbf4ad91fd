// MonthCalendar: the few facts about a calendar that month and year arithmetic needs, keyed by
// the library's calendar letter ('G' Gregorian, 'J' Julian, 'A' Annus Novus). Everything that
// adds months or years asks here, so a calendar added to the library is added here only.
//
// Annus Novus: its ten months are the months of this arithmetic. Intercalarius, the leap
// day the library numbers as month 11, counts as the 38th day of Decimus (month 10), so
// Decimus is 37 days long in a common year and 38 in a leap year, and a leap day reached by
// adding years or months is clamped like 29 February. Dates come back with month 11 day 1 again.
#pragma once

#include <cstdint>

namespace DateJobs {

struct Ymd {
    int32_t year = 0; // astronomical
    int32_t month = 0;
    int32_t day = 0;
};

// 12 for 'G' and 'J', 10 for 'A'; any other letter reads as Gregorian. The count does not
// change from year to year in these calendars, which the arithmetic relies on.
int32_t MonthsInYear(int32_t letter, int32_t year);
// The length of month 1..MonthsInYear (Decimus with its leap day in Annus Novus).
int32_t DaysInMonth(int32_t letter, int32_t year, int32_t month);
// The JDN of a date with month 1..MonthsInYear and day 1..DaysInMonth (Annus Novus leap day
// as Decimus 38 or as month 11 day 1); saturates beyond int32 as the library does.
int32_t DateToJdn(int32_t letter, const Ymd& date);
// The date of any int32 JDN in the calendar (Annus Novus leap day as month 11 day 1).
Ymd JdnToDate(int32_t letter, int32_t jdn);

} // namespace DateJobs
