// Inline core of the calendar conversions, shared by mibrexw.cpp and by programs that
// measure or verify the arithmetic without the call into the shared library.
//
// The conversions are Neri and Schneider's Euclidean affine functions ("Euclidean affine
// functions and their application to calendar algorithms", 2022) with a March-based
// computational year, widened to 64 bits where an intermediate needs it. The epoch is moved
// by a whole number of 400-year (Gregorian) or 4-year (Julian) cycles so that every
// intermediate is unsigned: no signed division, no branch on the sign, and no overflow for
// any int32 input.
#ifndef MIBREXW_IMPL_H
#define MIBREXW_IMPL_H

#include <array>
#include <cstddef>
#include <cstdint>

namespace mibrexw::detail {

struct Ymd {
    int32_t year;
    int32_t month;
    int32_t day;
};

inline constexpr int64_t kInt32Min = INT32_MIN;
inline constexpr int64_t kInt32Max = INT32_MAX;

// JDN of the computational year's first day, 1 March of year 0.
inline constexpr int64_t kGregorianMarch0 = 1721120;
inline constexpr int64_t kJulianMarch0 = 1721118;

// The AN year Y is the Gregorian year Y - 8519, day for day.
inline constexpr int64_t kAnnusNovusYearOffset = 8519;

constexpr int64_t FloorDiv(int64_t a, int64_t b) // b > 0
{
    const int64_t q = a / b;
    return q - ((a % b) < 0 ? 1 : 0);
}

constexpr int32_t Saturate(int64_t v) {
    return v < kInt32Min ? INT32_MIN : v > kInt32Max ? INT32_MAX : static_cast<int32_t>(v);
}

constexpr bool IsGregorianLeap(int64_t y) {
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}

constexpr bool IsJulianLeap(int64_t y) {
    return y % 4 == 0;
}

constexpr bool IsAnnusNovusLeap(int64_t y) {
    return IsGregorianLeap(y - kAnnusNovusYearOffset);
}

// Days from 1 March to the first of month m, m counted 3 (March) .. 14 (February).
constexpr uint32_t DaysBeforeMarchMonth(uint32_t m) {
    return (979 * m - 2919) / 32;
}

// Month 1..12 of a date as the computational year holds it: 1 for January and February, which
// fall in the year begun on 1 March of the year before, and the days from that 1 March to the
// month's first day. One load each, where the month would be compared and moved twice.
struct MarchMonth {
    uint32_t yearBefore;
    uint32_t daysBefore;
};
inline constexpr std::array<MarchMonth, 13> kMarchMonths = [] {
    std::array<MarchMonth, 13> table{};
    for (uint32_t m = 1; m <= 12; ++m) {
        table[m] = {m < 3 ? 1u : 0u, DaysBeforeMarchMonth(m < 3 ? m + 12 : m)};
    }
    return table;
}();

// A month outside 1..12 moves the year (month 13 is January of the next year, month 0
// December of the previous one); the day is added as a plain count of days, so day 0 is the
// last day of the month before and day 32 of January is 1 February. Every int32 input gives
// a well-defined result without overflow: |year| stays below 2.33e9 after the move.
constexpr void NormaliseMonth(int64_t& y, int64_t& m) {
    if (static_cast<uint64_t>(m - 1) >= 12) {
        y += FloorDiv(m - 1, 12);
        m -= 12 * FloorDiv(m - 1, 12);
    }
}

// Years added so that every year reachable from int32 input is positive (a multiple of 400).
inline constexpr int64_t kGregorianDateShiftYears = 400LL * 6'000'000; // 2.4e9 > 2.33e9
inline constexpr int64_t kGregorianDateShiftDays = 146097LL * 6'000'000;

// Years whose every day, with any month 1..12 and day 1..31 (or 11 and 37 in Annus Novus),
// has a JDN inside int32: the first and last years of the int32 range are partly outside.
inline constexpr int64_t kGregorianFastFirstYear = -5884322;
inline constexpr int64_t kGregorianFastLastYear = 5874897;
inline constexpr int64_t kJulianFastFirstYear = -5884201;
inline constexpr int64_t kJulianFastLastYear = 5874776;

// For such a date the JDN is found modulo 2^32 in 32-bit unsigned arithmetic: the divisions
// see only the shifted year, [0, 1.2e7], and the wrap-around of the sums is undone by the
// final conversion to int32. Whole 400-year (4-year) cycles keep the shifted year positive.
inline constexpr uint32_t kGregorianFastShiftYears = 400 * 14711; // > 5884323
inline constexpr int64_t kGregorianFastShiftDays = int64_t{146097} * 14711;
inline constexpr uint32_t kJulianFastShiftYears = 4 * 1471051; // > 5884202
inline constexpr int64_t kJulianFastShiftDays = int64_t{1461} * 1471051;

constexpr bool IsFastDate(int64_t y, int64_t m, int64_t d, int64_t firstYear, int64_t lastYear,
                          uint64_t months, uint64_t days) {
    return (static_cast<uint64_t>(y - firstYear) <= static_cast<uint64_t>(lastYear - firstYear)) &
           (static_cast<uint64_t>(m - 1) < months) & (static_cast<uint64_t>(d - 1) < days);
}

// The same for Gregorian and Julian dates with one comparison less: the day may be 1..32 (day
// 32 counts on into the next month, as the wide way does; the last fast years end more than
// 150 days before the end of int32), so that the month and the day are checked together.
constexpr bool IsFastEuroMonthAndDay(int64_t m, int64_t d) {
    return (static_cast<uint32_t>(m - 1) | (static_cast<uint32_t>(d - 1) >> 5)) < 12;
}

constexpr bool IsFastEuroDate(int64_t y, int64_t m, int64_t d, int64_t firstYear,
                              int64_t lastYear) {
    return IsFastEuroMonthAndDay(m, d) &&
           static_cast<uint64_t>(y - firstYear) <= static_cast<uint64_t>(lastYear - firstYear);
}

constexpr int32_t ToInt32(uint32_t wrapped) {
    return static_cast<int32_t>(wrapped);
}

// Days from 1 March of shifted year 0 to 1 March of shifted year y, modulo 2^32.
constexpr uint32_t GregorianMarchYearStart(uint32_t y) {
    const uint32_t century = y / 100;
    // 365 y + y / 4 as 1461 y / 4 in 64 bits: one multiplication and a shift.
    return static_cast<uint32_t>(uint64_t{1461} * y / 4) - century + century / 4;
}

// Each date -> JDN conversion comes in three pieces: ...Fast answers for the ordinary dates
// above and returns false for the rest, ...Wide is exact in 64 bits for every int32 year,
// month and day, and the plain name combines them. The library calls ...Wide out of line, so
// that the common path stays short.

constexpr bool GregorianToJdnFast(int64_t y, int64_t m, int64_t d, int32_t& jdn) {
    if (!IsFastEuroDate(y, m, d, kGregorianFastFirstYear, kGregorianFastLastYear)) {
        return false;
    }
    const MarchMonth& month = kMarchMonths[static_cast<std::size_t>(m)];
    const uint32_t yy = static_cast<uint32_t>(y) + kGregorianFastShiftYears - month.yearBefore;
    jdn = ToInt32(GregorianMarchYearStart(yy) + month.daysBefore + static_cast<uint32_t>(d) +
                  static_cast<uint32_t>(kGregorianMarch0 - 1 - kGregorianFastShiftDays));
    return true;
}

// JDN of year, month, day in the proleptic Gregorian calendar.
constexpr int64_t GregorianToJdnWide(int64_t y, int64_t m, int64_t d) {
    NormaliseMonth(y, m);
    const bool janFeb = m < 3;
    const uint64_t yy =
        static_cast<uint64_t>(y + kGregorianDateShiftYears) - janFeb;   // [7e7, 4.8e9]
    const uint32_t mm = static_cast<uint32_t>(m) + (janFeb ? 12u : 0u); // [3, 14]
    const uint64_t century = yy / 100;
    const uint64_t yearDays = 1461 * yy / 4 - century + century / 4; // < 1.8e12
    return static_cast<int64_t>(yearDays + DaysBeforeMarchMonth(mm)) + d +
           (kGregorianMarch0 - 1 - kGregorianDateShiftDays);
}

constexpr int64_t GregorianToJdn(int64_t y, int64_t m, int64_t d) {
    int32_t jdn = 0;
    return GregorianToJdnFast(y, m, d, jdn) ? jdn : GregorianToJdnWide(y, m, d);
}

inline constexpr int64_t kJulianDateShiftYears = 4LL * 600'000'000; // 2.4e9
inline constexpr int64_t kJulianDateShiftDays = 1461LL * 600'000'000;

constexpr bool JulianToJdnFast(int64_t y, int64_t m, int64_t d, int32_t& jdn) {
    if (!IsFastEuroDate(y, m, d, kJulianFastFirstYear, kJulianFastLastYear)) {
        return false;
    }
    const MarchMonth& month = kMarchMonths[static_cast<std::size_t>(m)];
    const uint32_t yy = static_cast<uint32_t>(y) + kJulianFastShiftYears - month.yearBefore;
    const auto yearDays = static_cast<uint32_t>(uint64_t{1461} * yy / 4);
    jdn = ToInt32(yearDays + month.daysBefore + static_cast<uint32_t>(d) +
                  static_cast<uint32_t>(kJulianMarch0 - 1 - kJulianFastShiftDays));
    return true;
}

// JDN of year, month, day in the Julian calendar (months and days outside their ranges as in
// the Gregorian calendar).
constexpr int64_t JulianToJdnWide(int64_t y, int64_t m, int64_t d) {
    NormaliseMonth(y, m);
    const bool janFeb = m < 3;
    const uint64_t yy = static_cast<uint64_t>(y + kJulianDateShiftYears) - janFeb; // [7e7, 4.8e9]
    const uint32_t mm = static_cast<uint32_t>(m) + (janFeb ? 12u : 0u);
    const uint64_t yearDays = 1461 * yy / 4;
    return static_cast<int64_t>(yearDays + DaysBeforeMarchMonth(mm)) + d +
           (kJulianMarch0 - 1 - kJulianDateShiftDays);
}

constexpr int64_t JulianToJdn(int64_t y, int64_t m, int64_t d) {
    int32_t jdn = 0;
    return JulianToJdnFast(y, m, d, jdn) ? jdn : JulianToJdnWide(y, m, d);
}

// JDN of 1 January of a Gregorian year, for every year in [-2.4e9, 2.4e9].
constexpr int64_t GregorianNewYearJdn(int64_t y) {
    const uint64_t yy = static_cast<uint64_t>(y - 1 + kGregorianDateShiftYears); // [0, 4.8e9]
    const uint64_t century = yy / 100;
    const uint64_t yearDays = 1461 * yy / 4 - century + century / 4;
    // 1 January is day 306 of the computational year that began on 1 March of year y - 1.
    return static_cast<int64_t>(yearDays) + (kGregorianMarch0 + 306 - kGregorianDateShiftDays);
}

// Annus Novus dates. The months are 36, 37, 36, ... days long, so month m starts
// 36 (m - 1) + floor((m - 1) / 2) days into the year; Intercalarius (11) thus starts on day
// 366. A month or day outside its range just extends that count (month 11 of a common year
// is 1 Primus of the next, month 12 lies 73 days after the first of month 10).
constexpr bool AnnusNovusToJdnFast(int64_t y, int64_t m, int64_t d, int32_t& jdn) {
    const int64_t g = y - kAnnusNovusYearOffset;
    if (!IsFastDate(g, m, d, kGregorianFastFirstYear, kGregorianFastLastYear, 11, 37)) {
        return false;
    }
    const uint32_t mm = static_cast<uint32_t>(m) - 1; // [0, 10]
    // The computational year that holds 1 January of year g began on 1 March of g - 1.
    const uint32_t yy = static_cast<uint32_t>(g) - 1 + kGregorianFastShiftYears;
    jdn = ToInt32(GregorianMarchYearStart(yy) + 36 * mm + mm / 2 + static_cast<uint32_t>(d) +
                  static_cast<uint32_t>(kGregorianMarch0 + 306 - 1 - kGregorianFastShiftDays));
    return true;
}

constexpr int64_t AnnusNovusToJdnWide(int64_t y, int64_t m, int64_t d) {
    const int64_t before = 36 * (m - 1) + FloorDiv(m - 1, 2);
    return GregorianNewYearJdn(y - kAnnusNovusYearOffset) + before + d - 1;
}

constexpr int64_t AnnusNovusToJdn(int64_t y, int64_t m, int64_t d) {
    int32_t jdn = 0;
    return AnnusNovusToJdnFast(y, m, d, jdn) ? jdn : AnnusNovusToJdnWide(y, m, d);
}

// Whole 400-year cycles added so that JDN - kGregorianMarch0 is positive for every int32.
inline constexpr int64_t kGregorianDayShiftCycles = 14711; // 14711 * 146097 > 2^31 + 1721120
inline constexpr int64_t kJulianDayShiftCycles = 1471051;  // 1471051 * 1461 > 2^31 + 1721118

// Position of a day in its March-based computational year, shared by the Gregorian and
// Annus Novus conversions.
struct MarchYearDay {
    uint32_t century;    // shifted century, [0, 117577]
    uint32_t yearOfCent; // [0, 99]
    uint32_t dayOfYear;  // days since 1 March, [0, 365]
};

constexpr MarchYearDay GregorianMarchYearDay(int32_t jdn) {
    const uint64_t n = static_cast<uint64_t>(static_cast<int64_t>(jdn) - kGregorianMarch0 +
                                             kGregorianDayShiftCycles * 146097); // < 2^33
    const uint64_t n1 = 4 * n + 3;
    const uint32_t century = static_cast<uint32_t>(n1 / 146097);
    const uint32_t dayOfCent = static_cast<uint32_t>(n1 % 146097) / 4; // [0, 36524]
    // Within a century the years run in a 4-year cycle of 1461 days: the year is n2 / 1461
    // and the day of the year (n2 % 1461) / 4. 2939745 is 2^32 / 1461 rounded up (the
    // exact quotient is 2939744.90), so for n2 in [3, 146099] the upper 32 bits of
    // 2939745 * n2 are n2 / 1461 and its lower 32 bits, divided by 2939745, are n2 % 1461.
    const uint32_t n2 = 4 * dayOfCent + 3;                              // [3, 146099]
    const uint64_t p2 = uint64_t{2939745} * n2;                         // < 2^39
    const uint32_t yearOfCent = static_cast<uint32_t>(p2 >> 32);        // [0, 99]
    const uint32_t dayOfYear = static_cast<uint32_t>(p2) / 2939745 / 4; // [0, 365]
    return {century, yearOfCent, dayOfYear};
}

// Month (3..14) and day (1..31) of day [0, 365] of a March-based year.
struct MonthDay {
    uint32_t month;
    uint32_t day;
};

constexpr MonthDay MarchMonthDay(uint32_t dayOfYear) {
    // The months from March run 31, 30, 31, 30, 31 days: five months in 153 days, so the
    // month is (5 * dayOfYear + 461) / 153 and the day ((5 * dayOfYear + 461) % 153) / 5 + 1.
    // The same in 16-bit fixed point: 2141 / 65536 stands for 5 / 153 and 197913 / 65536
    // for 461 / 153 (+ a margin that keeps every quotient of [0, 365] exact); the upper 16
    // bits of n3 are the month [3, 14], the lower 16 bits divided by 2141 the day - 1 [0, 30].
    const uint32_t n3 = 2141 * dayOfYear + 197913; // [197913, 979378], < 2^20
    return {n3 >> 16, (n3 & 0xFFFF) / 2141 + 1};
}

constexpr Ymd JdnToGregorian(int32_t jdn) {
    const MarchYearDay c = GregorianMarchYearDay(jdn);
    const MonthDay md = MarchMonthDay(c.dayOfYear);
    const bool janFeb = c.dayOfYear >= 306;
    const int64_t year = int64_t{100} * c.century + c.yearOfCent + janFeb -
                         400 * kGregorianDayShiftCycles; // |year| < 5.9e6
    return {static_cast<int32_t>(year), static_cast<int32_t>(md.month - (janFeb ? 12u : 0u)),
            static_cast<int32_t>(md.day)};
}

constexpr Ymd JdnToJulian(int32_t jdn) {
    const uint64_t n = static_cast<uint64_t>(static_cast<int64_t>(jdn) - kJulianMarch0 +
                                             kJulianDayShiftCycles * 1461); // < 2^33
    const uint64_t n1 = 4 * n + 3;
    const uint32_t shiftedYear = static_cast<uint32_t>(n1 / 1461);   // [0, 1.2e7]
    const uint32_t dayOfYear = static_cast<uint32_t>(n1 % 1461) / 4; // [0, 365]
    const MonthDay md = MarchMonthDay(dayOfYear);
    const bool janFeb = dayOfYear >= 306;
    const int64_t year = int64_t{shiftedYear} + janFeb - 4 * kJulianDayShiftCycles;
    return {static_cast<int32_t>(year), static_cast<int32_t>(md.month - (janFeb ? 12u : 0u)),
            static_cast<int32_t>(md.day)};
}

// Annus Novus date of a JDN; returns the AN weekday (1 Primidi .. 5 Quintidi, 0 for
// Intercalarius).
constexpr int32_t JdnToAnnusNovus(int32_t jdn, Ymd& out) {
    const MarchYearDay c = GregorianMarchYearDay(jdn);
    const bool janFeb = c.dayOfYear >= 306;
    // For March..December the Gregorian year is the computational one; its leap day lies
    // before 1 March. 100 * century + yearOfCent is that year moved by whole 400-year cycles.
    const bool leap = c.yearOfCent != 0 ? (c.yearOfCent % 4 == 0) : (c.century % 4 == 0);
    const uint32_t dayOfYear = janFeb ? c.dayOfYear - 306 : c.dayOfYear + 59 + leap; // [0, 365]
    // Pairs of months make 73 days; day 365 (the 366th) falls on month 11, day 1.
    const uint32_t pair = dayOfYear / 73;
    const uint32_t inPair = dayOfYear % 73;
    const uint32_t second = inPair >= 36;
    const int64_t year = int64_t{100} * c.century + c.yearOfCent + janFeb -
                         400 * kGregorianDayShiftCycles + kAnnusNovusYearOffset;
    out = {static_cast<int32_t>(year), static_cast<int32_t>(2 * pair + 1 + second),
           static_cast<int32_t>(inPair + 1 - 36 * second)};
    return dayOfYear == 365 ? 0 : static_cast<int32_t>(dayOfYear % 5 + 1);
}

// 0 Sunday .. 6 Saturday; JDN 0 was a Monday.
constexpr int32_t DayOfWeek(int32_t jdn) {
    return static_cast<int32_t>(
        static_cast<uint64_t>(static_cast<int64_t>(jdn) + 1 + 7 * (int64_t{1} << 31)) % 7);
}

} // namespace mibrexw::detail

#endif // MIBREXW_IMPL_H
