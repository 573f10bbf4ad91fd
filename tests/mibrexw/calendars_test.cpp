// The calendars by letter: ICU 72 walked day by day and sampled over the whole range, the
// Hebrew calendar against its own rules, month and year lengths against the leap rules,
// round trips, month ordinals, the Long Count, and published dates (tests/data/calendars).
#include "mibrexw.h"

#include <gtest/gtest.h>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <tuple>

namespace {

using Date = std::tuple<int32_t, int32_t, int32_t>;
constexpr char kLetters[] = "GJAHIPCESFW";

int32_t Jdn(int32_t letter, int32_t y, int32_t m, int32_t d, int32_t* status = nullptr) {
    DateRecord r{y, m, d, letter, 0, 0};
    const int32_t s = mibrexw_date_to_jdn(&r);
    if (status != nullptr) *status = s;
    return r.jdn;
}
Date FromJdn(int32_t letter, int32_t jdn) {
    DateRecord r{0, 0, 0, letter, jdn, 0};
    EXPECT_EQ(mibrexw_jdn_to_date(&r), 0);
    return {r.year, r.month, r.day};
}
bool GregorianLeap(int64_t y) {
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}
int64_t Mod(int64_t a, int64_t b) {
    return ((a % b) + b) % b;
}

// ICU's calendar by name, in UTC, through its millisecond time; EXTENDED_YEAR is the
// calendar's own year counted on through 0 and below.
class Icu {
  public:
    explicit Icu(const char* name) {
        UErrorCode status = U_ZERO_ERROR;
        cal_.reset(icu::Calendar::createInstance(icu::TimeZone::createTimeZone("Etc/UTC"),
                                                 icu::Locale(name), status));
        EXPECT_TRUE(U_SUCCESS(status)) << name;
    }
    Date FromJdn(int32_t jdn) {
        UErrorCode status = U_ZERO_ERROR;
        cal_->setTime((static_cast<double>(jdn) - 2440588) * U_MILLIS_PER_DAY, status);
        const Date d{cal_->get(UCAL_EXTENDED_YEAR, status), cal_->get(UCAL_MONTH, status) + 1,
                     cal_->get(UCAL_DATE, status)};
        return U_SUCCESS(status) ? d : Date{0, 0, 0};
    }
    int64_t ToJdn(const Date& d) {
        UErrorCode status = U_ZERO_ERROR;
        cal_->clear();
        cal_->set(UCAL_EXTENDED_YEAR, std::get<0>(d));
        cal_->set(UCAL_MONTH, std::get<1>(d) - 1);
        cal_->set(UCAL_DATE, std::get<2>(d));
        const double ms = cal_->getTime(status);
        return U_SUCCESS(status) ? static_cast<int64_t>(std::floor(ms / U_MILLIS_PER_DAY)) + 2440588
                                 : INT64_MIN;
    }

