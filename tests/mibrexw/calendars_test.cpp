// The calendars by letter: ICU 72 walked day by day and sampled over the whole range, the
// Hebrew calendar against its own rules, month ordinals, refused fields and published dates
// (tests/data/calendars). tools/verify_calendars walks every calendar over the whole range.
#include "mibrexw.h"

#include <gtest/gtest.h>
#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <cmath>
#include <cstdio>
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
int64_t Mod(int64_t a, int64_t b) {
    return ((a % b) + b) % b;
}

// ICU's calendar by name, in UTC, through its millisecond time; EXTENDED_YEAR is the
// calendar's own year counted on through 0 and below. Its Gregorian calendar is made
// proleptic Gregorian (change-over at the start of time) or Julian (at the end).
class Icu {
  public:
    explicit Icu(int32_t letter, const char* name) {
        UErrorCode status = U_ZERO_ERROR;
        cal_.reset(icu::Calendar::createInstance(icu::TimeZone::createTimeZone("Etc/UTC"),
                                                 icu::Locale(name), status));
        if (auto* gregorian = dynamic_cast<icu::GregorianCalendar*>(cal_.get()))
            gregorian->setGregorianChange(letter == 'J' ? U_DATE_MAX : U_DATE_MIN, status);
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
class IcuWalk : public testing::TestWithParam<IcuCase> {};
class IcuSample : public IcuWalk {};

// Every day of the years -10,000 .. 10,000 of the calendar, both ways, each day the next.
TEST_P(IcuWalk, EveryDayOfTwentyThousandYears) {
    const auto [letter, locale] = GetParam();
    Icu icu(letter, locale);
    const int32_t first = Jdn(letter, -10000, 1, 1), last = Jdn(letter, 10001, 1, 1) - 1;
    for (int32_t jdn = first; jdn <= last; ++jdn) {
        const Date date = FromJdn(letter, jdn);
        ASSERT_EQ(date, icu.FromJdn(jdn)) << char(letter) << " JDN " << jdn;
        const auto [y, m, d] = date;
        ASSERT_EQ(jdn, Jdn(letter, y, m, d)) << char(letter) << " " << y << "-" << m;
        ASSERT_EQ(icu.ToJdn(date), jdn + IcuDateOffset(letter, jdn)) << y << "-" << m << "-" << d;
    }
    EXPECT_GT(last - first, 7'000'000); // 20,001 years of 354 days and more
}

// Random days over ICU's own range, +-2,130,706,432, which holds the library's.
TEST_P(IcuSample, RandomDaysOverTheWholeRange) {
    const auto [letter, locale] = GetParam();
    Icu icu(letter, locale);
    std::mt19937 rng(1901u + static_cast<unsigned>(letter));
    std::uniform_int_distribution<int32_t> any(MIBREXW_SMALLEST_DAY_NUMBER,
                                               MIBREXW_LARGEST_DAY_NUMBER);
    for (int i = 0; i < 100000; ++i) {
        const int32_t jdn = i == 0   ? MIBREXW_SMALLEST_DAY_NUMBER
                            : i == 1 ? MIBREXW_LARGEST_DAY_NUMBER
                                     : any(rng);
        const Date date = FromJdn(letter, jdn);
        ASSERT_EQ(date, icu.FromJdn(jdn)) << char(letter) << " JDN " << jdn;
        ASSERT_EQ(icu.ToJdn(date), jdn + IcuDateOffset(letter, jdn)) << char(letter) << jdn;
    }
}
const IcuCase kIcuCalendars[] = {
    {MIBREXW_ISLAMIC, "@calendar=islamic-civil"}, {MIBREXW_PERSIAN, "@calendar=persian"},
    {MIBREXW_COPTIC, "@calendar=coptic"},         {MIBREXW_ETHIOPIC, "@calendar=ethiopic"},
    {MIBREXW_INDIAN, "@calendar=indian"},         {MIBREXW_GREGORIAN, "@calendar=gregorian"},
    {MIBREXW_JULIAN, "@calendar=gregorian"}};
INSTANTIATE_TEST_SUITE_P(Icu72, IcuWalk, testing::ValuesIn(kIcuCalendars, kIcuCalendars + 5));
INSTANTIATE_TEST_SUITE_P(Icu72, IcuSample, testing::ValuesIn(kIcuCalendars));

// ---- Hebrew against its rules ---------------------------------------------------------------
// Molad of Tishri from BaHaRaD (Monday 5 h 204 p, JDN 347998) by whole 19-year cycles of 235
// months, leap years 3, 6, 8, 11, 14, 17 and 19 of each; a month is 29 d 12 h 793 p.
bool HebrewLeap(int64_t y) {
    const int64_t k = Mod(y - 1, 19) + 1;
    return k == 3 || k == 6 || k == 8 || k == 11 || k == 14 || k == 17 || k == 19;
}
int64_t MoladParts(int64_t y) { // parts of 25920 a day since 6 p.m. before JDN 347998
    const int64_t cycles = (y - 1 - Mod(y - 1, 19)) / 19;
    int64_t months = 235 * cycles;
    for (int64_t k = cycles * 19 + 1; k < y; ++k)
        months += HebrewLeap(k) ? 13 : 12;
    return 5 * 1080 + 204 + months * (29 * 25920 + 12 * 1080 + 793);
}
// 1 Tishri: the molad's day unless it is 18 h or later (then the next), a Sunday, Wednesday or
// Friday (then the next), a Tuesday of a common year from 9 h 204 p (then Thursday), or a
// Monday after a leap year from 15 h 589 p (then Tuesday).
int64_t RoshHashanah(int64_t y) {
    const int64_t parts = MoladParts(y), time = Mod(parts, 25920);
    const int64_t day = 347998 + (parts - time) / 25920, weekday = Mod(day + 1, 7); // 0 Sunday
    const auto adu = [](int64_t w) { return w == 0 || w == 3 || w == 5; };
    if (time >= 18 * 1080) return day + 1 + (adu((weekday + 1) % 7) ? 1 : 0);
    if (adu(weekday)) return day + 1;
    if (weekday == 2 && time >= 9 * 1080 + 204 && !HebrewLeap(y)) return day + 2;
    if (weekday == 1 && time >= 15 * 1080 + 589 && HebrewLeap(y - 1)) return day + 1;
    return day;
}

// The year's start and length, and its months: Nisan .. Adar II, Heshvan (8) long in a
// 355/385-day year, Kislev (9) short in a 353/383-day one, Adar I (12) and II only when leap.
void CheckHebrewYear(int32_t y) {
    const int32_t start = Jdn('H', y, 7, 1), length = Jdn('H', y + 1, 7, 1) - start;
    ASSERT_EQ(start, RoshHashanah(y)) << y;
    const bool leap = HebrewLeap(y), full = length % 10 == 5, lacking = length % 10 == 3;
    ASSERT_TRUE(leap ? length >= 383 && length <= 385 : length >= 353 && length <= 355) << y;
    ASSERT_TRUE(Mod(start + 1, 7) != 0 && Mod(start + 1, 7) != 3 && Mod(start + 1, 7) != 5) << y;
    ASSERT_EQ(mibrexw_months_in_year('H', y), leap ? 13 : 12) << y;
    const int32_t months[14] = {0,  30,        29,           30, 29, 30,        29,
                                30, 29 + full, 30 - lacking, 29, 30, 29 + leap, 29 * leap};
    for (int32_t m = 1; m <= 13; ++m)
        ASSERT_EQ(mibrexw_days_in_month('H', y, m), months[m]) << y << "-" << m;
}

TEST(Hebrew, YearsFollowTheMoladAndThePostponements) {
    for (int32_t y = -10000; y <= 10000; ++y)
        CheckHebrewYear(y);
    std::mt19937 rng(5785u);
    std::uniform_int_distribution<int32_t> any(MIBREXW_HEBREW_FIRST_YEAR + 1,
                                               MIBREXW_HEBREW_LAST_YEAR - 1);
    for (int i = 0; i < 20000; ++i)
        CheckHebrewYear(any(rng));
}

// ---- Month lengths, ordinals and refused fields ----------------------------------------------
// A random day lies in its month; the month's last day is followed by the first of the month
// whose ordinal is one more, across the end of the year too. Random fields are refused or go
// to a day that comes back to them; random ordinals are refused or name a month.
TEST(Calendars, RandomDaysFieldsAndOrdinals) {
    std::mt19937 rng(2100u);
    std::uniform_int_distribution<int32_t> any(INT32_MIN, INT32_MAX), near(-2, 60),
        years(-6000000, 6000000), day(INT32_MIN, INT32_MAX - 400);
    std::uniform_int_distribution<int64_t> ordinal(INT64_MIN, INT64_MAX);
    int accepted = 0;
    for (int i = 0; i < 500000; ++i) {
        const char cal = kLetters[i % 11];
        const int32_t jdn = i < 22 ? (i < 11 ? INT32_MIN : INT32_MAX - 400) : day(rng);
        const auto [y, m, d] = FromJdn(cal, jdn);
        const int32_t days = mibrexw_days_in_month(cal, y, m);
        ASSERT_TRUE(m >= 1 && m <= mibrexw_months_in_year(cal, y) && d >= 1 && d <= days)
            << cal << " JDN " << jdn;
        const int64_t last = int64_t{jdn} - d + days; // INT32_MIN - d would overflow an int
        const auto [ny, nm, nd] = FromJdn(cal, static_cast<int32_t>(last + 1));
        ASSERT_EQ(nd, 1) << cal << " " << y << "-" << m;
        int32_t past = 0; // the date reader knows the month's length: its last day, not the next
        ASSERT_EQ(Jdn(cal, y, m, days), last) << cal << " " << y << "-" << m;
        Jdn(cal, y, m, days + 1, &past);
        ASSERT_NE(past, 0) << cal << " " << y << "-" << m << " has " << days << " days";
        int64_t index = 0;
        int32_t y2 = 0, m2 = 0, status = 0;
        if (cal != 'A') {
            ASSERT_EQ(mibrexw_month_index(cal, ny, nm, &index), 0);
            ASSERT_EQ(mibrexw_month_of_index(cal, index - 1, &y2, &m2), 0);
            ASSERT_EQ(std::tie(y2, m2), std::tie(y, m)) << cal << " " << y << "-" << m;
        }
        const int32_t fy = i % 2 ? years(rng) : any(rng), fm = i % 5 ? near(rng) : any(rng),
                      fd = i % 7 ? near(rng) : any(rng), fjdn = Jdn(cal, fy, fm, fd, &status);
        ASSERT_TRUE(status == 0 || status == -1 || status == -5) << status;
        ASSERT_TRUE(status != 0 || FromJdn(cal, fjdn) == Date(fy, fm, fd))
            << cal << fy << "-" << fm;
        accepted += status == 0 ? 1 : 0;
        const int32_t r = mibrexw_month_of_index(cal, ordinal(rng) >> (i % 40), &y2, &m2);
        ASSERT_TRUE(r == 0 ? m2 >= 1 && m2 <= mibrexw_months_in_year(cal, y2) : r == -1 || r == -5);
    }
    EXPECT_GT(accepted, 1000);
}

// The published first and last years are those of the range's ends; a day beyond them is
// out of range, and a year beyond int32's days saturates.
TEST(Calendars, RangeEndsAndRefusals) {
    const int32_t bounds[] = {
        MIBREXW_GREGORIAN_FIRST_YEAR, MIBREXW_GREGORIAN_LAST_YEAR,    MIBREXW_JULIAN_FIRST_YEAR,
        MIBREXW_JULIAN_LAST_YEAR,     MIBREXW_ANNUS_NOVUS_FIRST_YEAR, MIBREXW_ANNUS_NOVUS_LAST_YEAR,
        MIBREXW_HEBREW_FIRST_YEAR,    MIBREXW_HEBREW_LAST_YEAR,       MIBREXW_ISLAMIC_FIRST_YEAR,
        MIBREXW_ISLAMIC_LAST_YEAR,    MIBREXW_PERSIAN_FIRST_YEAR,     MIBREXW_PERSIAN_LAST_YEAR,
        MIBREXW_COPTIC_FIRST_YEAR,    MIBREXW_COPTIC_LAST_YEAR,       MIBREXW_ETHIOPIC_FIRST_YEAR,
        MIBREXW_ETHIOPIC_LAST_YEAR,   MIBREXW_INDIAN_FIRST_YEAR,      MIBREXW_INDIAN_LAST_YEAR,
        MIBREXW_FRENCH_FIRST_YEAR,    MIBREXW_FRENCH_LAST_YEAR,       MIBREXW_ISO_WEEK_FIRST_YEAR,
        MIBREXW_ISO_WEEK_LAST_YEAR};
    int32_t status = 0;
    for (int c = 0; c < 11; ++c) {
        const char cal = kLetters[c];
        for (const int32_t end : {MIBREXW_SMALLEST_DAY_NUMBER, MIBREXW_LARGEST_DAY_NUMBER}) {
            const auto [y, m, d] = FromJdn(cal, end);
            EXPECT_EQ(y, bounds[2 * c + (end > 0 ? 1 : 0)]) << cal;
            EXPECT_EQ(Jdn(cal, y, m, d, &status), end);
            EXPECT_EQ(status, 0) << cal;
            const int32_t beyond = end > 0 ? d + 1 : d - 1;
            if (beyond >= 1 && beyond <= mibrexw_days_in_month(cal, y, m)) {
                Jdn(cal, y, m, beyond, &status);
                EXPECT_EQ(status, -5) << cal;
            }
        }
        EXPECT_EQ(Jdn(cal, INT32_MAX, 1, 1, &status), INT32_MAX);
        EXPECT_EQ(status, -5);
        EXPECT_EQ(Jdn(cal, INT32_MIN, 1, 1, &status), INT32_MIN);
        EXPECT_EQ(status, -5);
    }
    DateRecord r{1, 1, 1, 'Q', 0, 0};
    int64_t index = 0;
    int32_t y = 0, m = 0;
    EXPECT_EQ(mibrexw_jdn_to_date(&r) + mibrexw_date_to_jdn(&r) + mibrexw_months_in_year('Q', 1) +
                  mibrexw_month_index('A', 1, 1, &index) +
                  mibrexw_month_of_index('H', int64_t{1} << 41, &y, &m),
              -8);
    EXPECT_EQ(mibrexw_month_of_index('G', int64_t{12} * INT32_MAX + 12, &y, &m), -5);
    // Long Counts: places beyond their bases refused, the baktuns of the range's ends.
    int32_t jdn = 7;
    for (const LongCount& bad : {LongCount{0, {1, 20, 0, 0, 0}}, LongCount{0, {1, 0, 0, 18, 0}},
                                 LongCount{2, {1, 0, 0, 0, 0}}, LongCount{0, {-1, 0, 0, 0, 0}},
                                 LongCount{1, {0, 0, 0, 0, 20}}})
        EXPECT_EQ(mibrexw_long_count_to_jdn(&bad, &jdn), -1);
    EXPECT_EQ(jdn, 7);
    EXPECT_EQ(mibrexw_jdn_to_long_count(0, nullptr), -1);
    LongCount c{};
    ASSERT_EQ(mibrexw_jdn_to_long_count(MIBREXW_SMALLEST_DAY_NUMBER, &c), 0);
    EXPECT_EQ(-c.place[0], MIBREXW_LONG_COUNT_FIRST_BAKTUN);
    ASSERT_EQ(mibrexw_jdn_to_long_count(MIBREXW_LARGEST_DAY_NUMBER, &c), 0);
    EXPECT_EQ(c.place[0], MIBREXW_LONG_COUNT_LAST_BAKTUN);
}

// ---- Published dates ------------------------------------------------------------------------
// A day in one notation, with its status: M [-]b.k.t.u.k (a Long Count), JDN n, or LETTER
// year month day (an accepted date must come back the same).
int32_t ReadDay(std::istringstream& in, int32_t& status) {
    std::string letter, text;
    int32_t y = 0, m = 0, d = 0, jdn = 0;
    in >> letter;
    if (letter == "JDN") {
        in >> jdn;
    } else if (letter == "M") {
        in >> text;
        LongCount c{text[0] == '-' ? 1 : 0, {}};
        std::sscanf(text.c_str() + c.negative, "%d.%d.%d.%d.%d", &c.place[0], &c.place[1],
                    &c.place[2], &c.place[3], &c.place[4]);
        status = mibrexw_long_count_to_jdn(&c, &jdn);
    } else {
        in >> y >> m >> d;
        jdn = Jdn(letter[0], y, m, d, &status);
        EXPECT_TRUE(status != 0 || FromJdn(letter[0], jdn) == Date(y, m, d)) << letter << y;
    }
    return jdn;
}

// Each line: a date = the same day in another notation, or a date = its status (-1 refused,
// -5 beyond the day numbers); '#' starts a comment.
TEST(Calendars, PublishedConcordances) {
    std::ifstream file(ORV_CALENDAR_DATA "/concordances.txt");
    ASSERT_TRUE(file) << ORV_CALENDAR_DATA;
    int lines = 0;
    for (std::string line; std::getline(file, line);) {
        line = line.substr(0, line.find('#'));
        if (line.find('=') == std::string::npos) continue;
        ++lines;
        std::istringstream left(line.substr(0, line.find('='))),
            right(line.substr(line.find('=') + 1));
        int32_t status = 0, expected = 0, rightStatus = 0;
        const int32_t jdn = ReadDay(left, status);
        if (right >> expected) {
            EXPECT_EQ(status, expected) << line;
        } else {
            right.clear();
            EXPECT_EQ(jdn, ReadDay(right, rightStatus)) << line;
            EXPECT_EQ(status + rightStatus, 0) << line;
        }
    }
    EXPECT_GE(lines, 50);
}

} // namespace
