// Date text and number text: reading, writing, cleaning and the key filters, with the examples
// users type and texts of any length pasted into the windows.
#include "text/StrProc.h"

#include "calendar/DatePr2.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

using namespace StrProc;
using namespace DatePr2;
constexpr int32_t G = letterGregorian, J = letterJulian, A = letterAnnusNovus;

DateRecord Date(int32_t y, int32_t m, int32_t d, int32_t letter) {
    return {y, m, d, letter, 0, 0};
}

// The JDN is checked for status 1; the date in the record must then be that of its JDN.
struct Parse {
    std::string text;
    const char* sep;
    int16_t kind, order, status;
    int32_t jdn = 0;
};
class ParseDateTable : public testing::TestWithParam<Parse> {};
TEST_P(ParseDateTable, StatusAndRecord) {
    const Parse& c = GetParam();
    DateRecord rec{};
    ASSERT_EQ(ParseDate(c.text, c.sep, c.kind, c.order, rec), c.status) << c.text.substr(0, 40);
    if (c.status != statusRead) return;
    EXPECT_EQ(rec.jdn, c.jdn) << c.text.substr(0, 40);
    if (c.kind == JDN) return;
    DateRecord back{0, 0, 0, rec.calendar, rec.jdn, 0};
    JDNToDate(back);
    EXPECT_EQ(rec.calendar, c.kind == JC ? J : c.kind == AN ? A : G) << c.text;
    EXPECT_EQ(std::tie(rec.year, rec.month, rec.day), std::tie(back.year, back.month, back.day));
}
const std::string kSpaces(1'000'000, ' '), kZeros(100'000, '0');
// clang-format off
const Parse kParses[] = {
    {"15/03/(-44)", "/", JC, DMY, 1, 1705061}, {"15/03/-44", "/", JC, DMY, 1, 1705061},
    {"15-03--44", "-", JC, DMY, 1, 1705061}, {"15-03-2000-1", "-", CE, DMY, 0},
    {"2000-0101", "-", CE, YMD, 0}, {"2000/02/30", "/", CE, YMD, 0},
    {"10520-01-01", "/", AN, MDY, 1, 2451911}, {"10520/01/01", "/", AN, YMD, 0},
    {"01-02-10520", ".", AN, DMY, 1, 2451947}, {" 2000 - 01 - 01 CE", "-", CE, YMD, 1, 2451545},
    {"-5/-3/2000", "/", CE, YMD, 0}, {"2000/01/01/", "/", CE, YMD, 0},
    {"9999999-01-01", "-", CE, YMD, -1},
    // yyyyddd: separator and order play no part; a "+" keeps the length and counts as a digit.
    {"2000366", "-", YYYYDDD, YMD, 1, 2451910}, {"2001366", "-", YYYYDDD, YMD, 0},
    {"0000001", "-", YYYYDDD, YMD, 0}, {"2000000", "-", YYYYDDD, YMD, 0},
    {"2000367", "-", YYYYDDD, YMD, 0}, {"200001", "-", YYYYDDD, YMD, 0},
    {"2000 001", "-", YYYYDDD, YMD, 0}, {"-200001", "-", YYYYDDD, YMD, 0},
    {"0001001", "/", YYYYDDD, DMY, 1, 1721426}, {"9999365", ".", YYYYDDD, MDY, 1, 5373484},
    {"+200001", "-", YYYYDDD, YMD, 1, 1794109},
    // JDNs may not look like a date written with the separator; dots may only group digits.
    {"2.451.545", ".", JDN, YMD, 1, 2451545}, {"2451.545", ".", JDN, YMD, 1, 2451545},
    {"24.51545", ".", JDN, YMD, 0}, {".123", ".", JDN, YMD, 0}, {"24.5.1545", ".", JDN, YMD, 0},
    {"-2.100.000.000", ".", JDN, YMD, 1, -2100000000}, {"1.000.000.000.000", ".", JDN, YMD, 0},
    {"-2451545", "-", JDN, YMD, 1, -2451545}, {"2451-545", "-", JDN, YMD, 0},
    {"--5", "-", JDN, YMD, 0}, {"2451/545", "/", JDN, YMD, 0},
    {"2451-545", "/", JDN, YMD, 1, 2451545}, {"2100000001", "-", JDN, YMD, -1},
    // Pasted texts of any length: no 16-bit counter may wrap (65,538 dashes would read as 2).
    {kSpaces + "2000-01-01" + std::string(1'000'000, 'x'), "-", CE, YMD, 1, 2451545},
    {kZeros + "2000-01-01", "-", CE, YMD, 1, 2451545}, {std::string(65538, '-'), "-", CE, YMD, 0},
    {"2000001" + std::string(65536, '0'), "-", YYYYDDD, YMD, 0},
    {std::string(100'000, '.'), ".", JDN, YMD, 0}, {std::string(70'000, '9'), "-", JDN, YMD, -1}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Texts, ParseDateTable, testing::ValuesIn(kParses));

struct Format {
    int32_t y, m, d, letter;
    int16_t order;
    const char *sep, *thousands, *text;
};
class FormatDateTable : public testing::TestWithParam<Format> {};
TEST_P(FormatDateTable, Text) {
    const Format& c = GetParam();
    EXPECT_EQ(FormatDate(Date(c.y, c.m, c.d, c.letter), c.order, c.sep, c.thousands), c.text);
}
// clang-format off
const Format kFormats[] = {
    {2001, 1, 1, G, MDY, "/", ",", "01/01/2001"}, {-44, 3, 15, J, DMY, ".", ",", "15.03.(-44)"},
    {12345, 6, 7, G, YMD, "-", ",", "12,345-06-07"}, {10520, 1, 1, A, MDY, "/", ",", "10520-01-01"},
    {-44, 3, 15, J, YMD, "-", ",", "-44-03-15"}, {-44, 3, 15, G, MDY, "/", ",", "03/15/(-44)"},
    {0, 1, 1, G, DMY, "-", ",", "01-01-0"}, {9999, 12, 31, G, YMD, "-", ",", "9999-12-31"},
    {-9999, 12, 31, G, YMD, "-", ",", "-9999-12-31"},
    {10000, 1, 1, G, YMD, "-", ",", "10,000-01-01"},
    {-12345, 6, 7, G, DMY, "-", ",", "07-06-(-12,345)"},
    {12345, 6, 7, G, YMD, "-", "", "12345-06-07"},
    {12345, 6, 7, G, YMD, "-", ".", "12.345-06-07"}, {10520, 1, 1, A, DMY, "/", ",", "01-01-10520"},
    {10520, 6, 7, A, YMD, "-", ",", "10520-06-07"},
    // A grouping mark that ParseDate would not drop again leaves the year ungrouped.
    {12345, 6, 7, G, YMD, ".", ".", "12345.06.07"}, {12345, 6, 7, G, DMY, ".", ".", "07.06.12345"},
    {-12345, 6, 7, J, DMY, ".", ".", "07.06.(-12345)"},
    {12345, 6, 7, G, YMD, "/", "-", "12345/06/07"}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Records, FormatDateTable, testing::ValuesIn(kFormats));

// The text helpers as edits of a text by an argument.
using S = std::string;
using Edit = void (*)(S&, const S&);
const Edit kKeep = [](S& t, const S& s) { KeepDateCharacters(t, s); };
const Edit kClean = [](S& t, const S& s) { CleanNumberText(t, s == "-"); }; // "-": minus allowed
const Edit kCut = [](S& t, const S&) { CutAtNul(t); };
const Edit kCount = [](S& t, const S& c) { t = std::to_string(CountChar(t, c[0])); };
const Edit kGroup = [](S& t, const S& s) { t = InsertThousandsSeparators(t, s); };
const Edit kTrim = [](S& t, const S&) { t = TrimBlanks(t); };
struct Edited {
    Edit edit;
    S text, argument, expected;
};
class TextHelpers : public testing::TestWithParam<Edited> {};
TEST_P(TextHelpers, Edit) {
    std::string text = GetParam().text;
    GetParam().edit(text, GetParam().argument);
    EXPECT_EQ(text, GetParam().expected) << GetParam().text.substr(0, 40);
}
// clang-format off
const Edited kEdits[] = {
    {kKeep, "(2000) 01,01", "-", "20000101"}, {kKeep, "15.03.(-44)", ".", "15.03.-44"},
    {kKeep, "12.345/06/07", "/", "12345/06/07"}, {kKeep, "aaaa1bbbb", "-", "1"},
    {kKeep, "\xc3\xa9" "2000-01-01\xe2\x82\xac", "/", "2000-01-01"},
    {kKeep, S("20\0" "00", 5), "-", "2000"}, {kCut, S("ab\0cd\0", 6), "", "ab"},
    {kClean, "a+1-2", "-", "+12"}, {kClean, "--5", "-", "-5"}, {kClean, "++5", "-", "+5"},
    {kClean, "-+5", "-", "-+5"}, {kClean, "+-5", "-", "+-5"}, {kClean, "-+5", "", "+5"},
    {kClean, "1+2-3", "-", "123"}, {kTrim, "  2000 01 ", "", "2000 01"}, {kTrim, "   ", "", ""},
    {kTrim, "\t1 ", "", "\t1"},
    {kCut, "abc", "", "abc"}, {kCut, S("\0abc", 4), "", ""}, {kCount, "a-b-c", "-", "2"},
    {kCount, S("a\0b\0", 4), S(1, '\0'), "2"}, {kCount, S(32767, '.'), ".", "32767"},
    {kCount, S(32768, '.'), ".", "32767"},
    {kGroup, "-1234567", ",", "-1,234,567"}, {kGroup, "-1234567", "", "-1234567"},
    {kGroup, "1234", ".,", "1.234"}, {kGroup, "12a", ",", "12a"}, // what cannot be grouped stays
    {kGroup, "12345678901234567", ",", "12345678901234567"}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Texts, TextHelpers, testing::ValuesIn(kEdits));

// Only the digits count against the ten-digit guard: a "+" or leading zeros do not.
struct Number {
    std::string text;
    int16_t status;
    int32_t value;
};
class ParseWholeNumberTable : public testing::TestWithParam<Number> {};
TEST_P(ParseWholeNumberTable, ValueAndStatus) {
    int16_t status = 99;
    const int32_t value = ParseWholeNumber(GetParam().text, status);
    EXPECT_EQ(std::tie(status, value), std::tie(GetParam().status, GetParam().value));
}
// clang-format off
const Number kNumbers[] = {
    {"2,451,545", 1, 2451545}, {"2 451 545", 1, 2451545}, {"-2451545", 1, -2451545},
    {"12-34", 1, 1234}, {"-+5", 1, -5}, {"+-5", 0, 0}, {"", 0, 0}, {"abc", 0, 0}, {"-", 0, 0},
    {"x+", 0, 0}, {"2100000000", 1, 2100000000}, {"2100000001", -1, 2100000001},
    {"2147483647", -1, 2147483647}, {"2147483648", -1, 0}, {"99999999999", -1, 0},
    {"-2100000000", 1, -2100000000}, {"-2100000001", -1, -2100000001}, {"-2147483648", -1, 0},
    {"+2100000000", 1, 2100000000}, {"000000000001", 1, 1}, {"-0002,100,000,000", 1, -2100000000},
    {"1" + kZeros, -1, 0}, {std::string(100'000, 'x') + "42" + std::string(100'000, ','), 1, 42}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Texts, ParseWholeNumberTable, testing::ValuesIn(kNumbers));

// Backspace, copy, paste and cut always; typing never lengthens a text at or beyond 18.
struct Key {
    bool dayCount;
    int key, length;
    const char* sep;
    bool allowed;
};
class KeyFilters : public testing::TestWithParam<Key> {};
TEST_P(KeyFilters, Allowed) {
    const Key& c = GetParam();
    EXPECT_EQ(c.dayCount ? DayCountKeyAllowed(c.key, c.length, 18, c.sep)
                         : DateKeyAllowed(c.key, c.length, 18, c.sep),
              c.allowed);
}
// clang-format off
const Key kKeys[] = {
    {false, '/', 0, "/", true}, {false, 'a', 0, "/", false}, {false, 8, 18, "/", true},
    {false, 3, 18, "/", true}, {false, 22, 18, "/", true}, {false, 24, 18, "/", true},
    {false, '5', 18, "/", false}, {false, '5', 17, "/", true}, {false, '5', 40, "/", false},
    {false, '(', 3, "-", true}, {false, ',', 3, "-", true}, {false, '.', 3, "/", true},
    {false, '/', 3, "-", false}, {false, '+', 3, "-", false}, {false, 256 + '/', 3, "/", false},
    {true, ',', 0, "", false}, {true, '.', 0, ".", true}, {true, '-', 0, "", true},
    {true, '0', 0, "", true}, {true, ' ', 0, ",", false}, {true, 8, 18, "", true},
    {true, '1', 18, "", false}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Windows, KeyFilters, testing::ValuesIn(kKeys));

} // namespace
