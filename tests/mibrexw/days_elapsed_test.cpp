// Days between two records, each in its own calendar.
#include "mibrexw.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct Date {
    int32_t year, month, day;
    int32_t letter;
};

struct ElapsedCase {
    const char* name;
    Date a, b;
    bool ok;
    int32_t days; // a - b when ok
};

void PrintTo(const ElapsedCase& c, std::ostream* os) {
    *os << c.name;
}

DateRecord Record(const Date& d) {
    DateRecord r{};
    r.year = d.year;
    r.month = d.month;
    r.day = d.day;
    r.calendar = d.letter;
    r.jdn = 999; // never read: the count comes from year, month and day
    return r;
}

class DaysElapsed : public ::testing::TestWithParam<ElapsedCase> {};

TEST_P(DaysElapsed, CountOrError) {
    const ElapsedCase& c = GetParam();
    const DateRecord a = Record(c.a);
    const DateRecord b = Record(c.b);
    int32_t error = 12345;
    const int32_t days = days_elapsed(&a, &b, &error);
    if (c.ok) {
        EXPECT_EQ(error, 0);
        EXPECT_EQ(days, c.days);
        // The other way round is the negative, unless that leaves int32.
        if (c.days != INT32_MIN) {
            EXPECT_EQ(days_elapsed(&b, &a, &error), -c.days);
            EXPECT_EQ(error, 0);
        }
    } else {
        EXPECT_NE(error, 0);
        EXPECT_EQ(days, 0);
    }
    EXPECT_EQ(days_elapsed(&a, &b, nullptr), c.ok ? c.days : 0);
}

constexpr int32_t G = 'G';
constexpr int32_t J = 'J';
constexpr int32_t A = 'A';

INSTANTIATE_TEST_SUITE_P(
    Counts, DaysElapsed,
    ::testing::Values(
        ElapsedCase{"LeapYear2000", {2001, 1, 1, G}, {2000, 1, 1, G}, true, 366},
        ElapsedCase{"CommonYear1900", {1901, 1, 1, G}, {1900, 1, 1, G}, true, 365},
        ElapsedCase{"JulianYear1900", {1901, 1, 1, J}, {1900, 1, 1, J}, true, 366},
        ElapsedCase{"SameDayAcrossCalendars", {2000, 12, 19, J}, {2001, 1, 1, G}, true, 0},
        ElapsedCase{"AnAgainstGregorian", {10520, 1, 1, A}, {2000, 1, 1, G}, true, 366},
        ElapsedCase{"AnLeapYear", {10520, 1, 1, A}, {10519, 1, 1, A}, true, 366},
        ElapsedCase{"IntercalariusToNewYear", {10520, 1, 1, A}, {10519, 11, 1, A}, true, 1},
        ElapsedCase{"AnDecimusLength", {10521, 1, 1, A}, {10520, 10, 1, A}, true, 37},
        ElapsedCase{"LetterZeroIsGregorian", {2000, 3, 1, 0}, {2000, 2, 28, G}, true, 2},
        ElapsedCase{"OtherLetterIsGregorian", {1900, 3, 1, 'X'}, {1900, 2, 28, G}, true, 1},
        ElapsedCase{"AcrossYearZero", {1, 1, 1, G}, {-1, 12, 31, G}, true, 367},
        ElapsedCase{"WholeInt32", {5874898, 6, 3, G}, {-4712, 1, 1, J}, true, INT32_MAX},
        ElapsedCase{"DownToInt32Min", {-5884323, 5, 15, G}, {-4712, 1, 1, J}, true, INT32_MIN},
        ElapsedCase{"OnePastInt32Max", {5874898, 6, 4, G}, {-4712, 1, 1, J}, false, 0},
        ElapsedCase{"OnePastInt32Min", {-5884323, 5, 15, G}, {-4712, 1, 2, J}, false, 0},
        ElapsedCase{"BothEndsOfTheLimits", {5744892, 8, 11, G}, {-5754317, 3, 8, G}, false, 0},
        // Dates far beyond the JDN range still count when their difference is small.
        ElapsedCase{"FarYearsCloseTogether", {2000000000, 1, 2, G}, {2000000000, 1, 1, G}, true, 1},
        ElapsedCase{"ExtremeYearsApart", {INT32_MAX, 12, 31, A}, {INT32_MIN, 1, 1, J}, false, 0},
        ElapsedCase{"InvalidLeapDay", {1900, 2, 29, G}, {1900, 1, 1, G}, false, 0},
        ElapsedCase{"JulianLeapDay", {1900, 3, 1, J}, {1900, 2, 29, J}, true, 1},
        ElapsedCase{"InvalidSecond", {2000, 1, 1, G}, {2000, 4, 31, G}, false, 0},
        ElapsedCase{"Month13", {2000, 13, 1, G}, {2000, 1, 1, G}, false, 0},
        ElapsedCase{"Day0", {2000, 1, 0, G}, {2000, 1, 1, G}, false, 0},
        ElapsedCase{"NegativeDay", {2000, 1, 1, G}, {2000, 1, -5, J}, false, 0},
        ElapsedCase{"IntercalariusCommonYear", {10520, 11, 1, A}, {10520, 1, 1, A}, false, 0},
        ElapsedCase{"AnOddMonthDay37", {10520, 3, 37, A}, {10520, 1, 1, A}, false, 0},
        ElapsedCase{"AnMonth12", {10520, 12, 1, A}, {10520, 1, 1, A}, false, 0},
        ElapsedCase{"GregorianMonthInAn", {10520, 12, 31, A}, {10520, 1, 1, G}, false, 0},
        ElapsedCase{"ExtremeFields",
                    {INT32_MIN, INT32_MIN, INT32_MIN, G},
                    {INT32_MAX, INT32_MAX, INT32_MAX, G},
                    false,
                    0}),
    [](const ::testing::TestParamInfo<ElapsedCase>& info) { return std::string(info.param.name); });

TEST(DaysElapsedInput, NullRecords) {
    DateRecord valid{};
    valid.year = 2000;
    valid.month = 1;
    valid.day = 1;
    int32_t error = 0;
    EXPECT_EQ(days_elapsed(nullptr, &valid, &error), 0);
    EXPECT_NE(error, 0);
    error = 0;
    EXPECT_EQ(days_elapsed(&valid, nullptr, &error), 0);
    EXPECT_NE(error, 0);
}

} // namespace
