// DatePr2: calendar arithmetic on top of the calendar library. Every conversion between a
// calendar date and a day number, and every weekday, is one library call; this module
// combines them into what the windows need. No Qt.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <functional>
#include <string>

#include "mibrexw.h"

namespace DatePr2 {

// Calendar kinds of the date windows and today's labels (fixed numbers, index calendarCode).
inline constexpr int16_t CE = 0;
inline constexpr int16_t JC = 1;
inline constexpr int16_t JDN = 2;
inline constexpr int16_t AN = 3;
inline constexpr int16_t YYYYDDD = 4;

// Date orders.
inline constexpr int16_t MDY = 0;
inline constexpr int16_t DMY = 1;
inline constexpr int16_t YMD = 2;

// Calendar letters given to the library.
inline constexpr int32_t letterGregorian = 'G';
inline constexpr int32_t letterJulian = 'J';
inline constexpr int32_t letterAnnusNovus = 'A';

inline constexpr int32_t firstYyyydddDay = 1721426; // 0001-01-01 CE
inline constexpr int32_t lastYyyydddDay = 5373484;  // 9999-12-31 CE
inline constexpr int32_t largestDayNumber = 2100000000;
inline constexpr int32_t smallestDayNumber = -2100000000;
inline constexpr const char* largestWholeNumberText = "2147483647";

// Settings that the window changes; InitializeGlobals resets them to "-" and ",".
extern std::string dateSeparator;      // "-", "/" or "."
extern std::string thousandsSeparator; // ",", "." or "" for none

extern const std::array<std::string, 5> calendarCode;      // "CE","JC","JDN","AN",""
extern const std::array<std::string, 6> annusNovusDayName; // 0 Intercalarius, 1 Primidi ..

// The one replaceable "now": the machine's local date and time unless a test sets another.
struct LocalNow {
    int32_t year = 0, month = 0, day = 0; // Gregorian
    int32_t hour = 0, minute = 0, second = 0;
};
using NowFunction = std::function<LocalNow()>;
void SetNow(NowFunction now);             // an empty function restores the system clock
LocalNow Now();                           // the set function's reading, or the system clock's
LocalNow LocalNowAt(std::time_t seconds); // the local time of seconds since 1970 UTC

void InitializeGlobals(); // dateSeparator := "-", thousandsSeparator := ","

// The window only ever passes the five kinds; anything else reads as CE, as CalendarOfDate
// does when none of the other four buttons is selected.
int16_t KnownKind(int16_t kind);
// True for smallestDayNumber .. largestDayNumber, the days every window can show.
bool InDayNumberRange(int32_t jdn);

// Fills rec's year, month and day from rec.jdn in the calendar of rec's letter (Annus Novus,
// otherwise Gregorian or Julian); any JDN.
void JDNToDate(DateRecord& rec);
// Fills rec's year, month and day from rec.jdn in rec's letter, Gregorian or Julian.
void JDNToEuroDate(DateRecord& rec);
// Fills rec (letter set to Annus Novus) from rec.jdn; returns the weekday 0 (Intercalarius)
// .. 5.
int16_t JDNToAnnusNovusDate(DateRecord& rec);
int16_t EuroDayOfWeek(int32_t jdn); // 0 Sunday .. 6 Saturday, any JDN
// The name of the Annus Novus weekday of a JDN (annusNovusDayName), or "" should the
// library give a weekday outside 0..5.
std::string AnnusNovusWeekdayName(int32_t jdn);
// Sets rec's letter for CE, JC or AN; false (rec untouched) for JDN, yyyyddd or another kind.
bool SetCalendarCode(int16_t kind, DateRecord& rec);
// The day of the year (from 1) of a JDN in the Gregorian, Julian or Annus Novus year of the
// kind (Gregorian for the others); clamped to 16 bits.
int16_t DayOfYear(int32_t jdn, int16_t kind);
// Overwrites rec's year, month and day with the date of rec.jdn in rec's letter (Gregorian
// unless Julian) and returns the day of that year counted from Gregorian 1 January.
int16_t DayOfGregorianYear(DateRecord& rec);
int32_t TodaysJDN();                    // the JDN of Now()'s Gregorian date
int32_t TodaysJDN(const LocalNow& now); // the JDN of now's Gregorian date
// Today's weekday: Annus Novus 0..5 for AN, otherwise 0 Sunday .. 6 Saturday.
int16_t TodaysDayOfWeek(int16_t kind);
// The days of the Gregorian year rec.year (only the year is read); error := 1 and 0 for the
// largest year, whose next year has no number; clamped to 16 bits.
int16_t DaysInYear(const DateRecord& rec, int32_t& error);
// The days of rec's month; Decimus counts Intercalarius with it. error := 1 and 0 when the
// next month has no year number; clamped to 16 bits.
int16_t DaysInMonth(const DateRecord& rec, int32_t& error);
// Whole years, months and days from earlier to later (later not before earlier, one
// calendar); months and days clamped to 16 bits; error := 1 when the years leave 32 bits.
void YearsMonthsDaysBetween(const DateRecord& earlier, const DateRecord& later, int32_t& years,
                            int16_t& months, int16_t& days, int32_t& error);
// Whole Gregorian years and days from earlier to later by their JDNs; overwrites both
// records' dates (as DayOfGregorianYear does); days clamped to 16 bits; error := 1 when the
// years leave 32 bits.
void YearsDaysBetween(DateRecord& earlier, DateRecord& later, int32_t& years, int16_t& days,
                      int32_t& error);

// The Gregorian year ("0000") and day of that year ("000") of any JDN, as today's labels
// write it for whatever the clock says.
std::string GregorianYearDayText(int32_t jdn);

// The yyyyddd text of a JDN, or an empty text when the JDN lies outside firstYyyydddDay ..
// lastYyyydddDay, where the form can be read back.
std::string YyyydddText(int32_t jdn);

} // namespace DatePr2
