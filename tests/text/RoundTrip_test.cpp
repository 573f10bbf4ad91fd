// Round trips: what the program writes into a window, it must read back as the same day or
// number, under every setting the user can choose.
#include "text/StrProc.h"

#include "calendar/DatePr2.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace StrProc;

constexpr int32_t kLargest = DatePr2::largestDayNumber;
constexpr int32_t kSmallest = DatePr2::smallestDayNumber;

struct Separator {
    const char* text;
    const char* name;
};
constexpr Separator kDateSeparators[] = {{"-", "dash"}, {"/", "slash"}, {".", "dot"}};
constexpr Separator kThousands[] = {{",", "comma"}, {".", "dot"}, {"", "none"}};

int32_t GregorianJdn(int32_t year)
{
    DateRecord r{};
    r.year = year;
    r.month = 1;
    r.day = 1;
    r.calendar = DatePr2::letterGregorian;
    return euro_date_to_jdn(&r);
}

// Day numbers from every region the parser accepts: the whole range (years of up to seven
// digits), years of at most four digits, and five-digit years on both sides of zero, with
// both ends of the range.
std::vector<int32_t> SampleDays(uint32_t seed, int perBand)
{
    std::mt19937 random(seed);
    const std::pair<int32_t, int32_t> bands[] = {
        {kSmallest, kLargest},
        {GregorianJdn(-9999), GregorianJdn(10000) - 1},
        {GregorianJdn(10000), GregorianJdn(100000) - 1},
        {GregorianJdn(-99999), GregorianJdn(-9999) - 1},
    };
    std::vector<int32_t> days = {kSmallest, kLargest, 0, -1, 1721426, 5373484};
    for (const auto& [low, high] : bands) {
        std::uniform_int_distribution<int32_t> pick(low, high);
        for (int i = 0; i < perBand; ++i) {
            days.push_back(pick(random));
        }
    }
    return days;
}

// ---------------------------------------------------------------- dates

struct Calendar {
    int16_t kind;
    int32_t letter;
    const char* name;
};
constexpr Calendar kCalendars[] = {{DatePr2::CE, DatePr2::letterGregorian, "CE"},
                                   {DatePr2::JC, DatePr2::letterJulian, "JC"},
                                   {DatePr2::AN, DatePr2::letterAnnusNovus, "AN"}};
constexpr const char* kOrderNames[] = {"MDY", "DMY", "YMD"};

using DateSetting = std::tuple<int, int16_t, int, int>; // calendar, order, separator, thousands

class DateRoundTrip : public ::testing::TestWithParam<DateSetting> {};

constexpr int kDatesPerBand = 100;

TEST_P(DateRoundTrip, FormatDateReadsBackAsTheSameDay)
{
    const auto& [calendarIndex, order, separatorIndex, thousandsIndex] = GetParam();
    const Calendar& calendar = kCalendars[calendarIndex];
    const std::string separator = kDateSeparators[separatorIndex].text;
    const std::string thousands = kThousands[thousandsIndex].text;

    const std::vector<int32_t> days =
        SampleDays(static_cast<uint32_t>(1000 + calendarIndex * 100 + order * 10 +
                                         separatorIndex * 3 + thousandsIndex),
                   kDatesPerBand);
    int checked = 0;
    for (const int32_t jdn : days) {
        DateRecord written{};
        written.jdn = jdn;
        written.calendar = calendar.letter;
        DatePr2::JDNToDate(written);
        const std::string text = FormatDate(written, order, separator, thousands);

        DateRecord read{};
        const int16_t status = ParseDate(text, separator, calendar.kind, order, read);
        ++checked;
        if (status != statusRead || read.jdn != jdn || read.year != written.year ||
            read.month != written.month || read.day != written.day ||
            read.calendar != calendar.letter) {
            ADD_FAILURE() << "JDN " << jdn << " written \"" << text << "\" read with status "
                          << status << " as JDN " << read.jdn;
            return;
        }
    }
    EXPECT_EQ(checked, 6 + 4 * kDatesPerBand);
}

std::string DateSettingName(const ::testing::TestParamInfo<DateSetting>& info)
{
    const auto& [c, order, s, t] = info.param;
    return std::string(kCalendars[c].name) + "_" + kOrderNames[order] + "_" +
           kDateSeparators[s].name + "_thousands_" + kThousands[t].name;
}

INSTANTIATE_TEST_SUITE_P(
    EverySetting, DateRoundTrip,
    ::testing::Combine(::testing::Range(0, 3),
                       ::testing::Values(DatePr2::MDY, DatePr2::DMY, DatePr2::YMD),
                       ::testing::Range(0, 3), ::testing::Range(0, 3)),
    DateSettingName);

