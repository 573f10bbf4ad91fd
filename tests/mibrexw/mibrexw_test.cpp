// The library's first interface: dates with fields beyond their ranges and saturation (the
// conversions themselves are walked by tools/verify_calendars and sampled against ICU in
// calendars_test.cpp), reading a typed date, digit grouping and the days between two records.
#include "mibrexw.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>

extern "C" int mibrexw_c_header_check(void);

namespace {

constexpr int32_t kMax = INT32_MAX, kMin = INT32_MIN, MDY = 0, DMY = 1, YMD = 2, G = 'G', J = 'J',
                  A = 'A';

int32_t ToJdn(int32_t y, int32_t m, int32_t d, int32_t letter) {
    DateRecord r{y, m, d, letter, 12345, 0}; // the JDN is never read
    return letter == A ? annus_novus_date_to_jdn(&r) : euro_date_to_jdn(&r);
}

TEST(Mibrexw, UsableFromC) {
    EXPECT_EQ(mibrexw_c_header_check(), 0);
}

// Fields beyond their ranges count on from a valid date; beyond int32 the JDN saturates.
TEST(Mibrexw, OddFieldsAndSaturation) {
    EXPECT_EQ(ToJdn(2001, 1, 1, 'X'), 2451911) << "an unknown letter is Gregorian";
    for (const auto& [letter, y, m, d, y2, m2, d2, add] :
         {std::tuple{G, 2000, -12, 1, 1998, 12, 1, 0},
          {J, 1899, 14, 29, 1900, 2, 29, 0},
          {G, 2000, 3, 0, 2000, 2, 29, 0},
          {G, 2000, 1, 1000, 2000, 1, 1, 999},
          {A, 10520, 12, 1, 10520, 10, 1, 73},
          {A, 10520, 2, 38, 10520, 3, 1, 0}})
        EXPECT_EQ(ToJdn(y, m, d, letter), ToJdn(y2, m2, d2, letter) + add) << y << "-" << m;
    for (const auto& [letter, y, m, d, jdn] : {std::tuple{G, 5874898, 6, 4, kMax},
                                               {J, -5884202, 3, 15, kMin},
                                               {A, 5883417, 5, 9, kMax},
                                               {G, kMax, kMax, kMax, kMax},
                                               {A, kMin, kMin, kMin, kMin},
                                               {G, 0, kMin, kMax, kMin},
                                               {J, kMin, 1, kMax, kMin},
                                               {G, 0, 1, -kMax, 1721060 - kMax - 1}})
        EXPECT_EQ(ToJdn(y, m, d, letter), jdn) << char(letter) << y;
}

// The result and, when any is non-zero, the fields.
TEST(Mibrexw, StrToDate) {
    // clang-format off
    const std::string k9(100000, '9'), k0(100000, '0'); // no counter may wrap on these
    for (const auto& [text, order, letter, result, y, m, d] : {
             std::tuple<std::string, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t>{"01/02/2000", MDY, G, 0, 2000, 1, 2},
             {"15-03--44", DMY, J, 0, -44, 3, 15}, {"0002000-001-0001", YMD, G, 0, 2000, 1, 1},
             {"2000x01/01", YMD, G, 0, 2000, 1, 1}, {"", YMD, G, -1, 0, 0, 0}, {"2000-01", YMD, G, -1, 0, 0, 0},
             {"2000-01-01-01", YMD, G, -1, 0, 0, 0}, {" 2000-01-01", YMD, G, -1, 0, 0, 0},
             {"2000--01-01", YMD, G, -1, 0, 0, 0}, {"2000-1000000000-01", YMD, G, -1, 0, 0, 0},
             {"2000-01-01", 3, G, -1, 0, 0, 0},
             {"1900-02-29", YMD, G, -1, 1900, 2, 29}, {"1900-02-29", YMD, J, 0, 1900, 2, 29},
             {"-100-02-29", YMD, G, -1, -100, 2, 29}, {"2001-04-31", YMD, G, -1, 0, 0, 0},
             {"10520-10-38", YMD, A, -1, 0, 0, 0}, {"10520-11-01", YMD, A, -1, 0, 0, 0},
             {"10519-11-01", YMD, A, 0, 10519, 11, 1}, {"-281-11-01", YMD, A, 0, -281, 11, 1},
             // The JDN limits +-2,100,000,000, and years too long to hold.
             {"5744892-08-11", YMD, G, 0, 5744892, 8, 11}, {"5744892-08-12", YMD, G, -5, 0, 0, 0},
             {"07.05.-5754199", DMY, J, 0, -5754199, 5, 7}, {"06.05.-5754199", DMY, J, -5, 0, 0, 0},
             {"999999999-12-31", YMD, G, -5, 999999999, 12, 31}, {"999999999-02-30", YMD, G, -1, 0, 0, 0},
             {"1000000000-13-01", YMD, G, -5, 0, 0, 0}, {k9 + "-01-01", YMD, G, -5, 0, 0, 0},
             {"01-01--" + k9, DMY, A, -5, 0, 0, 0}, {"2000-" + k9 + "-01", YMD, G, -1, 0, 0, 0},
             {std::string(100000, '-'), YMD, G, -1, 0, 0, 0}, {k0 + "1-" + k0 + "2-" + k0 + "3", YMD, G, 0, 1, 2, 3}}) {
        // clang-format on
        DateRecord r{0, 0, 0, 'Q', 777, 0};
        EXPECT_EQ(str_to_date(text.c_str(), order, &r, letter), result) << text.substr(0, 30);
        EXPECT_EQ(std::tie(r.calendar, r.jdn), std::tuple(letter, 777));
        const bool fields = y != 0 || m != 0 || d != 0;
        EXPECT_EQ(fields ? std::tuple(r.year, r.month, r.day) : std::tuple(0, 0, 0),
                  std::tie(y, m, d));
    }
}

// Never more than 20 bytes: a number that would not fit, or is no number, gives "" and non-zero.
TEST(Mibrexw, SeparateThousands) {
    const std::string sevens(100000, '7');
    // clang-format off
    for (const auto& [number, separator, out] : {
             std::tuple<const char*, int32_t, const char*>{"-999", ',', "-999"}, {"-1234", ',', "-1,234"},
             {"0001234", ',', "0,001,234"}, {"1234567", 0, "1234567"}, {"1234", 0xA0, "1\xA0" "234"},
             {sevens.c_str(), 0, ""}, {"123456789012345", ',', "123,456,789,012,345"}, {"1234567890123456", ',', ""},
             {"-12345678901234", ',', "-12,345,678,901,234"}, {"-123456789012345", ',', ""},
             {"1234567890123456789", 0, "1234567890123456789"}, {"12345678901234567890", 0, ""},
             {"-", ',', ""}, {"+12", ',', ""}, {"1-2", ',', ""}, {"1234", 256, ""}}) {
        // clang-format on
        char buffer[64];
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(separate_thousands(number, separator, buffer) == 0, *out != '\0') << number;
        EXPECT_STREQ(buffer, out);
        EXPECT_EQ(std::string(buffer + 20, 44), std::string(44, '#')) << number;
    }
}

// days_elapsed(a, b) = a - b, each in its own calendar; error and 0 for an invalid record or a
// difference beyond int32.
TEST(Mibrexw, DaysElapsed) {
    using Date = std::tuple<int32_t, int32_t, int32_t, int32_t>;
    // clang-format off
    for (const auto& [a, b, ok, days] : {
             std::tuple<Date, Date, bool, int32_t>{{1901, 1, 1, J}, {1900, 1, 1, J}, true, 366},
             {{2000, 12, 19, J}, {2001, 1, 1, G}, true, 0}, {{10520, 1, 1, A}, {10519, 11, 1, A}, true, 1},
             {{1900, 3, 1, 0}, {1900, 2, 28, G}, true, 1}, {{5874898, 6, 3, G}, {-4712, 1, 1, J}, true, kMax},
             {{-5884323, 5, 15, G}, {-4712, 1, 1, J}, true, kMin}, {{5874898, 6, 4, G}, {-4712, 1, 1, J}, false, 0},
             {{-5884323, 5, 15, G}, {-4712, 1, 2, J}, false, 0}, {{2000000000, 1, 2, G}, {2000000000, 1, 1, G}, true, 1},
             {{kMax, 12, 31, A}, {kMin, 1, 1, J}, false, 0}, {{1900, 2, 29, G}, {1900, 1, 1, G}, false, 0},
             {{10520, 11, 1, A}, {10520, 1, 1, A}, false, 0}}) {
        // clang-format on
        const DateRecord ra{std::get<0>(a), std::get<1>(a), std::get<2>(a), std::get<3>(a), 999, 0};
        const DateRecord rb{std::get<0>(b), std::get<1>(b), std::get<2>(b), std::get<3>(b), 9, 0};
        int32_t error = 12345;
        EXPECT_EQ(days_elapsed(&ra, &rb, &error), days) << ra.year;
        EXPECT_EQ(error == 0, ok) << ra.year;
        EXPECT_EQ(days_elapsed(&ra, &rb, nullptr), days);
        const int64_t back = ok && days != kMin ? -int64_t{days_elapsed(&rb, &ra, &error)} : days;
        EXPECT_EQ(back, days);
    }
    // Null pointers give a failure without crashing.
    DateRecord r{2000, 1, 1, G, 0, 0};
    char out[20] = "untouched";
    int32_t e1 = 0, e2 = 0;
    EXPECT_EQ(str_to_date(nullptr, YMD, &r, J) + str_to_date("1-1-1", YMD, nullptr, G), -2);
    EXPECT_EQ(r.calendar, J);
    EXPECT_TRUE(separate_thousands(nullptr, ',', out) != 0 && *out == '\0');
    EXPECT_NE(separate_thousands("1", ',', nullptr), 0);
    EXPECT_EQ(days_elapsed(nullptr, &r, &e1) + days_elapsed(&r, nullptr, &e2), 0);
    EXPECT_TRUE(e1 != 0 && e2 != 0);
}

} // namespace
