// Reading three numbers of a typed date: shape, validity per calendar and range.
#include "mibrexw.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

constexpr int32_t kMdy = 0;
constexpr int32_t kDmy = 1;
constexpr int32_t kYmd = 2;

struct ReadCase {
    const char* name;
    const char* text;
    int32_t order;
    char letter;
    int32_t result;
    int32_t year, month, day; // checked when result is 0 or -5 from the JDN limit
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class StrToDate : public ::testing::TestWithParam<ReadCase> {};

TEST_P(StrToDate, ResultAndFields) {
    const ReadCase& c = GetParam();
    DateRecord r{};
    r.jdn = 777;
    r.calendar = 'Q';
    EXPECT_EQ(str_to_date(c.text, c.order, &r, c.letter), c.result) << c.text;
    EXPECT_EQ(r.calendar, c.letter);
    EXPECT_EQ(r.jdn, 777) << "str_to_date leaves the JDN alone";
    if (c.year != 0 || c.month != 0 || c.day != 0) {
        EXPECT_EQ(r.year, c.year);
        EXPECT_EQ(r.month, c.month);
        EXPECT_EQ(r.day, c.day);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, StrToDate,
    ::testing::Values(ReadCase{"Ymd", "2000-01-01", kYmd, 'G', 0, 2000, 1, 1},
                      ReadCase{"Mdy", "01/02/2000", kMdy, 'G', 0, 2000, 1, 2},
                      ReadCase{"Dmy", "01.02.2000", kDmy, 'G', 0, 2000, 2, 1},
                      ReadCase{"NegativeYearFirst", "-44-03-15", kYmd, 'J', 0, -44, 3, 15},
                      ReadCase{"NegativeYearLastDashSeparator", "15-03--44", kDmy, 'J', 0, -44, 3,
                               15},
                      ReadCase{"NegativeYearLastMdy", "03/15/-44", kMdy, 'J', 0, -44, 3, 15},
                      ReadCase{"YearZero", "0-1-1", kYmd, 'G', 0, 0, 1, 1},
                      ReadCase{"MinusZero", "-0-1-1", kYmd, 'G', 0, 0, 1, 1},
                      ReadCase{"LeadingZeros", "0002000-001-0001", kYmd, 'G', 0, 2000, 1, 1},
                      ReadCase{"SingleDigits", "7.3.5", kDmy, 'G', 0, 5, 3, 7},
                      ReadCase{"AnySeparatorCharacters", "2000x01/01", kYmd, 'G', 0, 2000, 1, 1},
                      ReadCase{"Empty", "", kYmd, 'G', -1, 0, 0, 0},
                      ReadCase{"TwoNumbers", "2000-01", kYmd, 'G', -1, 0, 0, 0},
                      ReadCase{"FourNumbers", "2000-01-01-01", kYmd, 'G', -1, 0, 0, 0},
                      ReadCase{"TrailingSeparator", "2000-01-01-", kYmd, 'G', -1, 0, 0, 0},
                      ReadCase{"TrailingSpace", "2000-01-01 ", kYmd, 'G', -1, 0, 0, 0},
                      ReadCase{"LeadingSpace", " 2000-01-01", kYmd, 'G', -1, 0, 0, 0},
                      ReadCase{"TwoSeparators", "2000..01.01", kYmd, 'G', -1, 0, 0, 0},
                      ReadCase{"SignedMonth", "2000--01-01", kYmd, 'G', -1, 0, 0, 0},
                      ReadCase{"SignedDay", "2000-01--01", kYmd, 'G', -1, 0, 0, 0},
                      ReadCase{"SignedDayFirst", "-1-01-2000", kDmy, 'G', -1, 0, 0, 0},
                      ReadCase{"TwoSigns", "--2000-01-01", kYmd, 'G', -1, 0, 0, 0},
                      ReadCase{"PlusSign", "+2000-01-01", kYmd, 'G', -1, 0, 0, 0},
                      ReadCase{"SignAlone", "--01-01", kYmd, 'G', -1, 0, 0, 0},
                      ReadCase{"OrderTooLarge", "2000-01-01", 3, 'G', -1, 0, 0, 0},
                      ReadCase{"OrderNegative", "2000-01-01", -1, 'G', -1, 0, 0, 0}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Validity, StrToDate,
    ::testing::Values(
        ReadCase{"LeapDay2000", "2000-02-29", kYmd, 'G', 0, 2000, 2, 29},
        ReadCase{"NoLeapDay1900Gregorian", "1900-02-29", kYmd, 'G', -1, 1900, 2, 29},
        ReadCase{"LeapDay1900Julian", "1900-02-29", kYmd, 'J', 0, 1900, 2, 29},
        ReadCase{"LeapDayYear0", "0-02-29", kYmd, 'G', 0, 0, 2, 29},
        ReadCase{"LeapDayMinus100Julian", "-100-02-29", kYmd, 'J', 0, -100, 2, 29},
        ReadCase{"NoLeapDayMinus100Gregorian", "-100-02-29", kYmd, 'G', -1, -100, 2, 29},
        ReadCase{"LetterZeroIsGregorian", "1900-02-29", kYmd, '\0', -1, 1900, 2, 29},
        ReadCase{"Month13", "2000-13-01", kYmd, 'G', -1, 0, 0, 0},
        ReadCase{"Month0", "2000-00-10", kYmd, 'G', -1, 0, 0, 0},
        ReadCase{"Day0", "2000-01-00", kYmd, 'G', -1, 0, 0, 0},
        ReadCase{"April31", "2000-04-31", kYmd, 'G', -1, 0, 0, 0},
        ReadCase{"December31", "31-12-2000", kDmy, 'J', 0, 2000, 12, 31},
        ReadCase{"August31", "2000-08-31", kYmd, 'G', 0, 2000, 8, 31},
        ReadCase{"September31", "2000-09-31", kYmd, 'G', -1, 0, 0, 0},
        ReadCase{"HugeMonthNumber", "2000-0000000000000000000000012-31", kYmd, 'G', 0, 2000, 12,
                 31},
        ReadCase{"TenDigitMonth", "2000-1000000000-01", kYmd, 'G', -1, 0, 0, 0},
        ReadCase{"NineDigitDay", "2000-01-999999999", kYmd, 'G', -1, 2000, 1, 999999999},
        ReadCase{"AnFirst", "10520-01-01", kYmd, 'A', 0, 10520, 1, 1},
        ReadCase{"AnDmy", "37-10-10520", kDmy, 'A', 0, 10520, 10, 37},
        ReadCase{"AnOddMonthHas36", "10520-09-37", kYmd, 'A', -1, 0, 0, 0},
        ReadCase{"AnEvenMonthHas37", "10520-02-37", kYmd, 'A', 0, 10520, 2, 37},
        ReadCase{"AnMonth1Day36", "10520-01-36", kYmd, 'A', 0, 10520, 1, 36},
        ReadCase{"AnMonth10Day38", "10520-10-38", kYmd, 'A', -1, 0, 0, 0},
        ReadCase{"IntercalariusInLeapYear", "10519-11-01", kYmd, 'A', 0, 10519, 11, 1},
        ReadCase{"IntercalariusCommonYear", "10520-11-01", kYmd, 'A', -1, 0, 0, 0},
        ReadCase{"IntercalariusDay2", "10519-11-02", kYmd, 'A', -1, 0, 0, 0},
        // 10419 AN is 1900 CE: not a leap year; 10119 AN is 1600 CE: a leap year.
        ReadCase{"IntercalariusCentury", "10419-11-01", kYmd, 'A', -1, 0, 0, 0},
        ReadCase{"IntercalariusFourCenturies", "10119-11-01", kYmd, 'A', 0, 10119, 11, 1},
        ReadCase{"IntercalariusNegativeYear", "-281-11-01", kYmd, 'A', 0, -281, 11, 1},
        ReadCase{"AnMonth12", "10519-12-01", kYmd, 'A', -1, 0, 0, 0},
        ReadCase{"AnMonth0", "10519-00-01", kYmd, 'A', -1, 0, 0, 0}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

// The JDN limits +-2,100,000,000 in every calendar, and years too long to hold.
INSTANTIATE_TEST_SUITE_P(
    Range, StrToDate,
    ::testing::Values(
        ReadCase{"GregorianLast", "5744892-08-11", kYmd, 'G', 0, 5744892, 8, 11},
        ReadCase{"GregorianPastLast", "5744892-08-12", kYmd, 'G', -5, 5744892, 8, 12},
        ReadCase{"GregorianFirst", "-5754317-03-08", kYmd, 'G', 0, -5754317, 3, 8},
        ReadCase{"GregorianBeforeFirst", "-5754317-03-07", kYmd, 'G', -5, -5754317, 3, 7},
        ReadCase{"JulianLast", "08/27/5744774", kMdy, 'J', 0, 5744774, 8, 27},
        ReadCase{"JulianPastLast", "08/28/5744774", kMdy, 'J', -5, 5744774, 8, 28},
        ReadCase{"JulianFirst", "07.05.-5754199", kDmy, 'J', 0, -5754199, 5, 7},
        ReadCase{"JulianBeforeFirst", "06.05.-5754199", kDmy, 'J', -5, -5754199, 5, 6},
        ReadCase{"AnLast", "5753411-07-05", kYmd, 'A', 0, 5753411, 7, 5},
        ReadCase{"AnPastLast", "5753411-07-06", kYmd, 'A', -5, 5753411, 7, 6},
        ReadCase{"AnFirst", "-5745798-02-31", kYmd, 'A', 0, -5745798, 2, 31},
        ReadCase{"AnBeforeFirst", "-5745798-02-30", kYmd, 'A', -5, -5745798, 2, 30},
        ReadCase{"NineDigitYearValidDate", "999999999-12-31", kYmd, 'G', -5, 999999999, 12, 31},
        ReadCase{"NineDigitNegativeYear", "-999999999-01-01", kYmd, 'J', -5, -999999999, 1, 1},
        ReadCase{"NineDigitYearInvalidDate", "999999999-02-30", kYmd, 'G', -1, 0, 0, 0},
        ReadCase{"TenDigitYear", "1000000000-01-01", kYmd, 'G', -5, 0, 0, 0},
        ReadCase{"TenDigitYearLast", "31-12--2147483648", kDmy, 'A', -5, 0, 0, 0},
        ReadCase{"TenDigitYearBadMonth", "1000000000-13-01", kYmd, 'G', -5, 0, 0, 0},
        ReadCase{"TenDigitYearBadShape", "1000000000-13", kYmd, 'G', -1, 0, 0, 0},
        ReadCase{"LeadingZerosDoNotCount", "00000000000000002000-01-01", kYmd, 'G', 0, 2000, 1, 1},
        ReadCase{"ThirtyDigitYear", "123456789012345678901234567890-01-01", kYmd, 'J', -5, 0, 0,
                 0}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(StrToDateInput, NullTextAndRecord) {
    DateRecord r{};
    EXPECT_EQ(str_to_date(nullptr, kYmd, &r, 'J'), -1);
    EXPECT_EQ(r.calendar, 'J');
    EXPECT_EQ(str_to_date("2000-01-01", kYmd, nullptr, 'G'), -1);
}

TEST(StrToDateInput, VeryLongTexts) {
    const std::string longYear(100000, '9');
    DateRecord r{};
    EXPECT_EQ(str_to_date((longYear + "-01-01").c_str(), kYmd, &r, 'G'), -5);
    EXPECT_EQ(str_to_date(("01-01-" + longYear).c_str(), kDmy, &r, 'A'), -5);
    EXPECT_EQ(str_to_date(("-" + longYear + "-01-01").c_str(), kYmd, &r, 'J'), -5);
    EXPECT_EQ(str_to_date(("2000-" + longYear + "-01").c_str(), kYmd, &r, 'G'), -1);
    EXPECT_EQ(str_to_date(("2000-01-" + longYear).c_str(), kYmd, &r, 'G'), -1);
    EXPECT_EQ(str_to_date(longYear.c_str(), kYmd, &r, 'G'), -1);
    const std::string zeros(100000, '0');
    EXPECT_EQ(str_to_date((zeros + "1-" + zeros + "2-" + zeros + "3").c_str(), kYmd, &r, 'G'), 0);
    EXPECT_EQ(r.year, 1);
    EXPECT_EQ(r.month, 2);
    EXPECT_EQ(r.day, 3);
    const std::string separators(100000, '-');
    EXPECT_EQ(str_to_date(separators.c_str(), kYmd, &r, 'G'), -1);
}

// Every date that reads as 0 converts to a JDN inside the limits, and the limit dates
// themselves are the last ones that read.
TEST(StrToDateInput, AcceptedDatesConvertInsideTheLimits) {
    struct Edge {
        const char* last;
        char letter;
    };
    for (const Edge& e :
         {Edge{"5744892-08-11", 'G'}, Edge{"-5754317-03-08", 'G'}, Edge{"5744774-08-27", 'J'},
          Edge{"-5754199-05-07", 'J'}, Edge{"5753411-07-05", 'A'}, Edge{"-5745798-02-31", 'A'}}) {
        DateRecord r{};
        ASSERT_EQ(str_to_date(e.last, kYmd, &r, e.letter), 0) << e.last;
        const int32_t jdn = e.letter == 'A' ? annus_novus_date_to_jdn(&r) : euro_date_to_jdn(&r);
        EXPECT_EQ(jdn, e.last[0] == '-' ? MIBREXW_SMALLEST_DAY_NUMBER : MIBREXW_LARGEST_DAY_NUMBER)
            << e.last << " " << e.letter;
    }
}

} // namespace
