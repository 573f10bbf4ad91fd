// Differences in years, months and days (against a simple oracle) and in years and days.
#include "calendar/DatePr2.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

using namespace DatePr2;
constexpr int32_t G = letterGregorian, J = letterJulian, A = letterAnnusNovus;

DateRecord Date(int32_t y, int32_t m, int32_t d, int32_t letter, int32_t jdn = 0) {
    DateRecord r{y, m, d, letter, jdn, 0};
    if (jdn != 0) JDNToDate(r);
    return r;
}
int32_t JdnOf(DateRecord r) {
    return r.calendar == A ? annus_novus_date_to_jdn(&r) : euro_date_to_jdn(&r);
}

// The days of a month by the library (Decimus runs to New Year, Intercalarius with it).
int32_t MonthLength(const DateRecord& r) {
    const int32_t last = r.calendar == A ? 10 : 12;
    const DateRecord next = r.month >= last ? Date(r.year + 1, 1, 1, r.calendar)
                                            : Date(r.year, r.month + 1, 1, r.calendar);
    return JdnOf(next) - JdnOf(Date(r.year, r.month, 1, r.calendar));
}

// The breakdown is exact for every pair up to 800 days apart from each day of a span with leap
// years (and Intercalarius): the earlier date moved forward by the years and months, its day
// clamped (Intercalarius as day 38 of Decimus), plus the days is the later date.
TEST(DatePr2, YearsMonthsDaysMoveTheEarlierDateOntoTheLater) {
    for (const DateRecord first :
         {Date(1999, 1, 1, G), Date(1899, 1, 1, J), Date(10518, 1, 1, A), Date(-101, 1, 1, G)}) {
        const int32_t perYear = first.calendar == A ? 10 : 12, start = JdnOf(first);
        std::vector<DateRecord> dates;
        for (int32_t j = start; j < start + 3 * 366 + 800; ++j)
            dates.push_back(Date(0, 0, 0, first.calendar, j));
        for (std::size_t i = 0; i < 3 * 366; ++i) {
            const DateRecord& e = dates[i];
            const bool intercalarius = e.calendar == A && e.month == 11;
            const int32_t fromMonth = intercalarius ? 10 : e.month,
                          fromDay = intercalarius ? 38 : e.day;
            for (std::size_t k = i; k < i + 800; ++k) {
                int32_t years = 0, error = 0;
                int16_t months = 0, days = 0;
                YearsMonthsDaysBetween(e, dates[k], years, months, days, error);
                const int32_t n = fromMonth - 1 + months, cal = e.calendar;
                DateRecord moved = Date(e.year + years + n / perYear, n % perYear + 1, 1, cal);
                moved.day = std::min<int32_t>(fromDay, MonthLength(moved));
                ASSERT_TRUE(error == 0 && days >= 0 && months >= 0 && months < perYear &&
                            years >= 0 && JdnOf(moved) + days == dates[k].jdn)
                    << char(cal) << " " << e.year << "-" << e.month << "-" << e.day << " + "
                    << k - i << " days: " << years << " y " << months << " m " << days << " d";
            }
        }
    }
    int32_t years = 0, error = 0; // an invalid borrowed month reports the error
    int16_t months = 0, days = 0;
    YearsMonthsDaysBetween(Date(2000, 1, 20, G), Date(2000, 14, 10, G), years, months, days, error);
    EXPECT_NE(error, 0);
}

// Day 366 moved into a common year is its last day: one day remains to 1 January.
TEST(DatePr2, YearsDaysBetween) {
    for (const auto& [y1, d1, y2, d2, wantYears, wantDays] :
         {std::tuple{2000, 366, 2004, 366, 4, 0},
          {2000, 366, 2001, 365, 0, 365},
          {2000, 366, 2002, 1, 1, 1}}) {
        DateRecord earlier{0, 0, 0, G, JdnOf(Date(y1, 1, 1, G)) + d1 - 1, 0};
        DateRecord later{0, 0, 0, G, JdnOf(Date(y2, 1, 1, G)) + d2 - 1, 0};
        int32_t years = -1, error = 0;
        int16_t days = -1;
        YearsDaysBetween(earlier, later, years, days, error);
        EXPECT_EQ(std::tie(error, years, days), std::tuple(0, wantYears, wantDays)) << y1;
        EXPECT_EQ(std::tie(earlier.year, later.year), std::tie(y1, y2)); // both refreshed
    }
}

} // namespace
