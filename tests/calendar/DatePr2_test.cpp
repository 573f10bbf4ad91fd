// Calendar arithmetic: days of the year, month and year lengths, differences in years, months
// and days (against a simple oracle), today through a fixed "now", and yyyyddd texts.
#include "calendar/DatePr2.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace DatePr2;
constexpr int32_t G = letterGregorian, J = letterJulian, A = letterAnnusNovus;

DateRecord Date(int32_t y, int32_t m, int32_t d, int32_t letter) {
    return {y, m, d, letter, 0, 0};
}
int32_t JdnOf(DateRecord r) {
    return r.calendar == A ? annus_novus_date_to_jdn(&r) : euro_date_to_jdn(&r);
}
DateRecord FromJdn(int32_t jdn, int32_t letter) {
    DateRecord r = Date(0, 0, 0, letter);
    r.jdn = jdn;
    JDNToDate(r);
    return r;
}
void SetToday(int32_t y, int32_t m, int32_t d) {
    SetNow([=] { return LocalNow{y, m, d, 12, 0, 0}; });
}

struct DayCase {
    DateRecord date;
    int16_t kind, day;
};
class DayOfYearTable : public testing::TestWithParam<DayCase> {};
TEST_P(DayOfYearTable, CountsFromTheFirstDayOfTheYear) {
    EXPECT_EQ(DayOfYear(JdnOf(GetParam().date), GetParam().kind), GetParam().day);
}
const DayCase kDays[] = {{Date(2000, 12, 31, G), CE, 366},
                         {Date(1900, 12, 31, J), JC, 366},
                         {Date(-4, 3, 1, G), CE, 61},
                         {Date(10520, 1, 1, A), AN, 1},
                         {Date(10519, 11, 1, A), AN, 366}};
INSTANTIATE_TEST_SUITE_P(Calendars, DayOfYearTable, testing::ValuesIn(kDays));

// DayOfGregorianYear refreshes the record from its JDN; YyyydddText is empty outside the range.
struct YearDay {
    int32_t jdn;
    int16_t day;
    int32_t year;
    const char* text;
};
class GregorianYearDay : public testing::TestWithParam<YearDay> {};
TEST_P(GregorianYearDay, DayAndText) {
    DateRecord r = Date(77, 7, 7, G);
    r.jdn = GetParam().jdn;
    EXPECT_EQ(DayOfGregorianYear(r), GetParam().day);
    EXPECT_EQ(r.year, GetParam().year);
    EXPECT_EQ(YyyydddText(GetParam().jdn), GetParam().text);
}
// clang-format off
const YearDay kYearDays[] = {
    {firstYyyydddDay, 1, 1, "0001001"}, {lastYyyydddDay, 365, 9999, "9999365"},
    {2451910, 366, 2000, "2000366"}, {firstYyyydddDay - 1, 366, 0, ""},
    {lastYyyydddDay + 1, 1, 10000, ""}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Range, GregorianYearDay, testing::ValuesIn(kYearDays));

