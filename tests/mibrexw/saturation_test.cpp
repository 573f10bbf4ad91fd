// Date -> JDN for records that do not hold a valid date, or whose JDN leaves int32: the
// result is computed arithmetically and saturated, never wrapped.
#include "mibrexw.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

int32_t ToJdn(int32_t year, int32_t month, int32_t day, char letter) {
    DateRecord r{};
    r.year = year;
    r.month = month;
    r.day = day;
    r.calendar = letter;
    const int32_t jdn = letter == 'A' ? annus_novus_date_to_jdn(&r) : euro_date_to_jdn(&r);
    EXPECT_EQ(r.jdn, jdn);
    return jdn;
}

struct Equivalent {
    const char* name;
    char letter;
    int32_t year, month, day;             // outside the usual ranges
    int32_t sameYear, sameMonth, sameDay; // the valid date it stands for
    int32_t offset;                       // days added to that date
};

void PrintTo(const Equivalent& e, std::ostream* os) {
    *os << e.name;
}

class OutOfRangeFields : public ::testing::TestWithParam<Equivalent> {};

TEST_P(OutOfRangeFields, CountOnFromAValidDate) {
    const Equivalent& e = GetParam();
    EXPECT_EQ(ToJdn(e.year, e.month, e.day, e.letter),
              ToJdn(e.sameYear, e.sameMonth, e.sameDay, e.letter) + e.offset);
}

INSTANTIATE_TEST_SUITE_P(
    Months, OutOfRangeFields,
    ::testing::Values(
        Equivalent{"Month13IsNextJanuary", 'G', 2000, 13, 1, 2001, 1, 1, 0},
        Equivalent{"Month0IsLastDecember", 'G', 2000, 0, 1, 1999, 12, 1, 0},
        Equivalent{"MonthMinus11", 'G', 2000, -11, 1, 1999, 1, 1, 0},
        Equivalent{"MonthMinus12", 'G', 2000, -12, 1, 1998, 12, 1, 0},
        Equivalent{"Month25", 'G', 2000, 25, 1, 2002, 1, 1, 0},
        Equivalent{"Month14IsNextFebruaryJulian", 'J', 1899, 14, 29, 1900, 2, 29, 0},
        Equivalent{"Day0IsDayBefore", 'G', 2000, 3, 0, 2000, 2, 29, 0},
        Equivalent{"Day30OfFebruary", 'G', 1900, 2, 30, 1900, 3, 2, 0},
        Equivalent{"NegativeDay", 'J', 2000, 1, -30, 1999, 12, 1, 0},
        Equivalent{"DayCountsOnFromFirst", 'G', 2000, 1, 1000, 2000, 1, 1, 999},
        Equivalent{"AnMonth11OfCommonYearIsNextNewYear", 'A', 10520, 11, 1, 10521, 1, 1, 0},
        Equivalent{"AnMonth12Is73DaysAfterDecimus", 'A', 10520, 12, 1, 10520, 10, 1, 37 + 36},
        Equivalent{"AnMonth0", 'A', 10520, 0, 1, 10520, 1, 1, -37},
        Equivalent{"AnMonthMinus1", 'A', 10520, -1, 1, 10520, 1, 1, -73},
        Equivalent{"AnDay0", 'A', 10520, 2, 0, 10520, 1, 36, 0},
        Equivalent{"AnDay38", 'A', 10520, 2, 38, 10520, 3, 1, 0}),
    [](const ::testing::TestParamInfo<Equivalent>& info) { return std::string(info.param.name); });

struct Saturating {
    const char* name;
    char letter;
    int32_t year, month, day;
    int32_t expected;
};

void PrintTo(const Saturating& e, std::ostream* os) {
    *os << e.name;
}

class Saturation : public ::testing::TestWithParam<Saturating> {};

