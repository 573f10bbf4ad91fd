// Date text and number text: reading, writing, cleaning and the key filters, with the examples
// users type and texts of any length pasted into the windows; and round trips: what the
// program writes into a window it reads back as the same day or number, under every setting.
#include "text/StrProc.h"

#include "calendar/DatePr2.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace StrProc;
using namespace DatePr2;
using S = std::string;
constexpr Kind CE = Kind::CE, JC = Kind::JC, JDN = Kind::JDN, AN = Kind::AN,
               YYYYDDD = Kind::YYYYDDD;
constexpr DateOrder MDY = DateOrder::MDY, DMY = DateOrder::DMY, YMD = DateOrder::YMD;
constexpr int32_t G = letterGregorian, J = letterJulian, A = letterAnnusNovus;

// The JDN is checked for status 1; the date in the record must then be that of its JDN.
TEST(ParseDate, StatusAndRecord) {
    struct Parse {
        S text;
        const char* sep;
        Kind kind;
        DateOrder order;
        int16_t status;
        int32_t jdn = 0;
    };
    // clang-format off
    const Parse parses[] = {
        {"15/03/(-44)", "/", JC, DMY, 1, 1705061}, {"15-03--44", "-", JC, DMY, 1, 1705061},
        {"15-03-2000-1", "-", CE, DMY, 0}, {"2000-0101", "-", CE, YMD, 0}, {"2000/02/30", "/", CE, YMD, 0},
        {"10520-01-01", "/", AN, MDY, 1, 2451911}, {"10520/01/01", "/", AN, YMD, 0},
        {"01-02-10520", ".", AN, DMY, 1, 2451947}, {" 2000 - 01 - 01 CE", "-", CE, YMD, 1, 2451545},
        {"-5/-3/2000", "/", CE, YMD, 0}, {"9999999-01-01", "-", CE, YMD, -1},
        // yyyyddd: separator and order play no part; a "+" keeps the length and counts as a digit.
        {"2000366", "-", YYYYDDD, YMD, 1, 2451910}, {"2001366", "-", YYYYDDD, YMD, 0},
        {"0000001", "-", YYYYDDD, YMD, 0}, {"200001", "-", YYYYDDD, YMD, 0}, {"2000 001", "-", YYYYDDD, YMD, 0},
        {"-200001", "-", YYYYDDD, YMD, 0}, {"9999365", ".", YYYYDDD, MDY, 1, 5373484},
        {"+200001", "-", YYYYDDD, YMD, 1, 1794109},
        // JDNs may not look like a date written with the separator; dots may only group digits.
        {"2451.545", ".", JDN, YMD, 1, 2451545}, {"24.51545", ".", JDN, YMD, 0}, {".123", ".", JDN, YMD, 0},
        {"24.5.1545", ".", JDN, YMD, 0}, {"-2.100.000.000", ".", JDN, YMD, 1, -2100000000},
        {"1.000.000.000.000", ".", JDN, YMD, 0}, {"-2451545", "-", JDN, YMD, 1, -2451545},
        {"2451-545", "-", JDN, YMD, 0}, {"--5", "-", JDN, YMD, 0}, {"2451/545", "/", JDN, YMD, 0},
        {"2451-545", "/", JDN, YMD, 1, 2451545}, {"2100000001", "-", JDN, YMD, -1},
        // Pasted texts of any length: no 16-bit counter may wrap (65,538 dashes would read as 2).
        {S(1'000'000, ' ') + "2000-01-01" + S(1'000'000, 'x'), "-", CE, YMD, 1, 2451545},
        {S(100'000, '0') + "2000-01-01", "-", CE, YMD, 1, 2451545}, {S(65538, '-'), "-", CE, YMD, 0},
        {"2000001" + S(65536, '0'), "-", YYYYDDD, YMD, 0}, {S(100'000, '.'), ".", JDN, YMD, 0},
        {S(70'000, '9'), "-", JDN, YMD, -1}};
    // clang-format on
    for (const Parse& c : parses) {
        DateRecord rec{};
        ASSERT_EQ(ParseDate(c.text, c.sep, c.kind, c.order, rec), c.status) << c.text.substr(0, 40);
        if (c.status != statusRead) continue;
        EXPECT_EQ(rec.jdn, c.jdn) << c.text.substr(0, 40);
        if (c.kind == JDN) continue;
        DateRecord back{0, 0, 0, rec.calendar, rec.jdn, 0};
        JDNToDate(back);
        EXPECT_EQ(rec.calendar, c.kind == JC ? J : c.kind == AN ? A : G) << c.text;
        EXPECT_EQ(std::tie(rec.year, rec.month, rec.day),
                  std::tie(back.year, back.month, back.day));
    }
}

TEST(FormatDate, Text) {
    struct Format {
        int32_t y, m, d, letter;
        DateOrder order;
        const char *sep, *thousands, *text;
    };
    // clang-format off
    for (const Format c : {
             Format{-44, 3, 15, J, DMY, ".", ",", "15.03.(-44)"}, {10520, 1, 1, A, MDY, "/", ",", "10520-01-01"},
             {-44, 3, 15, J, YMD, "-", ",", "-44-03-15"}, {-44, 3, 15, G, MDY, "/", ",", "03/15/(-44)"},
             {0, 1, 1, G, DMY, "-", ",", "01-01-0"}, {-9999, 12, 31, G, YMD, "-", ",", "-9999-12-31"},
             {10000, 1, 1, G, YMD, "-", ",", "10,000-01-01"}, {-12345, 6, 7, G, DMY, "-", ",", "07-06-(-12,345)"},
             {12345, 6, 7, G, YMD, "-", ".", "12.345-06-07"}, {10520, 1, 1, A, DMY, "/", ",", "01-01-10520"},
             // A grouping mark that ParseDate would not drop again leaves the year ungrouped.
             {12345, 6, 7, G, YMD, ".", ".", "12345.06.07"}, {-12345, 6, 7, J, DMY, ".", ".", "07.06.(-12345)"},
             {12345, 6, 7, G, YMD, "/", "-", "12345/06/07"}, {9999, 12, 31, G, YMD, "-", ",", "9999-12-31"}})
        // clang-format on
        EXPECT_EQ(FormatDate({c.y, c.m, c.d, c.letter, 0, 0}, c.order, c.sep, c.thousands), c.text);
}

// The text helpers as edits of a text by an argument.
using Edit = void (*)(S&, const S&);
const Edit kKeep = [](S& t, const S& s) { KeepDateCharacters(t, s); };
const Edit kClean = [](S& t, const S& s) { CleanNumberText(t, s == "-"); }; // "-": minus allowed
const Edit kCut = [](S& t, const S&) { CutAtNul(t); };
const Edit kCount = [](S& t, const S& c) { t = std::to_string(CountChar(t, c[0])); };
const Edit kGroup = [](S& t, const S& s) { t = InsertThousandsSeparators(t, s); };
const Edit kTrim = [](S& t, const S&) { t = TrimBlanks(t); };
TEST(TextHelpers, Edit) {
    struct Edited {
        Edit edit;
        S text, argument, expected;
    };
    // clang-format off
    for (const Edited& c : {
             Edited{kKeep, "(2000) 01,01", "-", "20000101"}, {kKeep, "12.345/06/07", "/", "12345/06/07"},
             {kKeep, "\xc3\xa9" "2000-01-01\xe2\x82\xac", "/", "2000-01-01"}, {kKeep, S("20\0" "00", 5), "-", "2000"},
             {kCut, S("ab\0cd\0", 6), "", "ab"}, {kCut, S("\0abc", 4), "", ""},
             {kClean, "a+1-2", "-", "+12"}, {kClean, "--5", "-", "-5"}, {kClean, "++5", "-", "+5"},
             {kClean, "-+5", "-", "-+5"}, {kClean, "+-5", "-", "+-5"}, {kClean, "-+5", "", "+5"},
             {kClean, "1+2-3", "-", "123"}, {kTrim, "  2000 01 ", "", "2000 01"}, {kTrim, "   ", "", ""},
             {kTrim, "\t1 ", "", "\t1"}, {kCount, S("a\0b\0", 4), S(1, '\0'), "2"},
             {kCount, S(32768, '.'), ".", "32767"}, {kGroup, "-1234567", ",", "-1,234,567"},
             {kGroup, "1234", ".,", "1.234"}, {kGroup, "12a", ",", "12a"}, // what cannot be grouped stays
             {kGroup, "12345678901234567", ",", "12345678901234567"}}) {
        // clang-format on
        S text = c.text;
        c.edit(text, c.argument);
        EXPECT_EQ(text, c.expected) << c.text.substr(0, 40);
    }
}

// Only the digits count against the ten-digit guard: a "+" or leading zeros do not.
TEST(ParseWholeNumber, ValueAndStatus) {
    // clang-format off
    for (const auto& [text, wantStatus, wantValue] : {
             std::tuple<S, int16_t, int32_t>{"2 451 545", 1, 2451545}, {"12-34", 1, 1234}, {"-+5", 1, -5},
             {"+-5", 0, 0}, {"", 0, 0}, {"-", 0, 0}, {"x+", 0, 0}, {"2100000000", 1, 2100000000},
             {"2100000001", -1, 2100000001}, {"2147483648", -1, 0}, {"99999999999", -1, 0},
             {"-2100000001", -1, -2100000001}, {"-2147483648", -1, 0}, {"+2100000000", 1, 2100000000},
             {"-0002,100,000,000", 1, -2100000000}, {"1" + S(100'000, '0'), -1, 0},
             {S(100'000, 'x') + "42" + S(100'000, ','), 1, 42}}) {
        // clang-format on
        int16_t status = 99;
        const int32_t value = ParseWholeNumber(text, status);
        EXPECT_EQ(std::tie(status, value), std::tie(wantStatus, wantValue)) << text.substr(0, 20);
    }
}

// Backspace, copy, paste and cut always; typing never lengthens a text at or beyond 18.
TEST(KeyFilters, Allowed) {
    // clang-format off
    for (const auto& [dayCount, key, length, sep, allowed] : {
             std::tuple<bool, int, int, const char*, bool>{false, 'a', 0, "/", false},
             {false, 8, 18, "/", true}, {false, 3, 18, "/", true}, {false, 22, 18, "/", true},
             {false, 24, 18, "/", true}, {false, '5', 18, "/", false}, {false, '5', 17, "/", true},
             {false, '5', 40, "/", false}, {false, '(', 3, "-", true}, {false, ',', 3, "-", true},
             {false, '.', 3, "/", true}, {false, '/', 3, "-", false}, {false, '+', 3, "-", false},
             {false, 256 + '/', 3, "/", false}, {true, ',', 0, "", false}, {true, '.', 0, ".", true},
             {true, '-', 0, "", true}, {true, ' ', 0, ",", false}, {true, 8, 18, "", true},
             {true, '1', 18, "", false}}) {
        // clang-format on
        EXPECT_EQ(dayCount ? DayCountKeyAllowed(key, length, 18, sep)
                           : DateKeyAllowed(key, length, 18, sep),
                  allowed)
            << dayCount << " " << key << " " << length;
    }
}

const char* const kSeparators[] = {"-", "/", "."};
const char* const kThousands[] = {",", ".", ""};

int32_t NewYear(int32_t year) {
    DateRecord r{year, 1, 1, letterGregorian, 0, 0};
    return euro_date_to_jdn(&r);
}

// Calendar, date order, date separator and thousands separator.
class DateRoundTrip : public testing::TestWithParam<std::tuple<Kind, DateOrder, int, int>> {};
TEST_P(DateRoundTrip, FormatDateReadsBackAsTheSameDay) {
    const auto [kind, order, s, t] = GetParam();
    const int32_t letter = kind == JC   ? letterJulian
                           : kind == AN ? letterAnnusNovus
                                        : letterGregorian;
    // The whole range (years of up to seven digits), years of at most four digits and
    // five-digit years on both sides of zero.
    const std::pair<int32_t, int32_t> bands[] = {{smallestDayNumber, largestDayNumber},
                                                 {NewYear(-9999), NewYear(10000) - 1},
                                                 {NewYear(10000), NewYear(100000) - 1},
                                                 {NewYear(-99999), NewYear(-9999) - 1}};
    std::vector<int32_t> days = {smallestDayNumber, largestDayNumber, 0, -1, 1721426, 5373484};
    std::mt19937 random(static_cast<uint32_t>(1000 + static_cast<int>(kind) * 100 +
                                              static_cast<int>(order) * 10 + s * 3 + t));
    for (const auto& [low, high] : bands) {
        std::uniform_int_distribution<int32_t> pick(low, high);
        for (int i = 0; i < 100; ++i)
            days.push_back(pick(random));
    }
    for (const int32_t jdn : days) {
        DateRecord written{0, 0, 0, letter, jdn, 0}, read{};
        JDNToDate(written);
        const std::string text = FormatDate(written, order, kSeparators[s], kThousands[t]);
        ASSERT_EQ(ParseDate(text, kSeparators[s], kind, order, read), statusRead) << text;
        ASSERT_EQ(std::tie(read.jdn, read.year, read.month, read.day, read.calendar),
                  std::tie(jdn, written.year, written.month, written.day, letter))
            << text;
    }
}
INSTANTIATE_TEST_SUITE_P(EverySetting, DateRoundTrip,
                         testing::Combine(testing::Values(CE, JC, AN),
                                          testing::Values(MDY, DMY, YMD), testing::Range(0, 3),
                                          testing::Range(0, 3)));

// A number within +-2,100,000,000 grouped by the thousands separator reads back as itself, as a
// whole number and as a JDN under the date separator; one beyond the limits is out of range.
TEST(NumberRoundTrip, GroupedNumberReadsBack) {
    std::mt19937 random(77);
    std::uniform_int_distribution<int32_t> pick(smallestDayNumber, largestDayNumber);
    std::vector<int64_t> numbers = {
        smallestDayNumber,      largestDayNumber,        0,        -1, -999, 1000,
        largestDayNumber + 1LL, smallestDayNumber - 1LL, INT32_MIN};
    for (int i = 0; i < 20000; ++i)
        numbers.push_back(pick(random));
    for (int s = 0; s < 3; ++s)
        for (int t = 0; t < 3; ++t)
            for (const int64_t n : numbers) {
                const bool inside = n >= smallestDayNumber && n <= largestDayNumber;
                const std::string text =
                    InsertThousandsSeparators(std::to_string(n), kThousands[t]);
                int16_t status = 99;
                const int64_t number = ParseWholeNumber(text, status);
                DateRecord rec{};
                const int16_t asJdn = ParseDate(text, kSeparators[s], JDN, YMD, rec);
                const int16_t want = inside ? statusRead : statusOutOfRange;
                ASSERT_EQ(std::tie(status, asJdn), std::tie(want, want)) << text;
                ASSERT_EQ(inside ? std::tuple(number, int64_t{rec.jdn}) : std::tuple(n, n),
                          std::tuple(n, n))
                    << text;
            }
}

TEST(YyyydddRoundTrip, EverySeventhDayOfTheRangeAndTheLast) {
    int checked = 0;
    for (int32_t jdn = firstYyyydddDay; jdn < lastYyyydddDay + 7; jdn += 7, ++checked) {
        const int32_t day = std::min(jdn, lastYyyydddDay);
        const std::string text = YyyydddText(day);
        DateRecord rec{};
        ASSERT_EQ(text.size(), 7u) << day;
        ASSERT_EQ(ParseDate(text, "-", YYYYDDD, YMD, rec), statusRead) << text;
        ASSERT_EQ(rec.jdn, day) << text;
    }
    EXPECT_EQ(checked, (lastYyyydddDay - firstYyyydddDay) / 7 + 2);
}

} // namespace
