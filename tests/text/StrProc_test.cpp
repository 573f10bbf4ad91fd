// Date text and number text: reading, writing, cleaning and the key filters, with the
// examples users type and texts of any length pasted into the windows.
#include "text/StrProc.h"

#include "calendar/DatePr2.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

namespace {

using namespace StrProc;
using DatePr2::AN;
using DatePr2::CE;
using DatePr2::DMY;
using DatePr2::JC;
using DatePr2::JDN;
using DatePr2::MDY;
using DatePr2::YMD;
using DatePr2::YYYYDDD;

constexpr int32_t G = DatePr2::letterGregorian;
constexpr int32_t J = DatePr2::letterJulian;
constexpr int32_t A = DatePr2::letterAnnusNovus;

DateRecord Date(int32_t year, int32_t month, int32_t day, int32_t letter)
{
    DateRecord r{};
    r.year = year;
    r.month = month;
    r.day = day;
    r.calendar = letter;
    return r;
}

std::string Name(const char* name) { return name; }

// ---------------------------------------------------------------- ParseDate

struct ParseCase {
    const char* name;
    std::string text;
    const char* separator;
    int16_t kind;
    int16_t order;
    int16_t status;
    int32_t jdn; // checked when the status is 1
    // Checked when the status is 1 and the kind is not JDN.
    int32_t year = 0, month = 0, day = 0, letter = 0;
};
void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }

class ParseDateTable : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDateTable, StatusAndRecord)
{
    const ParseCase& c = GetParam();
    DateRecord rec{};
    EXPECT_EQ(ParseDate(c.text, c.separator, c.kind, c.order, rec), c.status);
    if (c.status != statusRead) {
        return;
    }
    EXPECT_EQ(rec.jdn, c.jdn);
    if (c.kind != JDN) {
        EXPECT_EQ(rec.year, c.year);
        EXPECT_EQ(rec.month, c.month);
        EXPECT_EQ(rec.day, c.day);
        EXPECT_EQ(rec.calendar, c.letter);
    }
}