TEST_P(Saturation, ClampsToInt32) {
    const Saturating& e = GetParam();
    EXPECT_EQ(ToJdn(e.year, e.month, e.day, e.letter), e.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, Saturation,
    ::testing::Values(
        Saturating{"GregorianLastExact", 'G', 5874898, 6, 3, INT32_MAX},
        Saturating{"GregorianBeforeLast", 'G', 5874898, 6, 2, INT32_MAX - 1},
        Saturating{"GregorianPastLast", 'G', 5874898, 6, 4, INT32_MAX},
        Saturating{"GregorianFirstExact", 'G', -5884323, 5, 15, INT32_MIN},
        Saturating{"GregorianAfterFirst", 'G', -5884323, 5, 16, INT32_MIN + 1},
        Saturating{"GregorianBeforeFirst", 'G', -5884323, 5, 14, INT32_MIN},
        Saturating{"JulianLastExact", 'J', 5874777, 10, 17, INT32_MAX},
        Saturating{"JulianPastLast", 'J', 5874777, 10, 18, INT32_MAX},
        Saturating{"JulianFirstExact", 'J', -5884202, 3, 16, INT32_MIN},
        Saturating{"JulianBeforeFirst", 'J', -5884202, 3, 15, INT32_MIN},
        Saturating{"AnLastExact", 'A', 5883417, 5, 8, INT32_MAX},
        Saturating{"AnPastLast", 'A', 5883417, 5, 9, INT32_MAX},
        Saturating{"AnFirstExact", 'A', -5875804, 4, 26, INT32_MIN},
        Saturating{"AnBeforeFirst", 'A', -5875804, 4, 25, INT32_MIN},
        Saturating{"GregorianAllMax", 'G', INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX},
        Saturating{"GregorianAllMin", 'G', INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN},
        Saturating{"JulianAllMax", 'J', INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX},
        Saturating{"JulianAllMin", 'J', INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN},
        Saturating{"AnAllMax", 'A', INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX},
        Saturating{"AnAllMin", 'A', INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN},
        // The fields pull in opposite directions; the month wins by far.
        Saturating{"GregorianMinMonthMaxDay", 'G', 0, INT32_MIN, INT32_MAX, INT32_MIN},
        Saturating{"GregorianMaxMonthMinDay", 'G', 0, INT32_MAX, INT32_MIN, INT32_MAX},
        Saturating{"AnMinMonthMaxDay", 'A', 0, INT32_MIN, INT32_MAX, INT32_MIN},
        Saturating{"AnMaxYearMinDay", 'A', INT32_MAX, 1, INT32_MIN, INT32_MAX},
        // A huge day count brings a far year back inside int32.
        Saturating{"JulianMinYearMaxDayStillBelow", 'J', INT32_MIN, 1, INT32_MAX, INT32_MIN},
        Saturating{"GregorianDayOnlyFromYear0", 'G', 0, 1, INT32_MAX, INT32_MAX},
        Saturating{"GregorianNegativeDayFromYear0", 'G', 0, 1, -2147483647,
                   1721060 - 2147483647 - 1}),
    [](const ::testing::TestParamInfo<Saturating>& info) { return std::string(info.param.name); });

TEST(LetterChoice, EuroConversionsReadEveryLetterButJAsGregorian) {
    for (int32_t letter : {0, int32_t{'G'}, int32_t{'A'}, int32_t{'X'}, -1, 1000}) {
        DateRecord r{};
        r.year = 2000;
        r.month = 1;
        r.day = 1;
        r.calendar = letter;
        EXPECT_EQ(euro_date_to_jdn(&r), 2451545) << letter;
        r.jdn = 2451911; // 2001-01-01 Gregorian, 2000-12-19 Julian
        jdn_to_euro_date(&r);
        EXPECT_EQ(r.year, 2001) << letter;
        EXPECT_EQ(r.month, 1) << letter;
        EXPECT_EQ(r.day, 1) << letter;
        EXPECT_EQ(r.calendar, letter);
    }
}

} // namespace
