// Reading a typed date (str_to_date), digit grouping (separate_thousands) and the days
// between two records (days_elapsed).
#include "mibrexw.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>

namespace {

constexpr int32_t MDY = 0, DMY = 1, YMD = 2;

// Fields are checked when any is non-zero.
struct Read {
    const char* text;
    int32_t order, letter, result, y = 0, m = 0, d = 0;
};
class StrToDate : public testing::TestWithParam<Read> {};
TEST_P(StrToDate, ResultAndFields) {
    const Read& c = GetParam();
    DateRecord r{0, 0, 0, 'Q', 777, 0};
    EXPECT_EQ(str_to_date(c.text, c.order, &r, c.letter), c.result) << c.text;
    EXPECT_EQ(r.calendar, c.letter) << c.text;
    EXPECT_EQ(r.jdn, 777) << c.text;
    if (c.y != 0 || c.m != 0 || c.d != 0) {
        EXPECT_EQ(std::tie(r.year, r.month, r.day), std::tie(c.y, c.m, c.d)) << c.text;
    }
}
const std::string k9(100000, '9'), k0(100000, '0'); // lengths no counter may wrap on
const std::string kLong[] = {k9 + "-01-01", "01-01--" + k9, "2000-" + k9 + "-01",
                             std::string(100000, '-'), k0 + "1-" + k0 + "2-" + k0 + "3"};
// clang-format off
const Read kReads[] = {
    {"2000-01-01", YMD, 'G', 0, 2000, 1, 1}, {"01/02/2000", MDY, 'G', 0, 2000, 1, 2},
    {"01.02.2000", DMY, 'G', 0, 2000, 2, 1}, {"-44-03-15", YMD, 'J', 0, -44, 3, 15},
    {"15-03--44", DMY, 'J', 0, -44, 3, 15}, {"0002000-001-0001", YMD, 'G', 0, 2000, 1, 1},
    {"2000x01/01", YMD, 'G', 0, 2000, 1, 1},
    {"2000-0000000000000000000000012-31", YMD, 'G', 0, 2000, 12, 31},
    {"", YMD, 'G', -1}, {"2000-01", YMD, 'G', -1}, {"2000-01-01-01", YMD, 'G', -1},
    {"2000-01-01-", YMD, 'G', -1}, {" 2000-01-01", YMD, 'G', -1}, {"2000..01.01", YMD, 'G', -1},
    {"2000--01-01", YMD, 'G', -1}, {"-1-01-2000", DMY, 'G', -1}, {"--2000-01-01", YMD, 'G', -1},
    {"2000-1000000000-01", YMD, 'G', -1}, {"2000-01-01", 3, 'G', -1}, {"2000-01-01", -1, 'G', -1},
    // Validity in each calendar.
    {"2000-02-29", YMD, 'G', 0, 2000, 2, 29}, {"1900-02-29", YMD, 'G', -1, 1900, 2, 29},
    {"1900-02-29", YMD, 'J', 0, 1900, 2, 29}, {"0-02-29", YMD, 'G', 0, 0, 2, 29},
    {"-100-02-29", YMD, 'G', -1, -100, 2, 29}, {"1900-02-29", YMD, 0, -1, 1900, 2, 29},
    {"2000-13-01", YMD, 'G', -1}, {"2000-00-10", YMD, 'G', -1}, {"2000-01-00", YMD, 'G', -1},
    {"2001-09-31", YMD, 'G', -1}, {"2001-04-31", YMD, 'G', -1}, {"10520-01-37", YMD, 'A', -1},
    {"10520-10-38", YMD, 'A', -1}, {"10520-12-01", YMD, 'A', -1}, {"10520-11-01", YMD, 'A', -1},
    {"10519-11-01", YMD, 'A', 0, 10519, 11, 1}, {"10519-11-02", YMD, 'A', -1},
    {"10419-11-01", YMD, 'A', -1}, {"10119-11-01", YMD, 'A', 0, 10119, 11, 1},
    {"-281-11-01", YMD, 'A', 0, -281, 11, 1},
    // The JDN limits +-2,100,000,000 in every calendar, and years too long to hold.
    {"5744892-08-11", YMD, 'G', 0, 5744892, 8, 11}, {"5744892-08-12", YMD, 'G', -5},
    {"-5754317-03-08", YMD, 'G', 0, -5754317, 3, 8}, {"-5754317-03-07", YMD, 'G', -5},
    {"08/27/5744774", MDY, 'J', 0, 5744774, 8, 27}, {"08/28/5744774", MDY, 'J', -5},
    {"07.05.-5754199", DMY, 'J', 0, -5754199, 5, 7}, {"06.05.-5754199", DMY, 'J', -5},
    {"5753411-07-05", YMD, 'A', 0, 5753411, 7, 5}, {"5753411-07-06", YMD, 'A', -5},
    {"-5745798-02-31", YMD, 'A', 0, -5745798, 2, 31}, {"-5745798-02-30", YMD, 'A', -5},
    {"999999999-12-31", YMD, 'G', -5, 999999999, 12, 31}, {"999999999-02-30", YMD, 'G', -1},
    {"1000000000-01-01", YMD, 'G', -5}, {"1000000000-13-01", YMD, 'G', -5},
    {"1000000000-13", YMD, 'G', -1}, {kLong[0].c_str(), YMD, 'G', -5},
    {kLong[1].c_str(), DMY, 'A', -5}, {kLong[2].c_str(), YMD, 'G', -1},
    {kLong[3].c_str(), YMD, 'G', -1}, {kLong[4].c_str(), YMD, 'G', 0, 1, 2, 3}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Texts, StrToDate, testing::ValuesIn(kReads));

// Never more than 20 bytes: a number that would not fit, or is no number, gives "" and non-zero.
struct Group {
    const char* number;
    int32_t separator;
    const char* out;
};
class SeparateThousands : public testing::TestWithParam<Group> {};
TEST_P(SeparateThousands, WritesAtMost20Bytes) {
    char buffer[64];
    std::memset(buffer, '#', sizeof buffer);
    const int32_t result = separate_thousands(GetParam().number, GetParam().separator, buffer);
    EXPECT_EQ(result == 0, *GetParam().out != '\0') << GetParam().number << ": " << result;
    EXPECT_STREQ(buffer, GetParam().out);
    EXPECT_EQ(std::string(buffer + 20, 44), std::string(44, '#')) << GetParam().number;
}
const std::string kSevens(100000, '7');
// clang-format off
const Group kGroups[] = {
    {"123", ',', "123"}, {"1234", ',', "1,234"}, {"-999", ',', "-999"}, {"-1234", ',', "-1,234"},
    {"1234567", '.', "1.234.567"}, {"0001234", ',', "0,001,234"}, {"1234567", 0, "1234567"},
    {"1234", 0xA0, "1\xA0" "234"}, {kSevens.c_str(), 0, ""},
    {"123456789012345", ',', "123,456,789,012,345"}, {"1234567890123456", ',', ""},
    {"-12345678901234", ',', "-12,345,678,901,234"}, {"-123456789012345", ',', ""},
    {"1234567890123456789", 0, "1234567890123456789"}, {"12345678901234567890", 0, ""},
    {"", ',', ""}, {"-", ',', ""}, {"+12", ',', ""}, {"1-2", ',', ""}, {"12a", ',', ""},
    {"1234", 256, ""}, {"1234", -1, ""}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Grouping, SeparateThousands, testing::ValuesIn(kGroups));

// days_elapsed(a, b) = a - b, each in its own calendar; error and 0 for an invalid record or a
// difference beyond int32.
struct Date {
    int32_t y, m, d, letter;
};
struct Elapsed {
    Date a, b;
    bool ok;
    int32_t days;
};
class DaysElapsed : public testing::TestWithParam<Elapsed> {};
TEST_P(DaysElapsed, CountOrError) {
    const Elapsed& c = GetParam();
    const DateRecord a{c.a.y, c.a.m, c.a.d, c.a.letter, 999, 0}; // the JDNs are never read
    const DateRecord b{c.b.y, c.b.m, c.b.d, c.b.letter, 9, 0};
    int32_t error = 12345;
    EXPECT_EQ(days_elapsed(&a, &b, &error), c.days);
    EXPECT_EQ(error == 0, c.ok);
    EXPECT_EQ(days_elapsed(&a, &b, nullptr), c.days);
    if (c.ok && c.days != INT32_MIN) {
        EXPECT_EQ(days_elapsed(&b, &a, &error), -c.days);
    }
}
constexpr int32_t G = 'G', J = 'J', A = 'A';
// clang-format off
const Elapsed kCounts[] = {
    {{2001, 1, 1, G}, {2000, 1, 1, G}, true, 366}, {{1901, 1, 1, G}, {1900, 1, 1, G}, true, 365},
    {{1901, 1, 1, J}, {1900, 1, 1, J}, true, 366}, {{2000, 12, 19, J}, {2001, 1, 1, G}, true, 0},
    {{10520, 1, 1, A}, {10519, 11, 1, A}, true, 1}, {{1900, 3, 1, 0}, {1900, 2, 28, G}, true, 1},
    {{5874898, 6, 3, G}, {-4712, 1, 1, J}, true, INT32_MAX},
    {{-5884323, 5, 15, G}, {-4712, 1, 1, J}, true, INT32_MIN},
    {{5874898, 6, 4, G}, {-4712, 1, 1, J}, false, 0},
    {{-5884323, 5, 15, G}, {-4712, 1, 2, J}, false, 0},
    {{2000000000, 1, 2, G}, {2000000000, 1, 1, G}, true, 1},
    {{INT32_MAX, 12, 31, A}, {INT32_MIN, 1, 1, J}, false, 0},
    {{1900, 2, 29, G}, {1900, 1, 1, G}, false, 0}, {{2000, 1, 1, G}, {2000, 4, 31, G}, false, 0},
    {{10520, 11, 1, A}, {10520, 1, 1, A}, false, 0},
    {{INT32_MIN, INT32_MIN, INT32_MIN, G}, {INT32_MAX, INT32_MAX, INT32_MAX, G}, false, 0}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Counts, DaysElapsed, testing::ValuesIn(kCounts));

TEST(NullPointers, GiveAFailureWithoutCrashing) {
    DateRecord r{2000, 1, 1, 'G', 0, 0};
    char out[20] = "untouched";
    int32_t e1 = 0, e2 = 0;
    EXPECT_EQ(str_to_date(nullptr, YMD, &r, 'J') + str_to_date("1-1-1", YMD, nullptr, 'G'), -2);
    EXPECT_EQ(r.calendar, 'J');
    EXPECT_NE(separate_thousands(nullptr, ',', out), 0);
    EXPECT_STREQ(out, "");
    EXPECT_NE(separate_thousands("1", ',', nullptr), 0);
    EXPECT_EQ(days_elapsed(nullptr, &r, &e1) + days_elapsed(&r, nullptr, &e2), 0);
    EXPECT_TRUE(e1 != 0 && e2 != 0);
}

} // namespace