INSTANTIATE_TEST_SUITE_P(
    CalendarDates, ParseDateTable,
    ::testing::Values(
        ParseCase{"ce_plain", "2000-01-01", "-", CE, YMD, 1, 2451545, 2000, 1, 1, G},
        ParseCase{"jc_parenthesised_negative_year", "15/03/(-44)", "/", JC, DMY, 1, 1705061, -44,
                  3, 15, J},
        ParseCase{"jc_bare_negative_year", "15/03/-44", "/", JC, DMY, 1, 1705061, -44, 3, 15, J},
        ParseCase{"three_dashes_with_sign", "15-03--44", "-", JC, DMY, 1, 1705061, -44, 3, 15, J},
        ParseCase{"four_dashes", "15-03-2000-1", "-", CE, DMY, 0, 0},
        ParseCase{"one_dash_only", "2000-0101", "-", CE, YMD, 0, 0},
        ParseCase{"february_30_refused_by_library", "2000/02/30", "/", CE, YMD, 0, 0},
        ParseCase{"an_mdy_slash_reads_ymd_dash", "10520-01-01", "/", AN, MDY, 1, 2451911, 10520,
                  1, 1, A},
        ParseCase{"an_slashes_are_not_its_separator", "10520/01/01", "/", AN, YMD, 0, 0},
        ParseCase{"an_dmy_kept", "01-02-10520", ".", AN, DMY, 1, 2451947, 10520, 2, 1, A},
        ParseCase{"an_intercalarius", "10519-11-01", "-", AN, YMD, 1, 2451910, 10519, 11, 1, A},
        ParseCase{"an_intercalarius_of_common_year", "10520-11-01", "-", AN, YMD, 0, 0},
        ParseCase{"ce_mdy_slash", "03/15/2000", "/", CE, MDY, 1, 2451619, 2000, 3, 15, G},
        ParseCase{"blanks_and_letters_dropped", " 2000 - 01 - 01 CE", "-", CE, YMD, 1, 2451545,
                  2000, 1, 1, G},
        ParseCase{"grouped_year_commas", "12,345-06-07", "-", CE, YMD, 1, 6230136, 12345, 6, 7,
                  G},
        ParseCase{"grouped_year_dots_dash_separator", "12.345-06-07", "-", CE, YMD, 1, 6230136,
                  12345, 6, 7, G},
        ParseCase{"dot_separator_long_year", "07.06.12345", ".", CE, DMY, 1, 6230136, 12345, 6, 7,
                  G},
        ParseCase{"julian_leap_day_1900", "1900-02-29", "-", JC, YMD, 1, 2415092, 1900, 2, 29, J},
        ParseCase{"gregorian_1900_no_leap_day", "1900-02-29", "-", CE, YMD, 0, 0},
        ParseCase{"two_signs_with_slashes", "-5/-3/2000", "/", CE, YMD, 0, 0},
        ParseCase{"three_slashes", "2000/01/01/", "/", CE, YMD, 0, 0},
        ParseCase{"slash_separator_dash_text", "2000-01-01", "/", CE, YMD, 0, 0},
        ParseCase{"empty", "", "-", CE, YMD, 0, 0},
        ParseCase{"utf8_letters_dropped", "\xc3\xa9t\xc3\xa9 2000-01-01", "-", CE, YMD, 1,
                  2451545, 2000, 1, 1, G},
        ParseCase{"year_beyond_day_number_limit", "9999999-01-01", "-", CE, YMD, -1, 0},
        ParseCase{"year_of_ten_digits", "1234567890-01-01", "-", CE, YMD, -1, 0},
        ParseCase{"negative_year_beyond_limit", "-9999999-01-01", "-", JC, YMD, -1, 0}),
    [](const auto& info) { return Name(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Yyyyddd, ParseDateTable,
    ::testing::Values(
        ParseCase{"leap_day_366", "2000366", "-", YYYYDDD, YMD, 1, 2451910, 2000, 12, 31, G},
        ParseCase{"common_year_day_366", "2001366", "-", YYYYDDD, YMD, 0, 0},
        ParseCase{"year_zero", "0000001", "-", YYYYDDD, YMD, 0, 0},
        ParseCase{"day_zero", "2000000", "-", YYYYDDD, YMD, 0, 0},
        ParseCase{"day_367", "2000367", "-", YYYYDDD, YMD, 0, 0},
        ParseCase{"six_digits", "200001", "-", YYYYDDD, YMD, 0, 0},
        ParseCase{"inner_blank", "2000 001", "-", YYYYDDD, YMD, 0, 0},
        ParseCase{"inner_dash", "2000-01", "-", YYYYDDD, YMD, 0, 0},
        ParseCase{"leading_minus", "-200001", "-", YYYYDDD, YMD, 0, 0},
        ParseCase{"first_day", "0001001", "/", YYYYDDD, DMY, 1, 1721426, 1, 1, 1, G},
        ParseCase{"last_day", "9999365", ".", YYYYDDD, MDY, 1, 5373484, 9999, 12, 31, G},
        // A leading "+" keeps the length, so it is read as part of the year.
        ParseCase{"leading_plus", "+200001", "-", YYYYDDD, YMD, 1, 1794109, 200, 1, 1, G}),
    [](const auto& info) { return Name(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    DayNumbers, ParseDateTable,
    ::testing::Values(ParseCase{"dots_group_thousands", "2.451.545", ".", JDN, YMD, 1, 2451545},
                      ParseCase{"one_group_dot", "2451.545", ".", JDN, YMD, 1, 2451545},
                      ParseCase{"misplaced_dot", "24.51545", ".", JDN, YMD, 0, 0},
                      ParseCase{"dot_too_early", "1.2345", ".", JDN, YMD, 0, 0},
                      ParseCase{"short_with_dot", ".123", ".", JDN, YMD, 0, 0},
                      ParseCase{"dots_misplaced_pair", "24.5.1545", ".", JDN, YMD, 0, 0},
                      ParseCase{"three_dots_over_limit", "2.100.000.001", ".", JDN, YMD, -1, 0},
                      ParseCase{"three_dots_at_limit", "-2.100.000.000", ".", JDN, YMD, 1,
                                -2100000000},
                      ParseCase{"four_dots", "1.000.000.000.000", ".", JDN, YMD, 0, 0},
                      ParseCase{"sign_with_dash_separator", "-2451545", "-", JDN, YMD, 1,
                                -2451545},
                      ParseCase{"inner_dash", "2451-545", "-", JDN, YMD, 0, 0},
                      ParseCase{"two_dashes", "--5", "-", JDN, YMD, 0, 0},
                      ParseCase{"slash_refused", "2451/545", "/", JDN, YMD, 0, 0},
                      ParseCase{"commas_with_slash_separator", "2,451,545", "/", JDN, YMD, 1,
                                2451545},
                      ParseCase{"inner_dash_dropped_with_slash", "2451-545", "/", JDN, YMD, 1,
                                2451545},
                      ParseCase{"letters_only", "abc", "-", JDN, YMD, 0, 0},
                      ParseCase{"at_limit", "2100000000", "-", JDN, YMD, 1, 2100000000},
                      ParseCase{"over_limit", "2100000001", "-", JDN, YMD, -1, 0}),
    [](const auto& info) { return Name(info.param.name); });

TEST(ParseDate, CallerTextIsNotChanged)
{
    const std::string text = " (2000) 01 01 ";
    const std::string separator = " ";
    DateRecord rec{};
    ParseDate(text, separator, CE, YMD, rec);
    EXPECT_EQ(text, " (2000) 01 01 ");
}

// Pasted texts of any length: the answer depends on the content, not on 16-bit counters.
TEST(ParseDate, LongTextsGiveTheirTrueStatus)
{
    DateRecord rec{};
    const std::string padded =
        std::string(1'000'000, ' ') + "2000-01-01" + std::string(1'000'000, 'x');
    EXPECT_EQ(ParseDate(padded, "-", CE, YMD, rec), statusRead);
    EXPECT_EQ(rec.jdn, 2451545);

    // 65,538 dashes: a count kept in 16 bits that wrapped would read as 2.
    rec = DateRecord{};
    EXPECT_EQ(ParseDate(std::string(65538, '-'), "-", CE, YMD, rec), statusInvalid);

    // A yyyyddd text 65,536 characters longer than 7 must not pass as 7 long.
    rec = DateRecord{};
    EXPECT_EQ(ParseDate("2000001" + std::string(65536, '0'), "-", YYYYDDD, YMD, rec),
              statusInvalid);

    rec = DateRecord{};
    EXPECT_EQ(ParseDate(std::string(100'000, '.'), ".", JDN, YMD, rec), statusInvalid);

    rec = DateRecord{};
    EXPECT_EQ(ParseDate(std::string(70'000, '9'), "-", JDN, YMD, rec), statusOutOfRange);

    // Leading zeros do not make a year long.
    rec = DateRecord{};
    EXPECT_EQ(ParseDate(std::string(100'000, '0') + "2000-01-01", "-", CE, YMD, rec),
              statusRead);
    EXPECT_EQ(rec.jdn, 2451545);
}

// ---------------------------------------------------------------- FormatDate

struct FormatCase {
    const char* name;
    DateRecord rec;
    int16_t order;
    const char* separator;
    const char* thousands;
    const char* expected;
};
void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

class FormatDateTable : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatDateTable, Text)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatDate(c.rec, c.order, c.separator, c.thousands), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, FormatDateTable,
    ::testing::Values(
        FormatCase{"mdy_slash", Date(2001, 1, 1, G), MDY, "/", ",", "01/01/2001"},
        FormatCase{"dmy_dot_negative_year", Date(-44, 3, 15, J), DMY, ".", ",", "15.03.(-44)"},
        FormatCase{"ymd_negative_year_bare", Date(-44, 3, 15, J), YMD, "-", ",", "-44-03-15"},
        FormatCase{"mdy_negative_year", Date(-44, 3, 15, G), MDY, "/", ",", "03/15/(-44)"},
        FormatCase{"ymd_grouped_year", Date(12345, 6, 7, G), YMD, "-", ",", "12,345-06-07"},
        FormatCase{"year_without_leading_zeros", Date(5, 1, 7, G), YMD, "-", ",", "5-01-07"},
        FormatCase{"year_zero", Date(0, 1, 1, G), DMY, "-", ",", "01-01-0"},
        FormatCase{"four_digits_not_grouped", Date(9999, 12, 31, G), YMD, "-", ",",
                   "9999-12-31"},
        FormatCase{"negative_four_digits_not_grouped", Date(-9999, 12, 31, G), YMD, "-", ",",
                   "-9999-12-31"},
        FormatCase{"five_digits_grouped", Date(10000, 1, 1, G), YMD, "-", ",", "10,000-01-01"},
        FormatCase{"negative_grouped_in_parentheses", Date(-12345, 6, 7, G), DMY, "-", ",",
                   "07-06-(-12,345)"},
        FormatCase{"millions_grouped", Date(5000000, 1, 1, J), YMD, ".", ",", "5,000,000.01.01"},
        FormatCase{"no_thousands_separator", Date(12345, 6, 7, G), YMD, "-", "", "12345-06-07"},
        FormatCase{"dot_grouping_dash_separator", Date(12345, 6, 7, G), YMD, "-", ".",
                   "12.345-06-07"},
        FormatCase{"an_mdy_written_ymd_with_dash", Date(10520, 1, 1, A), MDY, "/", ",",
                   "10520-01-01"},
        FormatCase{"an_dmy_with_dash", Date(10520, 1, 1, A), DMY, "/", ",", "01-01-10520"},
        FormatCase{"an_never_grouped", Date(10520, 6, 7, A), YMD, "-", ",", "10520-06-07"},
        FormatCase{"an_negative_year_dmy", Date(-5000, 1, 1, A), DMY, ".", ",", "01-01-(-5000)"},
        FormatCase{"an_negative_year_ymd", Date(-5000, 1, 1, A), MDY, ".", ",", "-5000-01-01"}),
    [](const auto& info) { return Name(info.param.name); });

// When the grouping mark is itself the date separator, a grouped year could not be read back.
INSTANTIATE_TEST_SUITE_P(
    GroupingMarkIsDateSeparator, FormatDateTable,
    ::testing::Values(
        FormatCase{"ymd_dots", Date(12345, 6, 7, G), YMD, ".", ".", "12345.06.07"},
        FormatCase{"dmy_dots", Date(12345, 6, 7, G), DMY, ".", ".", "07.06.12345"},
        FormatCase{"dmy_dots_negative", Date(-12345, 6, 7, J), DMY, ".", ".", "07.06.(-12345)"},
        FormatCase{"mdy_dots_millions", Date(1000000, 6, 7, G), MDY, ".", ".", "06.07.1000000"},
        FormatCase{"dash_grouping_mark", Date(12345, 6, 7, G), YMD, "/", "-", "12345/06/07"}),
    [](const auto& info) { return Name(info.param.name); });

TEST(FormatDate, GroupingMarkEqualToSeparatorReadsBack)
{
    const DateRecord rec = Date(12345, 6, 7, G);
    DateRecord back{};
    const std::string text = FormatDate(rec, DMY, ".", ".");
    ASSERT_EQ(ParseDate(text, ".", CE, DMY, back), statusRead);
    EXPECT_EQ(back.year, 12345);
    EXPECT_EQ(back.month, 6);
    EXPECT_EQ(back.day, 7);
}

// ---------------------------------------------------------------- text helpers

struct EditCase {
    const char* name;
    std::string text;
    std::string argument;
    std::string expected;
};
void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }

class KeepDateCharactersTable : public ::testing::TestWithParam<EditCase> {};

TEST_P(KeepDateCharactersTable, KeepsDigitsDashAndSeparator)
{
    std::string text = GetParam().text;
    KeepDateCharacters(text, GetParam().argument);
    EXPECT_EQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, KeepDateCharactersTable,
    ::testing::Values(EditCase{"parentheses_blanks_commas", "(2000) 01,01", "-", "20000101"},
                      EditCase{"separator_kept", "15.03.(-44)", ".", "15.03.-44"},
                      EditCase{"dots_dropped_for_other_separator", "12.345/06/07", "/",
                               "12345/06/07"},
                      EditCase{"utf8_dropped", "\xc3\xa9" "2000-01-01\xe2\x82\xac", "/",
                               "2000-01-01"},
                      EditCase{"nul_dropped", std::string("20\0" "00", 5), "-", "2000"},
                      EditCase{"consecutive_removals", "aaaa1bbbb", "-", "1"},
                      EditCase{"empty", "", "-", ""},
                      EditCase{"nothing_kept", "abc", "/", ""}),
    [](const auto& info) { return Name(info.param.name); });

class CleanNumberTextTable : public ::testing::TestWithParam<EditCase> {};

TEST_P(CleanNumberTextTable, DigitsAndOneLeadingSign)
{
    std::string text = GetParam().text;
    CleanNumberText(text, GetParam().argument == "minus");
    EXPECT_EQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CleanNumberTextTable,
    ::testing::Values(EditCase{"letters_and_late_minus", "a+1-2", "minus", "+12"},
                      EditCase{"second_minus", "--5", "minus", "-5"},
                      EditCase{"second_plus", "++5", "minus", "+5"},
                      EditCase{"plus_after_digit", "5+", "minus", "5"},
                      EditCase{"minus_then_plus", "-+5", "minus", "-+5"},
                      EditCase{"minus_then_plus_no_minus", "-+5", "plain", "+5"},
                      EditCase{"plus_then_minus", "+-5", "minus", "+-5"},
                      EditCase{"plus_then_minus_no_minus", "+-5", "plain", "+5"},
                      EditCase{"grouped", "-2,451,545", "minus", "-2451545"},
                      EditCase{"blanks", " 1 2 ", "minus", "12"}),
    [](const auto& info) { return Name(info.param.name); });

struct CountCase {
    const char* name;
    std::string text;
    char character;
    int16_t expected;
};
void PrintTo(const CountCase& c, std::ostream* os) { *os << c.name; }

class CountCharTable : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountCharTable, SaturatesAtInt16Max)
{
    EXPECT_EQ(CountChar(GetParam().text, GetParam().character), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CountCharTable,
    ::testing::Values(CountCase{"two_dashes", "a-b-c", '-', 2}, CountCase{"empty", "", '-', 0},
                      CountCase{"nul_character", std::string("a\0b\0", 4), '\0', 2},
                      CountCase{"at_limit", std::string(32767, '.'), '.', 32767},
                      CountCase{"one_beyond", std::string(32768, '.'), '.', 32767},
                      CountCase{"wraps_to_two_in_16_bits", std::string(65538, '-'), '-', 32767}),
    [](const auto& info) { return Name(info.param.name); });

struct CutCase {
    const char* name;
    std::string text;
    std::string expected;
};
void PrintTo(const CutCase& c, std::ostream* os) { *os << c.name; }

class CutAtNulTable : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutAtNulTable, CutsBeforeTheFirstNul)
{
    std::string text = GetParam().text;
    CutAtNul(text);
    EXPECT_EQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, CutAtNulTable,
                         ::testing::Values(CutCase{"middle", std::string("ab\0cd\0", 6), "ab"},
                                           CutCase{"none", "abc", "abc"},
                                           CutCase{"first", std::string("\0abc", 4), ""}),
                         [](const auto& info) { return Name(info.param.name); });

// ---------------------------------------------------------------- whole numbers

struct NumberCase {
    const char* name;
    std::string text;
    int16_t status;
    int32_t value; // checked for status 1, and for 0 (always 0)
};
void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.name; }

class ParseWholeNumberTable : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ParseWholeNumberTable, ValueAndStatus)
{
    const NumberCase& c = GetParam();
    int16_t status = 99;
    const int32_t value = ParseWholeNumber(c.text, status);
    EXPECT_EQ(status, c.status);
    if (c.status != statusOutOfRange) {
        EXPECT_EQ(value, c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseWholeNumberTable,
    ::testing::Values(NumberCase{"commas", "2,451,545", 1, 2451545},
                      NumberCase{"blanks", "2 451 545", 1, 2451545},
                      NumberCase{"negative", "-2451545", 1, -2451545},
                      NumberCase{"late_minus_dropped", "12-34", 1, 1234},
                      NumberCase{"minus_plus", "-+5", 1, -5},
                      NumberCase{"plus_minus", "+-5", 0, 0},
                      NumberCase{"empty", "", 0, 0},
                      NumberCase{"letters_only", "abc", 0, 0},
                      NumberCase{"minus_alone", "-", 0, 0},
                      NumberCase{"plus_alone_has_no_digits", "x+", 0, 0},
                      NumberCase{"minus_plus_without_digits", "-+", 0, 0},
                      NumberCase{"zero", "0", 1, 0},
                      NumberCase{"minus_zero", "-0", 1, 0},
                      NumberCase{"at_limit", "2100000000", 1, 2100000000},
                      NumberCase{"negative_at_limit", "-2100000000", 1, -2100000000},
                      NumberCase{"over_limit", "2100000001", -1, 0},
                      NumberCase{"negative_over_limit", "-2100000001", -1, 0},
                      NumberCase{"int32_max", "2147483647", -1, 0},
                      NumberCase{"beyond_int32", "2147483648", -1, 0},
                      NumberCase{"int32_min", "-2147483648", -1, 0},
                      NumberCase{"eleven_digits", "99999999999", -1, 0},
                      NumberCase{"ten_digits_greater_first_digit", "3000000000", -1, 0},
                      NumberCase{"plus_does_not_count_as_digit", "+2100000000", 1, 2100000000},
                      NumberCase{"leading_zeros", "000000000001", 1, 1},
                      NumberCase{"leading_zeros_negative", "-0002,100,000,000", 1, -2100000000},
                      NumberCase{"seventy_thousand_digits", "1" + std::string(70000, '0'), -1, 0},
                      NumberCase{"long_garbage_around", std::string(100000, 'x') + "42" +
                                                             std::string(100000, ','),
                                 1, 42}),
    [](const auto& info) { return Name(info.param.name); });

TEST(ParseWholeNumber, TextTestFailuresGiveZero)
{
    int16_t status = 1;
    EXPECT_EQ(ParseWholeNumber("99999999999", status), 0);
    EXPECT_EQ(status, statusOutOfRange);
    EXPECT_EQ(ParseWholeNumber("+-5", status), 0);
    EXPECT_EQ(status, statusInvalid);
}

struct GroupCase {
    const char* name;
    std::string number;
    std::string separator;
    std::string expected;
};
void PrintTo(const GroupCase& c, std::ostream* os) { *os << c.name; }

class InsertThousandsSeparatorsTable : public ::testing::TestWithParam<GroupCase> {};

TEST_P(InsertThousandsSeparatorsTable, Groups)
{
    EXPECT_EQ(InsertThousandsSeparators(GetParam().number, GetParam().separator),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, InsertThousandsSeparatorsTable,
    ::testing::Values(GroupCase{"negative_commas", "-1234567", ",", "-1,234,567"},
                      GroupCase{"no_separator", "-1234567", "", "-1234567"},
                      GroupCase{"dots", "2451545", ".", "2.451.545"},
                      GroupCase{"three_digits", "123", ",", "123"},
                      GroupCase{"four_digits", "1234", ",", "1,234"},
                      GroupCase{"lower_limit", "-2100000000", ",", "-2,100,000,000"},
                      GroupCase{"int32_min_fits", "-2147483648", ".", "-2.147.483.648"},
                      GroupCase{"only_first_character_used", "1234", ".,", "1.234"},
                      // What cannot be grouped is left as it is, never emptied.
                      GroupCase{"not_a_number", "12a", ",", "12a"},
                      GroupCase{"too_long_to_group", "12345678901234567", ",",
                                "12345678901234567"}),
    [](const auto& info) { return Name(info.param.name); });

// ---------------------------------------------------------------- key filters

struct KeyCase {
    const char* name;
    bool dayCount; // DayCountKeyAllowed, else DateKeyAllowed
    int key, length, maximum;
    const char* separator;
    bool allowed;
};
void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class KeyFilterTable : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyFilterTable, Allowed)
{
    const KeyCase& c = GetParam();
    const bool allowed = c.dayCount ? DayCountKeyAllowed(c.key, c.length, c.maximum, c.separator)
                                    : DateKeyAllowed(c.key, c.length, c.maximum, c.separator);
    EXPECT_EQ(allowed, c.allowed);
}

INSTANTIATE_TEST_SUITE_P(
    DateWindows, KeyFilterTable,
    ::testing::Values(KeyCase{"separator", false, '/', 0, 18, "/", true},
                      KeyCase{"letter", false, 'a', 0, 18, "/", false},
                      KeyCase{"backspace_at_limit", false, 8, 18, 18, "/", true},
                      KeyCase{"copy_at_limit", false, 3, 18, 18, "/", true},
                      KeyCase{"paste_at_limit", false, 22, 18, 18, "/", true},
                      KeyCase{"cut_at_limit", false, 24, 18, 18, "/", true},
                      KeyCase{"digit_at_limit", false, '5', 18, 18, "/", false},
                      KeyCase{"digit_below_limit", false, '5', 17, 18, "/", true},
                      KeyCase{"digit_beyond_limit_after_paste", false, '5', 40, 18, "/", false},
                      KeyCase{"parenthesis", false, '(', 3, 18, "-", true},
                      KeyCase{"blank", false, ' ', 3, 18, "-", true},
                      KeyCase{"comma", false, ',', 3, 18, "-", true},
                      KeyCase{"dot_whatever_separator", false, '.', 3, 18, "/", true},
                      KeyCase{"slash_not_separator", false, '/', 3, 18, "-", false},
                      KeyCase{"plus", false, '+', 3, 18, "-", false},
                      KeyCase{"key_zero", false, 0, 3, 18, "-", false},
                      KeyCase{"negative_key", false, -1, 3, 18, "-", false},
                      KeyCase{"beyond_byte_same_low_bits_as_slash", false, 256 + '/', 3, 18, "/",
                              false},
                      KeyCase{"latin1_letter", false, 0xE9, 3, 18, "-", false},
                      KeyCase{"enter", false, 13, 3, 18, "-", false}),
    [](const auto& info) { return Name(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    DayCountWindow, KeyFilterTable,
    ::testing::Values(KeyCase{"comma_without_thousands", true, ',', 0, 18, "", false},
                      KeyCase{"dot_with_dot_thousands", true, '.', 0, 18, ".", true},
                      KeyCase{"comma_with_comma_thousands", true, ',', 0, 18, ",", true},
                      KeyCase{"dot_with_comma_thousands", true, '.', 0, 18, ",", false},
                      KeyCase{"minus", true, '-', 0, 18, "", true},
                      KeyCase{"digit", true, '0', 0, 18, "", true},
                      KeyCase{"blank", true, ' ', 0, 18, ",", false},
                      KeyCase{"parenthesis", true, '(', 0, 18, ",", false},
                      KeyCase{"backspace_at_limit", true, 8, 18, 18, "", true},
                      KeyCase{"digit_at_limit", true, '1', 18, 18, "", false},
                      KeyCase{"key_zero", true, 0, 0, 18, "", false},
                      KeyCase{"beyond_byte", true, 256 + '1', 0, 18, "", false}),
    [](const auto& info) { return Name(info.param.name); });

} // namespace
