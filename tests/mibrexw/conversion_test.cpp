// Date <-> JDN conversions and weekdays of the calendar library.
#include "mibrexw.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

namespace {

DateRecord Record(int32_t year, int32_t month, int32_t day, char letter) {
    DateRecord r{};
    r.year = year;
    r.month = month;
    r.day = day;
    r.calendar = letter;
    return r;
}

DateRecord FromJdn(int32_t jdn, char letter) {
    DateRecord r{};
    r.jdn = jdn;
    r.calendar = letter;
    return r;
}

struct KnownDate {
    const char* name;
    char letter;
    int32_t year, month, day;
    int32_t jdn;
    int32_t weekday; // AN weekday for 'A', seven-day weekday otherwise
};

void PrintTo(const KnownDate& k, std::ostream* os) {
    *os << k.name;
}

class KnownDates : public ::testing::TestWithParam<KnownDate> {};

TEST_P(KnownDates, DateToJdn) {
    const KnownDate& k = GetParam();
    DateRecord r = Record(k.year, k.month, k.day, k.letter);
    r.jdn = 12345; // must be ignored and overwritten
    const int32_t got = k.letter == 'A' ? annus_novus_date_to_jdn(&r) : euro_date_to_jdn(&r);
    EXPECT_EQ(got, k.jdn);
    EXPECT_EQ(r.jdn, k.jdn);
    EXPECT_EQ(r.year, k.year);
    EXPECT_EQ(r.month, k.month);
    EXPECT_EQ(r.day, k.day);
}

TEST_P(KnownDates, JdnToDate) {
    const KnownDate& k = GetParam();
    DateRecord r = FromJdn(k.jdn, k.letter);
    if (k.letter == 'A') {
        EXPECT_EQ(jdn_to_annus_novus_date(&r), k.weekday);
    } else {
        EXPECT_EQ(jdn_to_euro_date(&r), 0);
        EXPECT_EQ(euro_day_of_week(k.jdn), k.weekday);
    }
    EXPECT_EQ(r.year, k.year);
    EXPECT_EQ(r.month, k.month);
    EXPECT_EQ(r.day, k.day);
    EXPECT_EQ(r.jdn, k.jdn);
    EXPECT_EQ(r.calendar, k.letter);
}

// Weekdays: 0 Sunday .. 6 Saturday; AN 1 Primidi .. 5 Quintidi, 0 Intercalarius.
INSTANTIATE_TEST_SUITE_P(
    CheckValues, KnownDates,
    ::testing::Values(KnownDate{"Jdn0IsJulianMinus4712", 'J', -4712, 1, 1, 0, 1},
                      KnownDate{"Jdn0Gregorian", 'G', -4713, 11, 24, 0, 1},
                      KnownDate{"Y2000Saturday", 'G', 2000, 1, 1, 2451545, 6},
                      KnownDate{"CenturyStartGregorian", 'G', 2001, 1, 1, 2451911, 1},
                      KnownDate{"CenturyStartJulian", 'J', 2000, 12, 19, 2451911, 1},
                      KnownDate{"CenturyStartAnnusNovus", 'A', 10520, 1, 1, 2451911, 1},
                      KnownDate{"GregorianReform", 'G', 1582, 10, 15, 2299161, 5},
                      KnownDate{"JulianEveOfReform", 'J', 1582, 10, 4, 2299160, 4},
                      KnownDate{"LeapDay2000", 'G', 2000, 2, 29, 2451604, 2},
                      KnownDate{"Year0LeapDayGregorian", 'G', 0, 2, 29, 1721119, 2},
                      KnownDate{"Year0MarchFirstJulian", 'J', 0, 3, 1, 1721118, 1},
                      KnownDate{"Jdn1721426Is0001", 'G', 1, 1, 1, 1721426, 1},
                      KnownDate{"Jdn5373484Is9999", 'G', 9999, 12, 31, 5373484, 5},
                      KnownDate{"JdnMinus1Julian", 'J', -4713, 12, 31, -1, 0},
                      KnownDate{"AnSecundusFirst", 'A', 10520, 2, 1, 2451911 + 36, 2},
                      KnownDate{"AnDecimusLast", 'A', 10520, 10, 37, 2451911 + 364, 5},
                      // 2000 CE is a leap year: 10519 AN has Intercalarius on 31 December 2000.
                      KnownDate{"Intercalarius", 'A', 10519, 11, 1, 2451910, 0},
                      KnownDate{"AnFirstOfLeapYear", 'A', 10519, 1, 1, 2451545, 1},
                      KnownDate{"AnBeforeIntercalarius", 'A', 10519, 10, 37, 2451909, 5},
                      // Largest and smallest int32 JDN in every calendar.
                      KnownDate{"MaxJdnGregorian", 'G', 5874898, 6, 3, INT32_MAX, 2},
                      KnownDate{"MinJdnGregorian", 'G', -5884323, 5, 15, INT32_MIN, 6},
                      KnownDate{"MaxJdnJulian", 'J', 5874777, 10, 17, INT32_MAX, 2},
                      KnownDate{"MinJdnJulian", 'J', -5884202, 3, 16, INT32_MIN, 6},
                      KnownDate{"MaxJdnAnnusNovus", 'A', 5883417, 5, 8, INT32_MAX, 4},
                      KnownDate{"MinJdnAnnusNovus", 'A', -5875804, 4, 26, INT32_MIN, 5}),
    [](const ::testing::TestParamInfo<KnownDate>& info) { return std::string(info.param.name); });

TEST(Weekday, FollowsSevenDayCycleAcrossSignAndInt32Limits) {
    for (int64_t j : {int64_t{INT32_MIN}, int64_t{-8}, int64_t{-1}, int64_t{0}, int64_t{2451545},
                      int64_t{INT32_MAX} - 7}) {
        const auto jdn = static_cast<int32_t>(j);
        const int32_t w = euro_day_of_week(jdn);
        ASSERT_GE(w, 0);
        ASSERT_LE(w, 6);
        for (int32_t k = 1; k <= 7; ++k) {
            EXPECT_EQ(euro_day_of_week(jdn + k), (w + k) % 7) << "jdn " << jdn << " + " << k;
        }
    }
    EXPECT_EQ(euro_day_of_week(INT32_MAX), 2); // 2^31 - 1 = 1 mod 7, JDN 0 a Monday
    EXPECT_EQ(euro_day_of_week(INT32_MIN), 6);
}

// Random JDNs from the whole int32 range go to a date and back in every calendar.
class RoundTrip : public ::testing::TestWithParam<char> {};

TEST_P(RoundTrip, RandomJdnsOverWholeInt32Range) {
    const char letter = GetParam();
    std::mt19937_64 rng(20240601u + static_cast<unsigned>(letter));
    std::uniform_int_distribution<int32_t> any(INT32_MIN, INT32_MAX);
    int checked = 0;
    for (int i = 0; i < 200000; ++i) {
        const int32_t jdn = any(rng);
        DateRecord r = FromJdn(jdn, letter);
        if (letter == 'A') {
            const int32_t w = jdn_to_annus_novus_date(&r);
            ASSERT_GE(w, 0);
            ASSERT_LE(w, 5);
            ASSERT_EQ(w == 0, r.month == 11) << jdn;
        } else {
            jdn_to_euro_date(&r);
        }
        ASSERT_GE(r.month, 1) << jdn;
        ASSERT_LE(r.month, letter == 'A' ? 11 : 12) << jdn;
        ASSERT_GE(r.day, 1) << jdn;
        ASSERT_LE(r.day, letter == 'A' ? 37 : 31) << jdn;
        r.jdn = 0;
        const int32_t back = letter == 'A' ? annus_novus_date_to_jdn(&r) : euro_date_to_jdn(&r);
        ASSERT_EQ(back, jdn) << r.year << "-" << r.month << "-" << r.day << " " << letter;
        ++checked;
    }
    EXPECT_EQ(checked, 200000);
}

INSTANTIATE_TEST_SUITE_P(AllCalendars, RoundTrip, ::testing::Values('G', 'J', 'A'),
                         [](const ::testing::TestParamInfo<char>& info) {
                             return std::string(1, info.param);
                         });

} // namespace
