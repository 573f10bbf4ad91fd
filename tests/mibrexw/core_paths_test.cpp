// The date -> JDN conversions take a 32-bit path for ordinary dates and a 64-bit one for the
// rest; both must give the same day wherever both apply, above all at the edges of the short
// path.
#include "mibrexw_impl.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

namespace {

using namespace mibrexw::detail;

struct Paths {
    const char* name;
    bool (*fast)(int64_t, int64_t, int64_t, int32_t&);
    int64_t (*wide)(int64_t, int64_t, int64_t);
    int64_t firstFastYear, lastFastYear; // in the calendar's own numbering
    int64_t months, days;
};

void PrintTo(const Paths& p, std::ostream* os) {
    *os << p.name;
}

class FastAndWidePaths : public ::testing::TestWithParam<Paths> {};

TEST_P(FastAndWidePaths, AgreeOnRandomDates) {
    const Paths& p = GetParam();
    std::mt19937_64 rng(99);
    std::uniform_int_distribution<int64_t> year(p.firstFastYear, p.lastFastYear);
    std::uniform_int_distribution<int64_t> month(1, p.months);
    std::uniform_int_distribution<int64_t> day(1, p.days);
    for (int i = 0; i < 100000; ++i) {
        const int64_t y = year(rng), m = month(rng), d = day(rng);
        int32_t jdn = 0;
        ASSERT_TRUE(p.fast(y, m, d, jdn)) << y << "-" << m << "-" << d;
        ASSERT_EQ(jdn, p.wide(y, m, d)) << y << "-" << m << "-" << d;
    }
}

TEST_P(FastAndWidePaths, EdgesOfTheShortPath) {
    const Paths& p = GetParam();
    int fastCount = 0;
    for (int64_t y : {p.firstFastYear - 1, p.firstFastYear, p.lastFastYear, p.lastFastYear + 1}) {
        for (int64_t m : {int64_t{0}, int64_t{1}, int64_t{2}, int64_t{3}, p.months, p.months + 1}) {
            for (int64_t d : {int64_t{0}, int64_t{1}, int64_t{28}, p.days, p.days + 1}) {
                const bool inside = y >= p.firstFastYear && y <= p.lastFastYear && m >= 1 &&
                                    m <= p.months && d >= 1 && d <= p.days;
                int32_t jdn = 0;
                ASSERT_EQ(p.fast(y, m, d, jdn), inside) << y << "-" << m << "-" << d;
                if (inside) {
                    ASSERT_EQ(jdn, p.wide(y, m, d)) << y << "-" << m << "-" << d;
                    ++fastCount;
                }
            }
        }
    }
    EXPECT_EQ(fastCount, 2 * 4 * 3);
}

constexpr int64_t kAn = kAnnusNovusYearOffset;

INSTANTIATE_TEST_SUITE_P(
    Calendars, FastAndWidePaths,
    ::testing::Values(Paths{"Gregorian", GregorianToJdnFast, GregorianToJdnWide,
                            kGregorianFastFirstYear, kGregorianFastLastYear, 12, 31},
                      Paths{"Julian", JulianToJdnFast, JulianToJdnWide, kJulianFastFirstYear,
                            kJulianFastLastYear, 12, 31},
                      Paths{"AnnusNovus", AnnusNovusToJdnFast, AnnusNovusToJdnWide,
                            kGregorianFastFirstYear + kAn, kGregorianFastLastYear + kAn, 11, 37}),
    [](const ::testing::TestParamInfo<Paths>& info) { return std::string(info.param.name); });

// The short path's years are exactly those whose every day lies inside int32.
TEST(FastYears, AreTheWholeYearsInsideInt32) {
    EXPECT_GE(GregorianToJdnWide(kGregorianFastFirstYear, 1, 1), int64_t{INT32_MIN});
    EXPECT_LT(GregorianToJdnWide(kGregorianFastFirstYear - 1, 1, 1), int64_t{INT32_MIN});
    EXPECT_LE(GregorianToJdnWide(kGregorianFastLastYear + 1, 2, 31), int64_t{INT32_MAX});
    EXPECT_GT(GregorianToJdnWide(kGregorianFastLastYear + 1, 12, 31), int64_t{INT32_MAX});
    EXPECT_GE(JulianToJdnWide(kJulianFastFirstYear, 1, 1), int64_t{INT32_MIN});
    EXPECT_LT(JulianToJdnWide(kJulianFastFirstYear - 1, 1, 1), int64_t{INT32_MIN});
    EXPECT_LE(JulianToJdnWide(kJulianFastLastYear + 1, 2, 31), int64_t{INT32_MAX});
    EXPECT_GT(JulianToJdnWide(kJulianFastLastYear + 1, 12, 31), int64_t{INT32_MAX});
}

} // namespace
