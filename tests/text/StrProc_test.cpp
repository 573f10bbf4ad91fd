// Date text and number text: reading, writing, cleaning and the key filters, with the examples
// users type and texts of any length pasted into the windows; and a round trip: what the
// program writes into a window it reads back as the same day, under every setting.
#include "text/StrProc.h"

#include "calendar/DatePr2.h"

#include <gtest/gtest.h>

#include "support/CoreTest.h"

#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace StrProc;
using namespace DatePr2;
using S = std::string;
constexpr Kind CE = Kind::CE, JC = Kind::JC, JDN = Kind::JDN, AN = Kind::AN;
constexpr DateOrder MDY = DateOrder::MDY, DMY = DateOrder::DMY, YMD = DateOrder::YMD;
constexpr int32_t G = letterGregorian, J = letterJulian, A = letterAnnusNovus;

int32_t Letter(const std::string& letter) {
    return letter == "J" ? J : letter == "A" ? A : G;
}

// The JDN is checked for status 1; the date in the record must then be that of its JDN.
TEST(ParseDate, StatusAndRecord) {
    for (const Row& r : Table("parse_date.txt")) {
        const Kind kind = KindWord(r[2]);
        DateRecord rec{};
        ASSERT_EQ(ParseDate(r[0], r[1], kind, OrderWord(r[3]), rec), r.Int(4)) << "line " << r.line;
        if (r.Int(4) != statusRead) continue;
        EXPECT_EQ(rec.jdn, r.Int(5)) << "line " << r.line;
        if (kind == JDN) continue;
        DateRecord back{0, 0, 0, rec.calendar, rec.jdn, 0};
        JDNToDate(back);
        EXPECT_EQ(rec.calendar, FactsOf(kind).letter) << "line " << r.line;
        EXPECT_EQ(std::tie(rec.year, rec.month, rec.day),
                  std::tie(back.year, back.month, back.day));
    }
}

TEST(FormatDate, Text) {
    for (const Row& r : Table("format_date.txt")) {
        const DateRecord rec{r.Int(0), r.Int(1), r.Int(2), Letter(r[3]), 0, 0};
        EXPECT_EQ(FormatDate(rec, OrderWord(r[4]), r[5], r[6]), r[7]) << "line " << r.line;
    }
}

// What each helper makes of a text and its argument, written as the row's result.
S Edited(const Row& r) {
    S text = r[1];
    const S& op = r[0];
    if (op == "keep") KeepDateCharacters(text, r[2]);
    if (op == "clean") CleanNumberText(text, r[2] == "-");
    if (op == "cut") CutAtNul(text);
    if (op == "count") text = std::to_string(CountChar(text, r[2][0]));
    if (op == "group") text = InsertThousandsSeparators(text, r[2]);
    if (op == "trim") text = TrimBlanks(text);
    if (op == "number") {
        int16_t status = 99;
        const int32_t value = ParseWholeNumber(text, status);
        text = std::to_string(status) + "|" + std::to_string(value);
    }
    if (op == "key") {
        const int code = std::stoi(r[2]);
        const int length = std::stoi(r[3]);
        const bool date = r[1] == "date";
        text = (date ? DateKeyAllowed(code, length, 18, r[4])
                     : DayCountKeyAllowed(code, length, 18, r[4]))
                   ? "yes"
                   : "no";
    }
    return text;
}

TEST(TextHelpers, Edit) {
    for (const Row& r : Table("text_edits.txt")) {
        const std::size_t first = r[0] == "key" ? 5 : 3;
        S want = r[first];
        for (std::size_t i = first + 1; i < r.field.size(); ++i)
            want += "|" + r[i];
        EXPECT_EQ(Edited(r), want) << "line " << r.line;
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
    const int32_t letter = FactsOf(kind).letter;
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

} // namespace
