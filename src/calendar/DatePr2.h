// DatePr2: calendar arithmetic on top of the calendar library. Every conversion between a
// calendar date and a day number, and every weekday, is one library call; this module
// combines them into what the windows need. No Qt.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>

#include "calendar/Kinds.h"
#include "mibrexw.h"

namespace DatePr2 {

inline constexpr int32_t firstYyyydddDay = 1721426; // 0001-01-01 CE
inline constexpr int32_t lastYyyydddDay = 5373484;  // 9999-12-31 CE
inline constexpr int32_t largestDayNumber = 2100000000;
inline constexpr int32_t smallestDayNumber = -2100000000;
inline constexpr const char* largestWholeNumberText = "2147483647";

// The one replaceable "now": the machine's local date and time unless a test sets another.
struct LocalNow {
    int32_t year = 0, month = 0, day = 0; // Gregorian
    int32_t hour = 0, minute = 0, second = 0;
};
using NowFunction = std::function<LocalNow()>;
void SetNow(NowFunction now);             // an empty function restores the system clock
LocalNow Now();                           // the set function's reading, or the system clock's
LocalNow LocalNowAt(std::time_t seconds); // the local time of seconds since 1970 UTC

// True for smallestDayNumber .. largestDayNumber, the days every window can show.
bool InDayNumberRange(int32_t jdn);

// Fills rec's year, month and day from rec.jdn in the library calendar of rec's letter (0:
// Gregorian); any JDN.
void JDNToDate(DateRecord& rec);
int16_t EuroDayOfWeek(int32_t jdn); // 0 Sunday .. 6 Saturday, any JDN
// The name of the Annus Novus weekday of a JDN (Intercalarius, Primidi .. Quintidi), or ""
// should the library give a weekday outside 0..5.
std::string AnnusNovusWeekdayName(int32_t jdn);
int32_t TodaysJDN();                    // the JDN of Now()'s Gregorian date
int32_t TodaysJDN(const LocalNow& now); // the JDN of now's Gregorian date
// Whole years, months and days from earlier to later (later not before earlier, one
// calendar); months and days clamped to 16 bits. error := 1 when the years leave 32 bits;
// otherwise, when the later day of the month lies before the earlier one's, what counting
// the month before the later date's left there: days_elapsed's 0..3 (non-zero for a record
// that is no date of its calendar), or 1 when that month's next has no year number;
// otherwise error is untouched.
void YearsMonthsDaysBetween(const DateRecord& earlier, const DateRecord& later, int32_t& years,
                            int16_t& months, int16_t& days, int32_t& error);
// Whole Gregorian years and days from earlier to later by their JDNs; overwrites both
// records' year, month and day with their dates in the Gregorian calendar (Julian for a
// Julian letter); days clamped to 16 bits; error := 1 when the years leave 32 bits.
void YearsDaysBetween(DateRecord& earlier, DateRecord& later, int32_t& years, int16_t& days,
                      int32_t& error);

// The Gregorian year ("0000") and day of that year ("000") of any JDN, as today's labels
// write it for whatever the clock says.
std::string GregorianYearDayText(int32_t jdn);

// The yyyyddd text of a JDN, or an empty text when the JDN lies outside firstYyyydddDay ..
// lastYyyydddDay, where the form can be read back.
std::string YyyydddText(int32_t jdn);

} // namespace DatePr2
