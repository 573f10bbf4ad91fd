// Date <-> JDN conversions and weekdays: check values, fields out of range, saturation, random
// round trips, a day-stepping oracle and ICU as an independent reference.
#include "mibrexw.h"
#include "mibrexw_impl.h"

#include <gtest/gtest.h>
#include <unicode/gregocal.h>
#include <unicode/timezone.h>

#include <cstdlib>
#include <random>
#include <tuple>

extern "C" int mibrexw_c_header_check(void);

namespace {

DateRecord Rec(int32_t y, int32_t m, int32_t d, int32_t letter) {
    return {y, m, d, letter, 0, 0};
}
int32_t ToJdn(DateRecord& r) {
    return r.calendar == 'A' ? annus_novus_date_to_jdn(&r) : euro_date_to_jdn(&r);
}
// Fills the date of jdn in r's calendar; returns the AN weekday for 'A', else the 7-day one.
int32_t FromJdn(int32_t jdn, DateRecord& r) {
    r.jdn = jdn;
    if (r.calendar == 'A') return jdn_to_annus_novus_date(&r);
    jdn_to_euro_date(&r);
    return euro_day_of_week(jdn);
}

TEST(CHeader, UsableFromC) {
    EXPECT_EQ(mibrexw_c_header_check(), 0);
}

struct Known {
    int32_t letter, y, m, d, jdn, weekday;
};
class KnownDates : public testing::TestWithParam<Known> {};
TEST_P(KnownDates, BothDirections) {
    const Known& k = GetParam();
    DateRecord r = Rec(k.y, k.m, k.d, k.letter);
    r.jdn = 12345; // never read
    EXPECT_EQ(ToJdn(r), k.jdn);
    EXPECT_EQ(r.jdn, k.jdn);
    DateRecord back = Rec(0, 0, 0, k.letter);
    EXPECT_EQ(FromJdn(k.jdn, back), k.weekday);
    EXPECT_EQ(std::tie(back.year, back.month, back.day), std::tie(k.y, k.m, k.d));
}
// clang-format off
const Known kKnown[] = {
    {'J', -4712, 1, 1, 0, 1}, {'G', -4713, 11, 24, 0, 1}, {'G', 2000, 1, 1, 2451545, 6},
    {'G', 2001, 1, 1, 2451911, 1}, {'J', 2000, 12, 19, 2451911, 1}, {'A', 10520, 1, 1, 2451911, 1},
    {'A', 10519, 11, 1, 2451910, 0}, {'X', 2001, 1, 1, 2451911, 1}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(CheckValues, KnownDates, testing::ValuesIn(kKnown));

// Fields beyond their ranges count on from a valid date: {letter, y, m, d} is {y2, m2, d2} + add.
struct Equivalent {
    int32_t letter, y, m, d, y2, m2, d2, add;
};
class OutOfRangeFields : public testing::TestWithParam<Equivalent> {};
TEST_P(OutOfRangeFields, CountOnFromAValidDate) {
    const Equivalent& e = GetParam();
    DateRecord odd = Rec(e.y, e.m, e.d, e.letter), valid = Rec(e.y2, e.m2, e.d2, e.letter);
    EXPECT_EQ(ToJdn(odd), ToJdn(valid) + e.add);
}
// clang-format off
const Equivalent kFields[] = {
    {'G', 2000, 13, 1, 2001, 1, 1, 0}, {'G', 2000, 0, 1, 1999, 12, 1, 0},
    {'G', 2000, -12, 1, 1998, 12, 1, 0}, {'G', 2000, 25, 1, 2002, 1, 1, 0},
    {'J', 1899, 14, 29, 1900, 2, 29, 0}, {'G', 2000, 3, 0, 2000, 2, 29, 0},
    {'J', 2000, 1, -30, 1999, 12, 1, 0}, {'G', 2000, 1, 1000, 2000, 1, 1, 999},
    {'A', 10520, 11, 1, 10521, 1, 1, 0}, {'A', 10520, 12, 1, 10520, 10, 1, 73},
    {'A', 10520, 0, 1, 10520, 1, 1, -37}, {'A', 10520, 2, 38, 10520, 3, 1, 0}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Fields, OutOfRangeFields, testing::ValuesIn(kFields));

// Beyond int32 the JDN saturates, never wraps; huge fields pulling apart give exact answers.
struct Saturating {
    int32_t letter, y, m, d, jdn;
};
class Saturation : public testing::TestWithParam<Saturating> {};
TEST_P(Saturation, ClampsToInt32) {
    DateRecord r = Rec(GetParam().y, GetParam().m, GetParam().d, GetParam().letter);
    EXPECT_EQ(ToJdn(r), GetParam().jdn);
    EXPECT_EQ(r.jdn, GetParam().jdn);
}
constexpr int32_t kMax = INT32_MAX, kMin = INT32_MIN;
// clang-format off
const Saturating kLimits[] = {
    {'G', 5874898, 6, 4, kMax}, {'G', -5884323, 5, 14, kMin}, {'J', 5874777, 10, 18, kMax},
    {'J', -5884202, 3, 15, kMin}, {'A', 5883417, 5, 9, kMax}, {'A', -5875804, 4, 25, kMin},
    {'G', kMax, kMax, kMax, kMax}, {'J', kMax, kMax, kMax, kMax}, {'A', kMax, kMax, kMax, kMax},
    {'G', kMin, kMin, kMin, kMin}, {'J', kMin, kMin, kMin, kMin}, {'A', kMin, kMin, kMin, kMin},
    {'G', 0, kMin, kMax, kMin}, {'A', kMax, 1, kMin, kMax}, {'J', kMin, 1, kMax, kMin},
    {'G', 0, 1, -kMax, 1721060 - kMax - 1}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Limits, Saturation, testing::ValuesIn(kLimits));

class RoundTrip : public testing::TestWithParam<int32_t> {};
TEST_P(RoundTrip, RandomJdnsOverWholeInt32Range) {
    const bool an = GetParam() == 'A';
    std::mt19937_64 rng(20240601u + static_cast<unsigned>(GetParam()));
    std::uniform_int_distribution<int32_t> any(kMin, kMax);
    int checked = 0;
    for (int i = 0; i < 200000; ++i, ++checked) {
        const int32_t jdn = any(rng);
        DateRecord r = Rec(0, 0, 0, GetParam());
        const int32_t w = FromJdn(jdn, r);
        ASSERT_TRUE(r.month >= 1 && r.month <= (an ? 11 : 12) && r.day >= 1 &&
                    r.day <= (an ? 37 : 31) && (!an || (w == 0) == (r.month == 11)))
            << jdn << ": " << r.year << "-" << r.month << "-" << r.day << " weekday " << w;
        ASSERT_EQ(ToJdn(r), jdn) << r.year << "-" << r.month << "-" << r.day;
    }
    EXPECT_EQ(checked, 200000);
}
INSTANTIATE_TEST_SUITE_P(AllCalendars, RoundTrip, testing::Values('G', 'J', 'A'));

TEST(Paths, ShortAndWidePathsAgreeOnRandomDates) {
    using namespace mibrexw::detail;
    std::mt19937_64 rng(99);
    std::uniform_int_distribution<int64_t> year(kGregorianFastFirstYear, kGregorianFastLastYear);
    std::uniform_int_distribution<int64_t> month(1, 12), day(1, 31);
    for (int i = 0; i < 100000; ++i) {
        const int64_t y = year(rng), m = month(rng), d = day(rng), a = y + kAnnusNovusYearOffset;
        int32_t g = 0, j = 0, an = 0;
        ASSERT_TRUE(GregorianToJdnFast(y, m, d, g) && AnnusNovusToJdnFast(a, m % 11 + 1, d, an));
        ASSERT_EQ(g, GregorianToJdnWide(y, m, d)) << y << "-" << m << "-" << d;
        ASSERT_EQ(an, AnnusNovusToJdnWide(a, m % 11 + 1, d)) << a << "-" << m % 11 + 1 << "-" << d;
        if (JulianToJdnFast(y, m, d, j)) {
            ASSERT_EQ(j, JulianToJdnWide(y, m, d)) << y;
        }
    }
}

// An oracle that knows only month lengths and leap rules steps one day at a time.
bool Leap(int64_t y) {
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}
int Days(int32_t cal, int32_t y, int m) {
    static constexpr int kDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (cal == 'A') return m == 11 ? Leap(int64_t{y} - 8519) : m % 2 == 1 ? 36 : 37;
    return m == 2 && (cal == 'J' ? y % 4 == 0 : Leap(y)) ? 29 : kDays[m];
}
struct Day {
    int32_t y, m, d;
};
void Step(Day& t, int32_t cal, int dir) {
    t.d += dir;
    if (t.d >= 1 && t.d <= Days(cal, t.y, t.m)) return;
    const int months = cal == 'A' ? 11 : 12;
    do { // an empty Intercalarius is skipped
        t.m += dir;
        if (t.m > months) {
            t.m = 1;
            ++t.y;
        }
        if (t.m < 1) {
            t.m = months;
            --t.y;
        }
    } while (Days(cal, t.y, t.m) == 0);
    t.d = dir > 0 ? 1 : Days(cal, t.y, t.m);
}
struct Walk {
    int32_t start, steps;
    Day day[3];
    int weekday, anWeekday;
}; // G, J, A
class DayStepping : public testing::TestWithParam<Walk> {};
TEST_P(DayStepping, EveryDayAgreesWithTheOracle) {
    Walk w = GetParam();
    const int dir = w.steps < 0 ? -1 : 1;
    int anRun = w.anWeekday; // the five-day week runs on across years, skipping Intercalarius
    DateRecord previous[3];
    int64_t checked = 0;
    for (int32_t jdn = w.start;; jdn += dir) {
        for (int c = 0; c < 3; ++c) {
            const Day& t = w.day[c];
            const char cal = "GJA"[c];
            DateRecord r = Rec(0, 0, 0, cal);
            ASSERT_EQ(FromJdn(jdn, r), cal == 'A' ? w.anWeekday : w.weekday)
                << cal << " weekday at JDN " << jdn;
            ASSERT_EQ(std::tie(r.year, r.month, r.day), std::tie(t.y, t.m, t.d))
                << cal << " at JDN " << jdn;
            ASSERT_EQ(ToJdn(r), jdn) << cal << " back to JDN " << jdn;
            if (checked > 0) { // both dates valid, one day apart
                ASSERT_EQ(days_elapsed(&r, &previous[c], nullptr), dir) << cal << jdn;
            }
            previous[c] = r;
        }
        if (checked++ == std::abs(int64_t{w.steps})) break;
        for (int c = 0; c < 3; ++c)
            Step(w.day[c], "GJA"[c], dir);
        w.weekday = (w.weekday + 7 + dir) % 7;
        if (w.day[2].m != 11) anRun = (anRun + 4 + dir) % 5 + 1;
        w.anWeekday = w.day[2].m == 11 ? 0 : anRun;
    }
    EXPECT_EQ(checked, std::abs(int64_t{w.steps}) + 1);
}
// clang-format off
const Walk kWalks[] = {
    {2451545, -2451545, {{2000, 1, 1}, {1999, 12, 19}, {10519, 1, 1}}, 6, 1},
    {2451545, 3000000, {{2000, 1, 1}, {1999, 12, 19}, {10519, 1, 1}}, 6, 1},
    {kMax, -1500000, {{5874898, 6, 3}, {5874777, 10, 17}, {5883417, 5, 8}}, 2, 4},
    {kMin, 1500000, {{-5884323, 5, 15}, {-5884202, 3, 16}, {-5875804, 4, 26}}, 6, 5}};
INSTANTIATE_TEST_SUITE_P(Spans, DayStepping, testing::ValuesIn(kWalks));
// clang-format on

// ICU's GregorianCalendar with the change-over at the end (start) of time is proleptic
// Julian (Gregorian); EXTENDED_YEAR numbers years astronomically. Beyond +-2.13e9 it wraps.
class AgreesWithIcu : public testing::TestWithParam<int32_t> {};
TEST_P(AgreesWithIcu, RandomJdnsBothDirections) {
    UErrorCode status = U_ZERO_ERROR;
    icu::GregorianCalendar icu(icu::TimeZone::createTimeZone("Etc/UTC"), status);
    icu.setGregorianChange(GetParam() == 'J' ? U_DATE_MAX : U_DATE_MIN, status);
    ASSERT_TRUE(U_SUCCESS(status));
    std::mt19937 rng(7321u + static_cast<unsigned>(GetParam()));
    std::uniform_int_distribution<int32_t> wide(-2130000000, 2130000000), near(0, 5373484);
    const int32_t ends[] = {-2130000000, MIBREXW_SMALLEST_DAY_NUMBER, -1,
                            0,           MIBREXW_LARGEST_DAY_NUMBER,  2130000000};
    int compared = 0;
    for (int i = -6; i < 40000; ++i, ++compared) { // half the samples near the present
        const int32_t jdn = i < 0 ? ends[i + 6] : i % 2 == 0 ? wide(rng) : near(rng);
        icu.clear();
        icu.set(UCAL_JULIAN_DAY, jdn);
        const int32_t y = icu.get(UCAL_EXTENDED_YEAR, status), m = icu.get(UCAL_MONTH, status) + 1,
                      d = icu.get(UCAL_DATE, status);
        DateRecord r = Rec(0, 0, 0, GetParam());
        FromJdn(jdn, r);
        ASSERT_EQ(std::tie(r.year, r.month, r.day), std::tie(y, m, d)) << "JDN " << jdn;
        ASSERT_EQ(ToJdn(r), jdn) << y << "-" << m << "-" << d;
        ASSERT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    }
    EXPECT_EQ(compared, 40006);
}
INSTANTIATE_TEST_SUITE_P(GregorianAndJulian, AgreesWithIcu, testing::Values('G', 'J'));

} // namespace