// DaysInYear counts the Gregorian year whatever the letter; Decimus takes Intercalarius along.
struct Length {
    int16_t (*count)(const DateRecord&, int32_t&);
    DateRecord date;
    int16_t days;
};
class Lengths : public testing::TestWithParam<Length> {};
TEST_P(Lengths, OrAnErrorWithoutOverflow) {
    int32_t error = 0;
    EXPECT_EQ(GetParam().count(GetParam().date, error), GetParam().days);
    EXPECT_EQ(error != 0, GetParam().days == 0);
}
// clang-format off
const Length kLengths[] = {
    {DaysInMonth, Date(1900, 2, 1, G), 28}, {DaysInMonth, Date(1900, 2, 1, J), 29},
    {DaysInMonth, Date(10520, 10, 1, A), 37}, {DaysInMonth, Date(10519, 10, 1, A), 38},
    {DaysInMonth, Date(10519, 11, 1, A), 1}, {DaysInMonth, Date(10520, 11, 1, A), 0},
    {DaysInMonth, Date(2000, 13, 1, G), 0}, {DaysInMonth, Date(INT32_MAX, 12, 1, G), 0},
    {DaysInYear, Date(1900, 6, 1, J), 365}, {DaysInYear, Date(-400, 1, 1, G), 366},
    {DaysInYear, Date(-100, 1, 1, G), 365}, {DaysInYear, Date(INT32_MAX, 1, 1, G), 0}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(MonthsAndYears, Lengths, testing::ValuesIn(kLengths));

struct Between {
    DateRecord earlier, later;
    int32_t years;
    int16_t months, days;
};
class YearsMonthsDays : public testing::TestWithParam<Between> {};
TEST_P(YearsMonthsDays, Breakdown) {
    const Between& c = GetParam();
    int32_t years = -1, error = 0;
    int16_t months = -1, days = -1;
    YearsMonthsDaysBetween(c.earlier, c.later, years, months, days, error);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(std::tie(years, months, days), std::tie(c.years, c.months, c.days));
}
// A late day before a short month counts from the earlier date moved forward, its day clamped.
// clang-format off
const Between kBreakdowns[] = {
    {Date(2000, 1, 15, G), Date(2000, 3, 10, G), 0, 1, 24}, // days of February 2000
    {Date(1900, 1, 15, J), Date(1900, 3, 10, J), 0, 1, 24},
    {Date(10520, 9, 5, A), Date(10521, 2, 3, A), 0, 2, 34}, // months wrap at 10
    {Date(10519, 11, 1, A), Date(10520, 1, 1, A), 0, 0, 1},
    {Date(2001, 1, 31, G), Date(2001, 3, 1, G), 0, 1, 1}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Rules, YearsMonthsDays, testing::ValuesIn(kBreakdowns));

TEST(YearsMonthsDaysBetween, InvalidBorrowedMonthReportsTheError) {
    int32_t years = 0, error = 0;
    int16_t months = 0, days = 0;
    YearsMonthsDaysBetween(Date(2000, 1, 20, G), Date(2000, 14, 10, G), years, months, days, error);
    EXPECT_NE(error, 0);
}

// The breakdown is exact for every pair up to 800 days apart from each day of a span with leap
// years (and Intercalarius): the earlier date moved forward by the years and months, its day
// clamped (Intercalarius as day 38 of Decimus), plus the days is the later date.
TEST(YearsMonthsDaysBetween, EveryPairMovesTheEarlierDateOntoTheLater) {
    int64_t pairs = 0;
    for (const DateRecord first :
         {Date(1999, 1, 1, G), Date(1899, 1, 1, J), Date(10518, 1, 1, A), Date(-101, 1, 1, G)}) {
        const int32_t perYear = first.calendar == A ? 10 : 12, start = JdnOf(first);
        std::vector<DateRecord> dates;
        for (int32_t j = start; j < start + 3 * 366 + 800; ++j) {
            dates.push_back(FromJdn(j, first.calendar));
        }
        for (std::size_t i = 0; i < 3 * 366; ++i) {
            const DateRecord& e = dates[i];
            const bool intercalarius = e.calendar == A && e.month == 11;
            const int32_t fromMonth = intercalarius ? 10 : e.month;
            const int32_t fromDay = intercalarius ? 38 : e.day;
            for (std::size_t k = i; k < i + 800; ++k, ++pairs) {
                int32_t years = 0, error = 0, unused = 0;
                int16_t months = 0, days = 0;
                YearsMonthsDaysBetween(e, dates[k], years, months, days, error);
                const int32_t n = fromMonth - 1 + months, cal = e.calendar;
                DateRecord moved = Date(e.year + years + n / perYear, n % perYear + 1, 1, cal);
                moved.day = std::min<int32_t>(fromDay, DaysInMonth(moved, unused));
                ASSERT_TRUE(error == 0 && days >= 0 && months >= 0 && months < perYear &&
                            years >= 0 && JdnOf(moved) + days == dates[k].jdn)
                    << char(cal) << " " << e.year << "-" << e.month << "-" << e.day << " + "
                    << k - i << " days: " << years << " y " << months << " m " << days << " d";
            }
        }
    }
    EXPECT_EQ(pairs, 4 * 3 * 366 * 800);
}

struct YearsDays {
    int32_t y1, d1, y2, d2, years;
    int16_t days;
}; // years and days of the year
class YearsDaysTable : public testing::TestWithParam<YearsDays> {};
TEST_P(YearsDaysTable, Breakdown) {
    const YearsDays& c = GetParam();
    DateRecord earlier{}, later{};
    earlier.jdn = JdnOf(Date(c.y1, 1, 1, G)) + c.d1 - 1;
    later.jdn = JdnOf(Date(c.y2, 1, 1, G)) + c.d2 - 1;
    int32_t years = -1, error = 0;
    int16_t days = -1;
    YearsDaysBetween(earlier, later, years, days, error);
    EXPECT_EQ(std::tie(error, years, days), std::make_tuple(0, c.years, c.days));
    EXPECT_EQ(std::tie(earlier.year, later.year), std::tie(c.y1, c.y2)); // both refreshed
}
// Day 366 moved into a common year is its last day: one day remains to 1 January.
const YearsDays kYearsDays[] = {{2000, 300, 2002, 100, 1, 165},
                                {2000, 366, 2004, 366, 4, 0},
                                {2000, 366, 2001, 365, 0, 365},
                                {2000, 366, 2002, 1, 1, 1}};
INSTANTIATE_TEST_SUITE_P(Rules, YearsDaysTable, testing::ValuesIn(kYearsDays));

// The weekday names and the guards every window shares.
TEST(Helpers, WeekdayNamesKindsAndRange) {
    EXPECT_EQ(AnnusNovusWeekdayName(2451910), "Intercalarius");
    EXPECT_EQ(AnnusNovusWeekdayName(2451911), "Primidi");
    EXPECT_EQ(std::make_tuple(KnownKind(YYYYDDD), KnownKind(5), KnownKind(-1)),
              std::make_tuple(YYYYDDD, CE, CE));
    EXPECT_TRUE(InDayNumberRange(smallestDayNumber) && InDayNumberRange(largestDayNumber));
    EXPECT_FALSE(InDayNumberRange(smallestDayNumber - 1) || InDayNumberRange(largestDayNumber + 1));
}

TEST(Today, FollowsTheFixedNowAndTheSystemClockWithout) {
    SetToday(2000, 1, 1);
    EXPECT_EQ(std::make_tuple(TodaysJDN(), TodaysDayOfWeek(CE), TodaysDayOfWeek(AN)),
              std::make_tuple(2451545, 6, 1));
    SetToday(2000, 12, 31);
    EXPECT_EQ(std::make_tuple(TodaysDayOfWeek(JC), TodaysDayOfWeek(AN)), std::make_tuple(0, 0));
    SetNow({});
    const LocalNow n = Now();
    EXPECT_TRUE(n.year > 2000 && n.month >= 1 && n.month <= 12 && n.day >= 1 && n.day <= 31);
}

} // namespace
