// DatePr2: calendar arithmetic on top of the calendar library. Every conversion between a
// calendar date and a day number, and every weekday, is one library call; this module
// combines them into what the windows need. No Qt.
#pragma once

#include <array>
#include <cstdint>
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
void SetNow(NowFunction now); // an empty function restores the system clock
LocalNow Now();

void InitializeGlobals();

void JDNToDate(DateRecord& rec); // in the calendar of rec's letter
void JDNToEuroDate(DateRecord& rec);
int16_t JDNToAnnusNovusDate(DateRecord& rec); // Annus Novus weekday 0..5
int16_t EuroDayOfWeek(int32_t jdn);           // 0 Sunday .. 6 Saturday
bool SetCalendarCode(int16_t kind, DateRecord& rec);
int16_t DayOfYear(int32_t jdn, int16_t kind);
int16_t DayOfGregorianYear(DateRecord& rec);
int32_t TodaysJDN();
int16_t TodaysDayOfWeek(int16_t kind);
std::string DateTextFromToday(int16_t days, int16_t order, const std::string& separator,
                              int16_t kind);
int16_t DaysInYear(const DateRecord& rec, int32_t& error);
int16_t DaysInMonth(const DateRecord& rec, int32_t& error);
void YearsMonthsDaysBetween(const DateRecord& earlier, const DateRecord& later, int32_t& years,
                            int16_t& months, int16_t& days, int32_t& error);
void YearsDaysBetween(DateRecord& earlier, DateRecord& later, int32_t& years, int16_t& days,
                      int32_t& error);

// The Gregorian year ("0000") and day of that year ("000") of any JDN, as today's labels
// write it for whatever the clock says.
std::string GregorianYearDayText(int32_t jdn);

// The yyyyddd text of a JDN, or an empty text when the JDN lies outside firstYyyydddDay ..
// lastYyyydddDay, where the form can be read back.
std::string YyyydddText(int32_t jdn);

} // namespace DatePr2