  private:
    std::unique_ptr<icu::Calendar> cal_;
};

// ICU's Indian calendar turns a date into a day number one too high up to JDN 27 (it floors a
// half-day count the wrong way there); from date to day number only.
int64_t IcuDateOffset(int32_t letter, int32_t jdn) {
    return letter == MIBREXW_INDIAN && jdn <= 27 ? 1 : 0;
}

struct IcuCase {
    int32_t letter;
    const char* locale;
};
class IcuAgreement : public testing::TestWithParam<IcuCase> {};

// Every day of the years -10,000 .. 10,000 of the calendar, both ways, each day the next.
TEST_P(IcuAgreement, EveryDayOfTwentyThousandYears) {
    const auto [letter, locale] = GetParam();
    Icu icu(locale);
    const int32_t first = Jdn(letter, -10000, 1, 1), last = Jdn(letter, 10001, 1, 1) - 1;
    int64_t days = 0, previous = first - 1;
    for (int32_t jdn = first; jdn <= last; ++jdn, ++days) {
        const Date date = FromJdn(letter, jdn);
        ASSERT_EQ(date, icu.FromJdn(jdn)) << char(letter) << " JDN " << jdn;
        const auto [y, m, d] = date;
        ASSERT_EQ(previous + 1, Jdn(letter, y, m, d)) << char(letter) << " " << y << "-" << m;
        ASSERT_EQ(icu.ToJdn(date), jdn + IcuDateOffset(letter, jdn)) << y << "-" << m << "-" << d;
        previous = jdn;
    }
    EXPECT_EQ(FromJdn(letter, first), Date(-10000, 1, 1));
    EXPECT_GT(days, 7'000'000); // 20,001 years of 354 days and more
}

// Random days over ICU's own range, +-2,130,706,432, which holds the library's.
TEST_P(IcuAgreement, RandomDaysOverTheWholeRange) {
    const auto [letter, locale] = GetParam();
    Icu icu(locale);
    std::mt19937 rng(1901u + static_cast<unsigned>(letter));
    std::uniform_int_distribution<int32_t> any(MIBREXW_SMALLEST_DAY_NUMBER,
                                               MIBREXW_LARGEST_DAY_NUMBER);
    for (int i = 0; i < 200000; ++i) {
        const int32_t jdn = i == 0   ? MIBREXW_SMALLEST_DAY_NUMBER
                            : i == 1 ? MIBREXW_LARGEST_DAY_NUMBER
                                     : any(rng);
        const Date date = FromJdn(letter, jdn);
        ASSERT_EQ(date, icu.FromJdn(jdn)) << char(letter) << " JDN " << jdn;
        ASSERT_EQ(icu.ToJdn(date), jdn + IcuDateOffset(letter, jdn)) << char(letter) << jdn;
    }
}
INSTANTIATE_TEST_SUITE_P(Icu72, IcuAgreement,
                         testing::Values(IcuCase{MIBREXW_ISLAMIC, "@calendar=islamic-civil"},
                                         IcuCase{MIBREXW_PERSIAN, "@calendar=persian"},
                                         IcuCase{MIBREXW_COPTIC, "@calendar=coptic"},
                                         IcuCase{MIBREXW_ETHIOPIC, "@calendar=ethiopic"},
                                         IcuCase{MIBREXW_INDIAN, "@calendar=indian"}));

// ---- Hebrew against its rules ---------------------------------------------------------------
// Molad of Tishri from BaHaRaD (Monday 5 h 204 p, JDN 347998) by whole 19-year cycles of 235
// months, leap years 3, 6, 8, 11, 14, 17 and 19 of each; a month is 29 d 12 h 793 p.
struct Molad {
    int64_t day, parts; // parts of 25920 since 6 p.m. of the evening before
};
Molad MoladOfTishri(int64_t y) {
    const int64_t cycles = (y - 1 - Mod(y - 1, 19)) / 19;
    int64_t months = 235 * cycles;
    for (int64_t k = 1; k <= Mod(y - 1, 19); ++k) {
        const bool leap = k == 3 || k == 6 || k == 8 || k == 11 || k == 14 || k == 17;
        months += leap ? 13 : 12;
    }
    const int64_t parts = 5 * 1080 + 204 + months * (29 * 25920 + 12 * 1080 + 793);
    return {347998 + (parts - Mod(parts, 25920)) / 25920, Mod(parts, 25920)};
}
bool HebrewLeap(int64_t y) {
    const int64_t k = Mod(y - 1, 19) + 1;
    return k == 3 || k == 6 || k == 8 || k == 11 || k == 14 || k == 17 || k == 19;
}
// 1 Tishri: the molad's day unless it is 18 h or later (then the next), a Sunday, Wednesday or
// Friday (then the next), a Tuesday of a common year from 9 h 204 p (then Thursday), or a
// Monday after a leap year from 15 h 589 p (then Tuesday).
int64_t RoshHashanah(int64_t y) {
    const Molad m = MoladOfTishri(y);
    const int64_t weekday = Mod(m.day + 1, 7); // 0 Sunday
    const auto adu = [](int64_t w) { return w == 0 || w == 3 || w == 5; };
    if (m.parts >= 18 * 1080) return m.day + 1 + (adu((weekday + 1) % 7) ? 1 : 0);
    if (adu(weekday)) return m.day + 1;
    if (weekday == 2 && m.parts >= 9 * 1080 + 204 && !HebrewLeap(y)) return m.day + 2;
    if (weekday == 1 && m.parts >= 15 * 1080 + 589 && HebrewLeap(y - 1)) return m.day + 1;
    return m.day;
}

void CheckHebrewYear(int32_t y) {
    const int32_t start = Jdn('H', y, 7, 1), next = Jdn('H', y + 1, 7, 1);
    ASSERT_EQ(start, RoshHashanah(y)) << y;
    const int32_t length = next - start;
    const int64_t weekday = Mod(start + 1, 7);
    ASSERT_TRUE(HebrewLeap(y) ? length >= 383 && length <= 385 : length >= 353 && length <= 355)
        << y << ": " << length;
    ASSERT_TRUE(weekday != 0 && weekday != 3 && weekday != 5) << y;
    ASSERT_EQ(mibrexw_months_in_year('H', y), HebrewLeap(y) ? 13 : 12);
}

TEST(Hebrew, YearsFollowTheMoladAndThePostponements) {
    for (int32_t y = -10000; y <= 10000; ++y)
        CheckHebrewYear(y);
    std::mt19937 rng(5785u);
    std::uniform_int_distribution<int32_t> any(MIBREXW_HEBREW_FIRST_YEAR + 1,
                                               MIBREXW_HEBREW_LAST_YEAR - 1);
    for (int i = 0; i < 100000; ++i)
        CheckHebrewYear(any(rng));
}

// ICU 72 starts some years a day late; the rule above is the reference. Counted, not asserted
// beyond being the known number of years (55 of 1..10,000).
TEST(Hebrew, Icu72DisagreesOnYearStarts) {
    Icu icu("@calendar=hebrew");
    int differ = 0;
    for (int32_t y = 1; y <= 10000; ++y) {
        const int32_t start = Jdn('H', y, 7, 1);
        const Date d = icu.FromJdn(start);
        differ += std::get<0>(d) != y || std::get<2>(d) != 1;
    }
    EXPECT_EQ(differ, 55);
}

// ---- Month and year lengths from the leap rules ---------------------------------------------
// The rule's length of month m of year y (Hebrew excepted: its year lengths come from 1 Tishri).
int32_t RuleMonthDays(char cal, int64_t y, int32_t m) {
    static constexpr int32_t kEuro[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    switch (cal) {
    case 'G':
        return m == 2 && GregorianLeap(y) ? 29 : kEuro[m];
    case 'J':
        return m == 2 && y % 4 == 0 ? 29 : kEuro[m];
    case 'A':
        return m == 11 ? GregorianLeap(y - 8519) : m % 2 == 1 ? 36 : 37;
    case 'I': {
        const int64_t k = Mod(y - 1, 30) + 1;
        const bool leap = k == 2 || k == 5 || k == 7 || k == 10 || k == 13 || k == 16 || k == 18 ||
                          k == 21 || k == 24 || k == 26 || k == 29;
        return m == 12 ? 29 + leap : m % 2 == 1 ? 30 : 29;
    }
    case 'P':
        return m <= 6 ? 31 : m <= 11 ? 30 : 29 + (Mod(25 * y + 11, 33) < 8);
    case 'C':
    case 'E':
        return m <= 12 ? 30 : 5 + (Mod(y + 1, 4) == 0);
    case 'S':
        return m == 1 ? 30 + GregorianLeap(y + 78) : m <= 6 ? 31 : 30;
    case 'F': {
        const bool leap = y >= 1 && y <= 14 ? y == 3 || y == 7 || y == 11 : GregorianLeap(y);
        return m <= 12 ? 30 : 5 + leap;
    }
    default:
        return 0;
    }
}

TEST(Calendars, MonthsAndYearsHaveTheirRuleLengths) {
    std::mt19937 rng(33u);
    std::uniform_int_distribution<int32_t> any(-5700000, 5700000);
    for (const char cal : std::string("GJAIPCESF")) {
        for (int i = 0; i < 60000; ++i) {
            const int32_t y = i < 20000 ? i - 10000 : any(rng);
            const int32_t months = mibrexw_months_in_year(cal, y);
            ASSERT_EQ(months, cal == 'A' ? 10 + GregorianLeap(int64_t{y} - 8519)
                              : std::string("CEF").find(cal) != std::string::npos ? 13
                                                                                  : 12);
            int32_t sum = 0;
            for (int32_t m = 1; m <= months; ++m) {
                ASSERT_EQ(mibrexw_days_in_month(cal, y, m), RuleMonthDays(cal, y, m))
                    << cal << " " << y << "-" << m;
                ASSERT_EQ(Jdn(cal, y, m, 1), Jdn(cal, y, 1, 1) + sum) << cal << y << "-" << m;
                sum += RuleMonthDays(cal, y, m);
            }
            ASSERT_EQ(Jdn(cal, y + 1, 1, 1) - Jdn(cal, y, 1, 1), sum) << cal << y;
            ASSERT_EQ(mibrexw_days_in_month(cal, y, months + 1), 0);
        }
    }
}

TEST(Hebrew, MonthLengthsFollowTheYearLength) {
    for (int32_t y = 5700; y <= 5900; ++y) {
        const int32_t length = Jdn('H', y + 1, 7, 1) - Jdn('H', y, 7, 1);
        const bool leap = length > 380;
        // Nisan .. Adar II; Heshvan long in a 355/385-day year, Kislev short in 353/383.
        const int32_t expected[14] = {0,
                                      30,
                                      29,
                                      30,
                                      29,
                                      30,
                                      29,
                                      30,
                                      29 + (length % 10 == 5),
                                      30 - (length % 10 == 3),
                                      29,
                                      30,
                                      29 + leap,
                                      29 * leap};
        for (int32_t m = 1; m <= 13; ++m) {
            ASSERT_EQ(mibrexw_days_in_month('H', y, m), expected[m]) << y << "-" << m;
            if (expected[m] > 0) {
                ASSERT_EQ(FromJdn('H', Jdn('H', y, m, 1)), Date(y, m, 1));
            }
        }
    }
}

// ---- ISO weeks: week 1 holds the year's first Thursday --------------------------------------
TEST(IsoWeek, WeekOneHoldsTheFirstThursday) {
    std::mt19937 rng(8601u);
    std::uniform_int_distribution<int32_t> any(MIBREXW_ISO_WEEK_FIRST_YEAR + 1,
                                               MIBREXW_ISO_WEEK_LAST_YEAR - 1);
    for (int i = 0; i < 200000; ++i) {
        const int32_t y = i < 2000 ? i : any(rng);
        const int32_t thursday = Jdn('W', y, 1, 4);
        ASSERT_EQ(thursday - Jdn('G', y, 1, 1), Mod(thursday - Jdn('G', y, 1, 1), 7)) << y;
        ASSERT_EQ(Mod(thursday, 7), 3) << y; // JDN 0 was a Monday
        const int32_t weeks = mibrexw_months_in_year('W', y);
        ASSERT_EQ(Jdn('W', y + 1, 1, 1), Jdn('W', y, 1, 1) + 7 * weeks) << y;
    }
}

// ---- Round trips, ordinals and bounds -------------------------------------------------------
TEST(Calendars, RandomDaysRoundTripAndAreValid) {
    std::mt19937 rng(2100u);
    std::uniform_int_distribution<int32_t> any(INT32_MIN, INT32_MAX);
    for (int i = 0; i < 1100000; ++i) {
        const char cal = kLetters[i % 11];
        const int32_t jdn = i < 44 ? (i % 4 < 2 ? INT32_MIN + i % 4 : INT32_MAX - i % 4) : any(rng);
        const auto [y, m, d] = FromJdn(cal, jdn);
        ASSERT_TRUE(m >= 1 && m <= mibrexw_months_in_year(cal, y) && d >= 1 &&
                    d <= mibrexw_days_in_month(cal, y, m))
            << cal << " JDN " << jdn;
        int32_t status = 0;
        ASSERT_EQ(Jdn(cal, y, m, d, &status), jdn) << cal << " " << y << "-" << m << "-" << d;
        ASSERT_EQ(status,
                  jdn >= MIBREXW_SMALLEST_DAY_NUMBER && jdn <= MIBREXW_LARGEST_DAY_NUMBER ? 0 : -5);
        int64_t index = 0;
        int32_t y2 = 0, m2 = 0;
        if (cal == 'A') continue;
        ASSERT_EQ(mibrexw_month_index(cal, y, m, &index), 0);
        ASSERT_EQ(mibrexw_month_of_index(cal, index, &y2, &m2), 0);
        ASSERT_EQ(std::tie(y2, m2), std::tie(y, m)) << cal << index;
        // The next month's ordinal is one more, across the end of the year too.
        const int32_t last = Jdn(cal, y, m, mibrexw_days_in_month(cal, y, m));
        if (last == INT32_MAX) continue;
        const int32_t next = last + 1;
        const auto [ny, nm, nd] = FromJdn(cal, next);
        ASSERT_EQ(mibrexw_month_index(cal, ny, nm, &index), 0);
        ASSERT_EQ(mibrexw_month_of_index(cal, index - 1, &y2, &m2), 0);
        ASSERT_EQ(std::tie(y2, m2, nd), std::tuple(y, m, 1)) << cal << " " << y << "-" << m;
    }
}

// Any fields at all: a date is either refused or goes to a JDN that comes back to it.
TEST(Calendars, RandomFieldsAreRefusedOrRoundTrip) {
    std::mt19937 rng(4242u);
    std::uniform_int_distribution<int32_t> any(INT32_MIN, INT32_MAX), near(-2, 60),
        years(-6000000, 6000000);
    std::uniform_int_distribution<int64_t> index(INT64_MIN, INT64_MAX);
    int accepted = 0;
    for (int i = 0; i < 1100000; ++i) {
        const char cal = kLetters[i % 11];
        const int32_t y = i % 2 ? years(rng) : any(rng), m = i % 5 ? near(rng) : any(rng),
                      d = i % 7 ? near(rng) : any(rng);
        int32_t status = 0, y2 = 0, m2 = 0;
        const int32_t jdn = Jdn(cal, y, m, d, &status);
        ASSERT_TRUE(status == 0 || status == -1 || status == -5) << status;
        if (status == 0) {
            ASSERT_EQ(FromJdn(cal, jdn), Date(y, m, d)) << cal << " " << y << "-" << m << "-" << d;
            ++accepted;
        }
        const int32_t r = mibrexw_month_of_index(cal, index(rng) >> (i % 40), &y2, &m2);
        ASSERT_TRUE(r == 0 ? m2 >= 1 && m2 <= mibrexw_months_in_year(cal, y2) : r == -1 || r == -5);
    }
    EXPECT_GT(accepted, 1000);
}

TEST(Calendars, InvalidDatesAndRangeEnds) {
    int32_t status = 0;
    using Day = std::tuple<int32_t, int32_t, int32_t, int32_t>;
    for (const auto& [cal, y, m, d] : {Day{'H', 5785, 13, 1},
                                       {'H', 5784, 14, 1},
                                       {'H', 5784, 8, 30},
                                       {'I', 1446, 12, 30},
                                       {'P', 1404, 12, 30},
                                       {'C', 1741, 13, 7},
                                       {'E', 2016, 13, 6},
                                       {'S', 1945, 1, 31},
                                       {'F', 4, 13, 6},
                                       {'W', 2026, 54, 1},
                                       {'W', 2026, 1, 8},
                                       {'G', 2026, 1, 0},
                                       {'Q', 2026, 1, 1},
                                       {'A', 10520, 11, 1}}) {
        Jdn(cal, y, m, d, &status);
        EXPECT_EQ(status, -1) << char(cal) << " " << y << "-" << m << "-" << d;
    }
    for (const auto& [cal, y, m, d] : {Day{'H', 5784, 13, 29},
                                       {'I', 1445, 12, 30},
                                       {'P', 1403, 12, 30},
                                       {'C', 1739, 13, 6},
                                       {'E', 2015, 13, 6},
                                       {'S', 1946, 1, 31},
                                       {'F', 3, 13, 6},
                                       {'W', 2026, 53, 7}}) {
        Jdn(cal, y, m, d, &status);
        EXPECT_EQ(status, 0) << char(cal) << " " << y << "-" << m << "-" << d;
    }
    // The published first and last years are those of the range's ends.
    const int32_t bounds[11][2] = {{MIBREXW_GREGORIAN_FIRST_YEAR, MIBREXW_GREGORIAN_LAST_YEAR},
                                   {MIBREXW_JULIAN_FIRST_YEAR, MIBREXW_JULIAN_LAST_YEAR},
                                   {MIBREXW_ANNUS_NOVUS_FIRST_YEAR, MIBREXW_ANNUS_NOVUS_LAST_YEAR},
                                   {MIBREXW_HEBREW_FIRST_YEAR, MIBREXW_HEBREW_LAST_YEAR},
                                   {MIBREXW_ISLAMIC_FIRST_YEAR, MIBREXW_ISLAMIC_LAST_YEAR},
                                   {MIBREXW_PERSIAN_FIRST_YEAR, MIBREXW_PERSIAN_LAST_YEAR},
                                   {MIBREXW_COPTIC_FIRST_YEAR, MIBREXW_COPTIC_LAST_YEAR},
                                   {MIBREXW_ETHIOPIC_FIRST_YEAR, MIBREXW_ETHIOPIC_LAST_YEAR},
                                   {MIBREXW_INDIAN_FIRST_YEAR, MIBREXW_INDIAN_LAST_YEAR},
                                   {MIBREXW_FRENCH_FIRST_YEAR, MIBREXW_FRENCH_LAST_YEAR},
                                   {MIBREXW_ISO_WEEK_FIRST_YEAR, MIBREXW_ISO_WEEK_LAST_YEAR}};
    for (int c = 0; c < 11; ++c) {
        const char cal = kLetters[c];
        EXPECT_EQ(std::get<0>(FromJdn(cal, MIBREXW_SMALLEST_DAY_NUMBER)), bounds[c][0]) << cal;
        EXPECT_EQ(std::get<0>(FromJdn(cal, MIBREXW_LARGEST_DAY_NUMBER)), bounds[c][1]) << cal;
        const auto [y, m, d] = FromJdn(cal, MIBREXW_LARGEST_DAY_NUMBER);
        const int32_t after = d < mibrexw_days_in_month(cal, y, m) ? d + 1 : d;
        if (after != d) {
            Jdn(cal, y, m, after, &status);
            EXPECT_EQ(status, -5) << cal;
        }
        EXPECT_EQ(Jdn(cal, INT32_MAX, 1, 1, &status), INT32_MAX);
        EXPECT_EQ(status, -5);
        EXPECT_EQ(Jdn(cal, INT32_MIN, 1, 1, &status), INT32_MIN);
        EXPECT_EQ(status, -5);
    }
    DateRecord r{1, 1, 1, 'Q', 0, 0};
    int64_t index = 0;
    int32_t y = 0, m = 0;
    EXPECT_EQ(mibrexw_jdn_to_date(&r) + mibrexw_months_in_year('Q', 1) +
                  mibrexw_month_index('A', 1, 1, &index) +
                  mibrexw_month_of_index('H', int64_t{1} << 41, &y, &m),
              -7);
    EXPECT_EQ(mibrexw_month_of_index('G', int64_t{12} * INT32_MAX + 12, &y, &m), -5);
}

// ---- The Long Count -------------------------------------------------------------------------
LongCount Count(int32_t jdn) {
    LongCount c{};
    EXPECT_EQ(mibrexw_jdn_to_long_count(jdn, &c), 0);
    return c;
}
TEST(LongCount, PlacesRoundTripAndAreChecked) {
    std::mt19937 rng(584283u);
    std::uniform_int_distribution<int32_t> any(INT32_MIN, INT32_MAX);
    for (int i = 0; i < 200000; ++i) {
        const int32_t jdn = i == 0 ? INT32_MIN : i == 1 ? INT32_MAX : any(rng);
        const LongCount c = Count(jdn);
        const int64_t days =
            (((int64_t{c.place[0]} * 20 + c.place[1]) * 20 + c.place[2]) * 18 + c.place[3]) * 20 +
            c.place[4];
        ASSERT_EQ(584283 + (c.negative ? -days : days), jdn);
        ASSERT_TRUE(c.place[1] < 20 && c.place[2] < 20 && c.place[3] < 18 && c.place[4] < 20);
        int32_t back = 0, status = 0;
        status = mibrexw_long_count_to_jdn(&c, &back);
        ASSERT_EQ(status, std::abs(int64_t{jdn}) <= MIBREXW_LARGEST_DAY_NUMBER ? 0 : -5);
        ASSERT_EQ(back, jdn);
    }
    int32_t jdn = 7;
    for (const LongCount& bad : {LongCount{0, {1, 20, 0, 0, 0}}, LongCount{0, {1, 0, 0, 18, 0}},
                                 LongCount{2, {1, 0, 0, 0, 0}}, LongCount{0, {-1, 0, 0, 0, 0}},
                                 LongCount{1, {0, 0, 0, 0, 20}}})
        EXPECT_EQ(mibrexw_long_count_to_jdn(&bad, &jdn), -1);
    EXPECT_EQ(jdn, 7);
    EXPECT_EQ(mibrexw_jdn_to_long_count(0, nullptr), -1);
    EXPECT_EQ(-Count(MIBREXW_SMALLEST_DAY_NUMBER).place[0], MIBREXW_LONG_COUNT_FIRST_BAKTUN);
    EXPECT_EQ(Count(MIBREXW_LARGEST_DAY_NUMBER).place[0], MIBREXW_LONG_COUNT_LAST_BAKTUN);
}

// ---- Published dates ------------------------------------------------------------------------
// Each line: a date in one notation = the same day in another; '#' starts a comment. A Long
// Count is written M [-]b.k.t.u.k, other dates LETTER year month day.
int32_t ReadDay(std::istringstream& in) {
    std::string letter;
    in >> letter;
    if (letter == "M") {
        std::string text;
        in >> text;
        LongCount c{text[0] == '-' ? 1 : 0, {}};
        std::istringstream places(text.substr(static_cast<size_t>(c.negative)));
        char dot = 0;
        places >> c.place[0] >> dot >> c.place[1] >> dot >> c.place[2] >> dot >> c.place[3] >>
            dot >> c.place[4];
        int32_t jdn = 0;
        EXPECT_EQ(mibrexw_long_count_to_jdn(&c, &jdn), 0) << text;
        const LongCount again = Count(jdn);
        EXPECT_EQ(std::memcmp(&c, &again, sizeof c), 0) << text;
        return jdn;
    }
    if (letter == "JDN") {
        int32_t jdn = 0;
        in >> jdn;
        return jdn;
    }
    int32_t y = 0, m = 0, d = 0, status = 0;
    in >> y >> m >> d;
    const int32_t jdn = Jdn(letter[0], y, m, d, &status);
    EXPECT_EQ(status, 0) << letter << " " << y << "-" << m << "-" << d;
    EXPECT_EQ(FromJdn(letter[0], jdn), Date(y, m, d)) << letter << " " << y << "-" << m;
    return jdn;
}

TEST(Calendars, PublishedConcordances) {
    std::ifstream file(ORV_CALENDAR_DATA "/concordances.txt");
    ASSERT_TRUE(file) << ORV_CALENDAR_DATA;
    int lines = 0;
    for (std::string line; std::getline(file, line);) {
        line = line.substr(0, line.find('#'));
        if (line.find('=') == std::string::npos) continue;
        std::istringstream left(line.substr(0, line.find('='))),
            right(line.substr(line.find('=') + 1));
        EXPECT_EQ(ReadDay(left), ReadDay(right)) << line;
        ++lines;
    }
    EXPECT_GE(lines, 30);
}

} // namespace
