// Calendar arithmetic: days of the year, month and year lengths, differences in years,
// months and days, today through a fixed "now", and yyyyddd texts.
#include "calendar/DatePr2.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace DatePr2;

DateRecord Date(int32_t year, int32_t month, int32_t day, int32_t letter)
{
    DateRecord r{};
    r.year = year;
    r.month = month;
    r.day = day;
    r.calendar = letter;
    return r;
}

int32_t JdnOf(int32_t year, int32_t month, int32_t day, int32_t letter)
{
    DateRecord r = Date(year, month, day, letter);
    return letter == letterAnnusNovus ? annus_novus_date_to_jdn(&r) : euro_date_to_jdn(&r);
}

DateRecord FromJdn(int32_t jdn, int32_t letter)
{
    DateRecord r{};
    r.jdn = jdn;
    r.calendar = letter;
    JDNToDate(r);
    return r;
}

// Fixes "now" for one test and gives the system clock back afterwards.
class FixedNow {
  public:
    FixedNow(int32_t year, int32_t month, int32_t day)
    {
        LocalNow n;
        n.year = year;
        n.month = month;
        n.day = day;
        n.hour = 12;
        SetNow([n] { return n; });
    }
    ~FixedNow() { SetNow({}); }
    FixedNow(const FixedNow&) = delete;
    FixedNow& operator=(const FixedNow&) = delete;
};

// ---------------------------------------------------------------- day of the year

struct DayOfYearCase {
    const char* name;
    int32_t year, month, day, letter;
    int16_t kind;
    int16_t expected;
};
void PrintTo(const DayOfYearCase& c, std::ostream* os) { *os << c.name; }

class DayOfYearTable : public ::testing::TestWithParam<DayOfYearCase> {};