// ---------------------------------------------------------------- day numbers

using NumberSetting = std::tuple<int, int>; // date separator, thousands separator

class DayNumberRoundTrip : public ::testing::TestWithParam<NumberSetting> {};

constexpr int kNumbersPerSetting = 20000;

// The canonical text of a JDN window (grouped by the thousands separator) reads back as the
// same JDN under the date separator in force.
TEST_P(DayNumberRoundTrip, GroupedJdnReadsBack)
{
    const auto& [separatorIndex, thousandsIndex] = GetParam();
    const std::string separator = kDateSeparators[separatorIndex].text;
    const std::string thousands = kThousands[thousandsIndex].text;

    std::mt19937 random(static_cast<uint32_t>(77 + separatorIndex * 3 + thousandsIndex));
    std::uniform_int_distribution<int32_t> pick(kSmallest, kLargest);
    std::vector<int32_t> numbers = {kSmallest, kLargest, 0, -1, 1, -999, 999, -1000, 1000};
    for (int i = 0; i < kNumbersPerSetting; ++i) {
        numbers.push_back(pick(random));
    }
    int checked = 0;
    for (const int32_t n : numbers) {
        const std::string text = InsertThousandsSeparators(std::to_string(n), thousands);
        int16_t status = 99;
        const int32_t asNumber = ParseWholeNumber(text, status);
        DateRecord rec{};
        const int16_t asJdn = ParseDate(text, separator, DatePr2::JDN, DatePr2::YMD, rec);
        ++checked;
        if (status != statusRead || asNumber != n || asJdn != statusRead || rec.jdn != n) {
            ADD_FAILURE() << n << " written \"" << text << "\": number status " << status
                          << " value " << asNumber << ", JDN status " << asJdn << " value "
                          << rec.jdn;
            return;
        }
    }
    EXPECT_EQ(checked, 9 + kNumbersPerSetting);
}

TEST_P(DayNumberRoundTrip, JustBeyondTheLimitsIsOutOfRange)
{
    const auto& [separatorIndex, thousandsIndex] = GetParam();
    const std::string thousands = kThousands[thousandsIndex].text;
    for (const int64_t n : {int64_t{kLargest} + 1, int64_t{kSmallest} - 1,
                            int64_t{INT32_MAX}, int64_t{INT32_MIN}}) {
        const std::string text = InsertThousandsSeparators(std::to_string(n), thousands);
        int16_t status = 99;
        ParseWholeNumber(text, status);
        EXPECT_EQ(status, statusOutOfRange) << text;
        DateRecord rec{};
        EXPECT_EQ(ParseDate(text, kDateSeparators[separatorIndex].text, DatePr2::JDN,
                            DatePr2::YMD, rec),
                  statusOutOfRange)
            << text;
    }
}

std::string NumberSettingName(const ::testing::TestParamInfo<NumberSetting>& info)
{
    const auto& [s, t] = info.param;
    return std::string(kDateSeparators[s].name) + "_thousands_" + kThousands[t].name;
}

INSTANTIATE_TEST_SUITE_P(EverySetting, DayNumberRoundTrip,
                         ::testing::Combine(::testing::Range(0, 3), ::testing::Range(0, 3)),
                         NumberSettingName);

// ---------------------------------------------------------------- yyyyddd

TEST(YyyydddRoundTrip, EverySeventhDayOfTheRangeAndBothEnds)
{
    int checked = 0;
    auto check = [&checked](int32_t jdn) {
        const std::string text = DatePr2::YyyydddText(jdn);
        DateRecord rec{};
        const int16_t status = ParseDate(text, "-", DatePr2::YYYYDDD, DatePr2::YMD, rec);
        ++checked;
        if (text.size() != 7 || status != statusRead || rec.jdn != jdn) {
            ADD_FAILURE() << "JDN " << jdn << " written \"" << text << "\" read with status "
                          << status << " as " << rec.jdn;
            return false;
        }
        return true;
    };
    for (int32_t jdn = DatePr2::firstYyyydddDay; jdn <= DatePr2::lastYyyydddDay; jdn += 7) {
        if (!check(jdn)) {
            return;
        }
    }
    ASSERT_TRUE(check(DatePr2::lastYyyydddDay));
    EXPECT_EQ(checked, (DatePr2::lastYyyydddDay - DatePr2::firstYyyydddDay) / 7 + 2);
}

} // namespace
