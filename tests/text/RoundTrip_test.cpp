// Round trips: what the program writes into a window, it must read back as the same day or
// number, under every setting the user can choose.
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
const char* const kSeparators[] = {"-", "/", "."};
const char* const kThousands[] = {",", ".", ""};

int32_t NewYear(int32_t year) {
    DateRecord r{year, 1, 1, letterGregorian, 0, 0};
    return euro_date_to_jdn(&r);
}

// Calendar, date order, date separator and thousands separator.
class DateRoundTrip : public testing::TestWithParam<std::tuple<int16_t, int16_t, int, int>> {};
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
    std::mt19937 random(static_cast<uint32_t>(1000 + kind * 100 + order * 10 + s * 3 + t));
    for (const auto& [low, high] : bands) {
        std::uniform_int_distribution<int32_t> pick(low, high);
        for (int i = 0; i < 100; ++i)
            days.push_back(pick(random));
    }
    int checked = 0;
    for (const int32_t jdn : days) {
        DateRecord written{0, 0, 0, letter, jdn, 0}, read{};
        JDNToDate(written);
        const std::string text = FormatDate(written, order, kSeparators[s], kThousands[t]);
        ASSERT_EQ(ParseDate(text, kSeparators[s], kind, order, read), statusRead) << text;
        ASSERT_EQ(std::tie(read.jdn, read.year, read.month, read.day, read.calendar),
                  std::tie(jdn, written.year, written.month, written.day, letter))
            << text;
        ++checked;
    }
    EXPECT_EQ(checked, 6 + 4 * 100);
}
INSTANTIATE_TEST_SUITE_P(EverySetting, DateRoundTrip,
                         testing::Combine(testing::Values(CE, JC, AN),
                                          testing::Values(MDY, DMY, YMD), testing::Range(0, 3),
                                          testing::Range(0, 3)));

// A number within +-2,100,000,000 grouped by the thousands separator reads back as itself, as a
// whole number and as a JDN under the date separator; one beyond the limits is out of range.
class NumberRoundTrip : public testing::TestWithParam<std::tuple<int, int>> {};
TEST_P(NumberRoundTrip, GroupedNumberReadsBack) {
    const auto [s, t] = GetParam();
    std::mt19937 random(static_cast<uint32_t>(77 + s * 3 + t));
    std::uniform_int_distribution<int32_t> pick(smallestDayNumber, largestDayNumber);
    std::vector<int64_t> numbers = {smallestDayNumber,
                                    largestDayNumber,
                                    0,
                                    -1,
                                    1,
                                    -999,
                                    999,
                                    -1000,
                                    1000,
                                    largestDayNumber + 1LL,
                                    smallestDayNumber - 1LL,
                                    INT32_MAX,
                                    INT32_MIN};
    for (int i = 0; i < 20000; ++i)
        numbers.push_back(pick(random));
    int checked = 0;
    for (const int64_t n : numbers) {
        const bool inside = n >= smallestDayNumber && n <= largestDayNumber;
        const std::string text = InsertThousandsSeparators(std::to_string(n), kThousands[t]);
        int16_t status = 99;
        const int64_t number = ParseWholeNumber(text, status);
        DateRecord rec{};
        const int16_t asJdn = ParseDate(text, kSeparators[s], JDN, YMD, rec);
        const int16_t want = inside ? statusRead : statusOutOfRange;
        ASSERT_EQ(std::tie(status, asJdn), std::tie(want, want)) << text;
        if (inside) {
            ASSERT_EQ(std::make_tuple(number, int64_t{rec.jdn}), std::make_tuple(n, n)) << text;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 13 + 20000);
}
INSTANTIATE_TEST_SUITE_P(EverySetting, NumberRoundTrip,
                         testing::Combine(testing::Range(0, 3), testing::Range(0, 3)));

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