TEST_P(DayOfYearTable, CountsFromTheFirstDayOfTheYear)
{
    const DayOfYearCase& c = GetParam();
    EXPECT_EQ(DayOfYear(JdnOf(c.year, c.month, c.day, c.letter), c.kind), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Calendars, DayOfYearTable,
    ::testing::Values(
        DayOfYearCase{"ce_new_year", 2000, 1, 1, letterGregorian, CE, 1},
        DayOfYearCase{"ce_leap_year_end", 2000, 12, 31, letterGregorian, CE, 366},
        DayOfYearCase{"ce_common_year_end", 1900, 12, 31, letterGregorian, CE, 365},
        DayOfYearCase{"jc_new_year", 1900, 1, 1, letterJulian, JC, 1},
        DayOfYearCase{"jc_1900_is_leap", 1900, 12, 31, letterJulian, JC, 366},
        DayOfYearCase{"jc_jdn_zero", -4712, 1, 1, letterJulian, JC, 1},
        DayOfYearCase{"ce_negative_leap_year", -4, 3, 1, letterGregorian, CE, 61},
        DayOfYearCase{"an_first_primus", 10520, 1, 1, letterAnnusNovus, AN, 1},
        DayOfYearCase{"an_first_secundus", 10520, 2, 1, letterAnnusNovus, AN, 37},
        DayOfYearCase{"an_intercalarius", 10519, 11, 1, letterAnnusNovus, AN, 366},
        DayOfYearCase{"an_common_year_end", 10520, 10, 37, letterAnnusNovus, AN, 365},
        DayOfYearCase{"ce_far_future", 5000001, 12, 31, letterGregorian, CE, 365},
        DayOfYearCase{"jc_far_past", -5000000, 3, 1, letterJulian, JC, 61}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DayOfGregorianYear, BothEndsOfTheYyyydddRangeAndTheRecordRefresh)
{
    DateRecord first{};
    first.jdn = firstYyyydddDay;
    EXPECT_EQ(DayOfGregorianYear(first), 1);
    EXPECT_EQ(first.year, 1);

    DateRecord last{};
    last.jdn = lastYyyydddDay;
    EXPECT_EQ(DayOfGregorianYear(last), 365);
    EXPECT_EQ(last.year, 9999);

    // Year, month and day are overwritten from the JDN, whatever they held.
    DateRecord leapEnd = Date(1, 1, 1, letterGregorian);
    leapEnd.jdn = JdnOf(2000, 12, 31, letterGregorian);
    EXPECT_EQ(DayOfGregorianYear(leapEnd), 366);
    EXPECT_EQ(leapEnd.year, 2000);
    EXPECT_EQ(leapEnd.month, 12);
    EXPECT_EQ(leapEnd.day, 31);
}

// ---------------------------------------------------------------- month and year lengths

struct LengthCase {
    const char* name;
    int32_t year, month, letter;
    int16_t expected;
};
void PrintTo(const LengthCase& c, std::ostream* os) { *os << c.name; }

class DaysInMonthTable : public ::testing::TestWithParam<LengthCase> {};

TEST_P(DaysInMonthTable, InTheCalendarOfTheRecord)
{
    const LengthCase& c = GetParam();
    int32_t error = 0;
    EXPECT_EQ(DaysInMonth(Date(c.year, c.month, 1, c.letter), error), c.expected);
    EXPECT_EQ(error, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Calendars, DaysInMonthTable,
    ::testing::Values(LengthCase{"ce_february_1900", 1900, 2, letterGregorian, 28},
                      LengthCase{"jc_february_1900", 1900, 2, letterJulian, 29},
                      LengthCase{"ce_february_2000", 2000, 2, letterGregorian, 29},
                      LengthCase{"unlettered_reads_gregorian", 2100, 2, 0, 28},
                      LengthCase{"ce_december_wraps_year", 1999, 12, letterGregorian, 31},
                      LengthCase{"ce_april", 2001, 4, letterGregorian, 30},
                      LengthCase{"ce_february_year_minus_4", -4, 2, letterGregorian, 29},
                      LengthCase{"jc_february_year_minus_100", -100, 2, letterJulian, 29},
                      LengthCase{"ce_february_year_minus_100", -100, 2, letterGregorian, 28},
                      LengthCase{"an_primus", 10520, 1, letterAnnusNovus, 36},
                      LengthCase{"an_secundus", 10520, 2, letterAnnusNovus, 37},
                      LengthCase{"an_decimus_common_year", 10520, 10, letterAnnusNovus, 37},
                      LengthCase{"an_decimus_with_intercalarius", 10519, 10, letterAnnusNovus, 38},
                      LengthCase{"an_intercalarius", 10519, 11, letterAnnusNovus, 1}),
    [](const auto& info) { return std::string(info.param.name); });

class DaysInYearTable : public ::testing::TestWithParam<LengthCase> {};

TEST_P(DaysInYearTable, AlwaysTheGregorianYear)
{
    const LengthCase& c = GetParam();
    int32_t error = 0;
    EXPECT_EQ(DaysInYear(Date(c.year, c.month, 1, c.letter), error), c.expected);
    EXPECT_EQ(error, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Years, DaysInYearTable,
    ::testing::Values(LengthCase{"leap_2000", 2000, 6, letterGregorian, 366},
                      LengthCase{"common_1900", 1900, 6, letterGregorian, 365},
                      LengthCase{"julian_record_1900_still_gregorian", 1900, 6, letterJulian, 365},
                      LengthCase{"common_2001", 2001, 1, letterGregorian, 365},
                      LengthCase{"year_zero", 0, 1, letterGregorian, 366},
                      LengthCase{"year_minus_100", -100, 1, letterGregorian, 365},
                      LengthCase{"year_minus_400", -400, 1, letterGregorian, 366}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Lengths, RecordsBeyondTheCalendarReportAnErrorWithoutOverflow)
{
    const int32_t maxYear = std::numeric_limits<int32_t>::max();
    int32_t error = 0;
    EXPECT_EQ(DaysInYear(Date(maxYear, 1, 1, letterGregorian), error), 0);
    EXPECT_NE(error, 0);

    error = 0;
    EXPECT_EQ(DaysInMonth(Date(maxYear, 12, 1, letterGregorian), error), 0);
    EXPECT_NE(error, 0);

    error = 0;
    DaysInMonth(Date(2000, 13, 1, letterGregorian), error);
    EXPECT_NE(error, 0);

    error = 0;
    DaysInMonth(Date(2000, std::numeric_limits<int32_t>::max(), 1, letterGregorian), error);
    EXPECT_NE(error, 0);

    error = 0;
    DaysInMonth(Date(10520, 11, 1, letterAnnusNovus), error); // no Intercalarius that year
    EXPECT_NE(error, 0);
}

// ---------------------------------------------------------------- years, months and days

struct BetweenCase {
    const char* name;
    int32_t letter;
    int32_t y1, m1, d1;
    int32_t y2, m2, d2;
    int32_t years;
    int16_t months, days;
};
void PrintTo(const BetweenCase& c, std::ostream* os) { *os << c.name; }

class YearsMonthsDaysTable : public ::testing::TestWithParam<BetweenCase> {};

TEST_P(YearsMonthsDaysTable, Breakdown)
{
    const BetweenCase& c = GetParam();
    const DateRecord earlier = Date(c.y1, c.m1, c.d1, c.letter);
    const DateRecord later = Date(c.y2, c.m2, c.d2, c.letter);
    int32_t years = -1;
    int16_t months = -1;
    int16_t days = -1;
    int32_t error = 0;
    YearsMonthsDaysBetween(earlier, later, years, months, days, error);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(years, c.years);
    EXPECT_EQ(months, c.months);
    EXPECT_EQ(days, c.days);
}

constexpr int32_t G = letterGregorian;
constexpr int32_t J = letterJulian;
constexpr int32_t A = letterAnnusNovus;

INSTANTIATE_TEST_SUITE_P(
    Rules, YearsMonthsDaysTable,
    ::testing::Values(
        BetweenCase{"borrow_from_leap_february", G, 2000, 1, 15, 2000, 3, 10, 0, 1, 24},
        BetweenCase{"two_months_fourteen_days", G, 2000, 1, 1, 2000, 3, 15, 0, 2, 14},
        BetweenCase{"exactly_one_year", G, 2000, 1, 1, 2001, 1, 1, 1, 0, 0},
        BetweenCase{"exactly_one_month", G, 2000, 1, 1, 2000, 2, 1, 0, 1, 0},
        BetweenCase{"same_day", G, 2000, 5, 5, 2000, 5, 5, 0, 0, 0},
        BetweenCase{"new_year_eve_to_new_year", G, 2000, 12, 31, 2001, 1, 1, 0, 0, 1},
        BetweenCase{"borrow_from_gregorian_february_1900", G, 1900, 1, 15, 1900, 3, 10, 0, 1, 23},
        BetweenCase{"borrow_from_julian_february_1900", J, 1900, 1, 15, 1900, 3, 10, 0, 1, 24},
        BetweenCase{"negative_years_julian", J, -44, 3, 15, -43, 3, 15, 1, 0, 0},
        BetweenCase{"across_year_zero", G, -1, 12, 31, 0, 1, 1, 0, 0, 1},
        BetweenCase{"last_day_of_long_month_keeps_rule", G, 2001, 1, 31, 2001, 4, 30, 0, 2, 30},
        BetweenCase{"leap_day_to_day_before_anniversary", G, 2000, 2, 29, 2001, 2, 28, 0, 11, 30},
        BetweenCase{"an_whole_months", A, 10520, 1, 1, 10520, 3, 1, 0, 2, 0},
        BetweenCase{"an_months_wrap_at_ten", A, 10520, 9, 5, 10521, 2, 3, 0, 2, 34},
        BetweenCase{"an_one_year", A, 10520, 3, 10, 10521, 3, 10, 1, 0, 0},
        BetweenCase{"an_across_intercalarius", A, 10519, 10, 37, 10520, 1, 1, 0, 0, 2},
        BetweenCase{"an_across_common_new_year", A, 10520, 10, 37, 10521, 1, 1, 0, 0, 1},
        BetweenCase{"an_up_to_intercalarius", A, 10519, 10, 5, 10519, 11, 1, 0, 0, 33},
        BetweenCase{"an_from_intercalarius", A, 10519, 11, 1, 10520, 1, 1, 0, 0, 1},
        BetweenCase{"an_intercalarius_to_intercalarius", A, 10519, 11, 1, 10523, 11, 1, 4, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// A late day of the earlier date before a short month: counted from the earlier date moved
// forward and clamped into that month, never zero or negative days.
INSTANTIATE_TEST_SUITE_P(
    LateDayBeforeShortMonth, YearsMonthsDaysTable,
    ::testing::Values(
        BetweenCase{"jan31_to_mar1_leap", G, 2000, 1, 31, 2000, 3, 1, 0, 1, 1},
        BetweenCase{"jan31_to_mar1", G, 2001, 1, 31, 2001, 3, 1, 0, 1, 1},
        BetweenCase{"jan31_to_mar2", G, 2001, 1, 31, 2001, 3, 2, 0, 1, 2},
        BetweenCase{"jan31_to_mar3", G, 2001, 1, 31, 2001, 3, 3, 0, 1, 3},
        BetweenCase{"jan31_to_mar4", G, 2001, 1, 31, 2001, 3, 4, 0, 1, 4},
        BetweenCase{"jan29_to_mar1", G, 2001, 1, 29, 2001, 3, 1, 0, 1, 1},
        BetweenCase{"jan29_to_mar1_leap_keeps_rule", G, 2000, 1, 29, 2000, 3, 1, 0, 1, 1},
        BetweenCase{"mar31_to_may1", G, 2001, 3, 31, 2001, 5, 1, 0, 1, 1},
        BetweenCase{"dec31_to_mar1", G, 2000, 12, 31, 2001, 3, 1, 0, 2, 1},
        BetweenCase{"leap_day_to_march_first", G, 2000, 2, 29, 2001, 3, 1, 1, 0, 1},
        BetweenCase{"julian_jan31_to_mar1_1900", J, 1900, 1, 31, 1900, 3, 1, 0, 1, 1},
        BetweenCase{"an_day_37_before_36_day_month", A, 10520, 2, 37, 10520, 4, 1, 0, 1, 1},
        BetweenCase{"an_intercalarius_before_primus", A, 10519, 11, 1, 10520, 2, 1, 0, 1, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(YearsMonthsDaysBetween, InvalidBorrowedMonthReportsTheError)
{
    int32_t years = 0;
    int16_t months = 0;
    int16_t days = 0;
    int32_t error = 0;
    // Month 14 borrows from month 13, which no calendar has.
    YearsMonthsDaysBetween(Date(2000, 1, 20, G), Date(2000, 14, 10, G), years, months, days,
                           error);
    EXPECT_NE(error, 0);
}

// Whatever the dates, the breakdown is exact: the earlier date moved forward by the years and
// months, its day clamped to the month it lands in, plus the days, is the later date.
// Checked against that definition for every pair of dates up to 800 days apart, starting on
// every day of a span that includes leap years (and Intercalarius).
DateRecord MovedForward(const DateRecord& from, int64_t years, int64_t months, int32_t perYear)
{
    const bool intercalarius = from.calendar == letterAnnusNovus && from.month == 11;
    const int64_t monthIndex = (intercalarius ? 10 : from.month) - 1 + months;
    DateRecord r = Date(static_cast<int32_t>(from.year + years + monthIndex / perYear),
                        static_cast<int32_t>(monthIndex % perYear + 1), 1, from.calendar);
    int32_t error = 0;
    const int32_t monthLength = DaysInMonth(r, error);
    // Intercalarius is the 38th day of Decimus here, as in DaysInMonth.
    const int32_t day = intercalarius ? 38 : from.day;
    r.day = day < monthLength ? day : monthLength;
    if (r.calendar == letterAnnusNovus && r.month == 10 && r.day == 38) {
        r.month = 11;
        r.day = 1;
    }
    r.jdn = r.calendar == letterAnnusNovus ? annus_novus_date_to_jdn(&r) : euro_date_to_jdn(&r);
    return r;
}

TEST(YearsMonthsDaysBetween, EveryPairMovesTheEarlierDateOntoTheLater)
{
    struct Span {
        int32_t letter, year;
        int32_t perYear;
    };
    const Span spans[] = {{G, 1999, 12}, {J, 1899, 12}, {A, 10518, 10}, {G, -101, 12}};
    int64_t pairs = 0;
    for (const Span& s : spans) {
        const int32_t start = JdnOf(s.year, 1, 1, s.letter);
        std::vector<DateRecord> dates;
        for (int32_t j = start; j < start + 3 * 366 + 800; ++j) {
            dates.push_back(FromJdn(j, s.letter));
        }
        for (std::size_t i = 0; i < 3 * 366; ++i) {
            const DateRecord& earlier = dates[i];
            for (std::size_t k = i; k < i + 800; ++k) {
                const DateRecord& later = dates[k];
                const int32_t j2 = later.jdn;
                int32_t years = 0;
                int16_t months = 0;
                int16_t days = 0;
                int32_t error = 0;
                YearsMonthsDaysBetween(earlier, later, years, months, days, error);
                const DateRecord moved = MovedForward(earlier, years, months, s.perYear);
                ++pairs;
                if (error != 0 || days < 0 || days > 37 || months < 0 || months >= s.perYear ||
                    years < 0 || moved.jdn + days != j2) {
                    ADD_FAILURE() << "letter " << char(s.letter) << " from " << earlier.year
                                  << "-" << earlier.month << "-" << earlier.day << " to "
                                  << later.year << "-" << later.month << "-" << later.day
                                  << ": " << years << " y " << months << " m " << days
                                  << " d, error " << error;
                    return;
                }
            }
        }
    }
    EXPECT_EQ(pairs, 4 * 3 * 366 * 800);
}

// ---------------------------------------------------------------- years and days (yyyyddd)

struct YearsDaysCase {
    const char* name;
    int32_t y1, d1, y2, d2; // year and day of the year
    int32_t years;
    int16_t days;
};
void PrintTo(const YearsDaysCase& c, std::ostream* os) { *os << c.name; }

class YearsDaysTable : public ::testing::TestWithParam<YearsDaysCase> {};

TEST_P(YearsDaysTable, Breakdown)
{
    const YearsDaysCase& c = GetParam();
    DateRecord earlier{};
    earlier.jdn = JdnOf(c.y1, 1, 1, G) + c.d1 - 1;
    DateRecord later{};
    later.jdn = JdnOf(c.y2, 1, 1, G) + c.d2 - 1;
    int32_t years = -1;
    int16_t days = -1;
    int32_t error = 0;
    YearsDaysBetween(earlier, later, years, days, error);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(years, c.years);
    EXPECT_EQ(days, c.days);
    EXPECT_EQ(earlier.year, c.y1); // both records are refreshed from their JDNs
    EXPECT_EQ(later.year, c.y2);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, YearsDaysTable,
    ::testing::Values(YearsDaysCase{"borrow_a_common_year", 2000, 300, 2002, 100, 1, 165},
                      YearsDaysCase{"same_day", 2000, 10, 2000, 10, 0, 0},
                      YearsDaysCase{"whole_year", 2000, 1, 2001, 1, 1, 0},
                      YearsDaysCase{"leap_day_to_leap_day", 2000, 366, 2004, 366, 4, 0},
                      YearsDaysCase{"within_a_year", 2001, 60, 2002, 59, 0, 364},
                      YearsDaysCase{"leap_year_end_to_common_year_end", 2000, 366, 2001, 365, 0, 365},
                      YearsDaysCase{"leap_year_end_to_next_new_year", 2000, 366, 2001, 1, 0, 1},
                      // Day 366 moved into a common year is its last day: one day remains.
                      YearsDaysCase{"leap_year_end_over_common_year", 2000, 366, 2002, 1, 1, 1}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- conversions and codes

TEST(Conversions, CheckValuesInEveryCalendar)
{
    const int32_t jdn = JdnOf(2001, 1, 1, G);
    DateRecord julian = FromJdn(jdn, J);
    EXPECT_EQ(julian.year, 2000);
    EXPECT_EQ(julian.month, 12);
    EXPECT_EQ(julian.day, 19);

    DateRecord an{};
    an.jdn = jdn;
    an.calendar = A;
    EXPECT_EQ(JDNToAnnusNovusDate(an), 1); // 1 Primus is a Primidi
    EXPECT_EQ(an.year, 10520);
    EXPECT_EQ(an.month, 1);
    EXPECT_EQ(an.day, 1);

    DateRecord unlettered{};
    unlettered.jdn = jdn;
    JDNToDate(unlettered);
    EXPECT_EQ(unlettered.year, 2001);

    DateRecord euro{};
    euro.jdn = 0;
    euro.calendar = J;
    JDNToEuroDate(euro);
    EXPECT_EQ(euro.year, -4712);
    EXPECT_EQ(euro.month, 1);
    EXPECT_EQ(euro.day, 1);

    EXPECT_EQ(EuroDayOfWeek(2451545), 6); // 2000-01-01, a Saturday
    DateRecord intercalarius = Date(10519, 11, 1, A);
    intercalarius.jdn = annus_novus_date_to_jdn(&intercalarius);
    EXPECT_EQ(JDNToAnnusNovusDate(intercalarius), 0);
}

struct CodeCase {
    const char* name;
    int16_t kind;
    bool accepted;
    int32_t letter; // the letter afterwards, when the record started with 'X'
    const char* code;
};
void PrintTo(const CodeCase& c, std::ostream* os) { *os << c.name; }

class CalendarCodeTable : public ::testing::TestWithParam<CodeCase> {};

TEST_P(CalendarCodeTable, LetterAndCode)
{
    const CodeCase& c = GetParam();
    DateRecord rec = Date(2000, 1, 1, 'X');
    EXPECT_EQ(SetCalendarCode(c.kind, rec), c.accepted);
    EXPECT_EQ(rec.calendar, c.letter);
    EXPECT_EQ(rec.year, 2000);
    if (c.kind >= 0 && c.kind < static_cast<int16_t>(calendarCode.size())) {
        EXPECT_EQ(calendarCode[static_cast<std::size_t>(c.kind)], c.code);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, CalendarCodeTable,
                         ::testing::Values(CodeCase{"ce", CE, true, G, "CE"},
                                           CodeCase{"jc", JC, true, J, "JC"},
                                           CodeCase{"jdn", JDN, false, 'X', "JDN"},
                                           CodeCase{"an", AN, true, A, "AN"},
                                           CodeCase{"yyyyddd", YYYYDDD, false, 'X', ""},
                                           CodeCase{"unknown_kind", 9, false, 'X', ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Globals, InitializeGlobalsRestoresTheDefaultSeparators)
{
    dateSeparator = "/";
    thousandsSeparator = "";
    InitializeGlobals();
    EXPECT_EQ(dateSeparator, "-");
    EXPECT_EQ(thousandsSeparator, ",");
}

// ---------------------------------------------------------------- today

TEST(Today, JdnAndWeekdaysFollowTheFixedNow)
{
    FixedNow now(2000, 1, 1);
    EXPECT_EQ(TodaysJDN(), 2451545);
    EXPECT_EQ(TodaysDayOfWeek(CE), 6);
    EXPECT_EQ(TodaysDayOfWeek(JC), 6);
    EXPECT_EQ(TodaysDayOfWeek(AN), 1); // 1 Primus 10519
}

TEST(Today, IntercalariusHasNoWeekday)
{
    FixedNow now(2000, 12, 31);
    EXPECT_EQ(TodaysDayOfWeek(AN), 0);
    EXPECT_EQ(TodaysDayOfWeek(CE), 0); // a Sunday
}

TEST(Today, AnEmptyFunctionGivesTheSystemClockBack)
{
    {
        FixedNow now(-77, 2, 3);
        EXPECT_EQ(Now().year, -77);
    }
    const LocalNow n = Now();
    EXPECT_NE(n.year, -77);
    EXPECT_GE(n.month, 1);
    EXPECT_LE(n.month, 12);
    EXPECT_GE(n.day, 1);
    EXPECT_LE(n.day, 31);
}

struct FromTodayCase {
    const char* name;
    int16_t days, order;
    const char* separator;
    int16_t kind;
    const char* thousands;
    const char* expected;
};
void PrintTo(const FromTodayCase& c, std::ostream* os) { *os << c.name; }

class DateTextFromTodayTable : public ::testing::TestWithParam<FromTodayCase> {};

TEST_P(DateTextFromTodayTable, WrittenByFormatDate)
{
    const FromTodayCase& c = GetParam();
    FixedNow now(2000, 1, 1);
    InitializeGlobals();
    thousandsSeparator = c.thousands;
    EXPECT_EQ(DateTextFromToday(c.days, c.order, c.separator, c.kind), c.expected);
    InitializeGlobals();
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DateTextFromTodayTable,
    ::testing::Values(FromTodayCase{"ce_week_ahead", 7, YMD, "-", CE, ",", "2000-01-08"},
                      FromTodayCase{"jc_day_before", -1, DMY, "/", JC, ",", "18/12/1999"},
                      FromTodayCase{"an_five_days_ahead", 5, MDY, "/", AN, ",", "10519-01-06"},
                      FromTodayCase{"ce_mdy_dots", 0, MDY, ".", CE, ",", "01.01.2000"},
                      FromTodayCase{"far_back", -32768, YMD, "-", CE, ",", "1910-04-15"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Today, DateTextFromTodayGroupsLargeYearsWithTheCurrentThousandsSeparator)
{
    FixedNow now(12345, 6, 7);
    InitializeGlobals();
    EXPECT_EQ(DateTextFromToday(0, YMD, "-", CE), "12,345-06-07");
    thousandsSeparator = ".";
    EXPECT_EQ(DateTextFromToday(0, YMD, "-", CE), "12.345-06-07");
    EXPECT_EQ(DateTextFromToday(0, DMY, ".", CE), "07.06.12345");
    InitializeGlobals();
}

// ---------------------------------------------------------------- yyyyddd texts

struct YyyydddCase {
    const char* name;
    int32_t jdn;
    const char* expected;
};
void PrintTo(const YyyydddCase& c, std::ostream* os) { *os << c.name; }

class YyyydddTextTable : public ::testing::TestWithParam<YyyydddCase> {};

TEST_P(YyyydddTextTable, FourDigitYearThreeDigitDay)
{
    EXPECT_EQ(YyyydddText(GetParam().jdn), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Range, YyyydddTextTable,
    ::testing::Values(YyyydddCase{"first_day", firstYyyydddDay, "0001001"},
                      YyyydddCase{"last_day", lastYyyydddDay, "9999365"},
                      YyyydddCase{"y2k", 2451545, "2000001"},
                      YyyydddCase{"leap_day_366", 2451910, "2000366"},
                      YyyydddCase{"year_99", 1721426 + 98 * 365 + 24 + 40, "0099041"},
                      YyyydddCase{"before_first", firstYyyydddDay - 1, ""},
                      YyyydddCase{"after_last", lastYyyydddDay + 1, ""},
                      YyyydddCase{"int32_min", std::numeric_limits<int32_t>::min(), ""},
                      YyyydddCase{"int32_max", std::numeric_limits<int32_t>::max(), ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
