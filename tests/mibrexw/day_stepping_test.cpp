// The conversions against a deliberately simple oracle that knows only month lengths and
// leap rules and steps one day at a time, over long spans in both directions.
#include "mibrexw.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>

namespace {

bool GregorianLeap(int64_t y) {
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}
bool JulianLeap(int64_t y) {
    return y % 4 == 0;
}

int MonthLength(char calendar, int64_t year, int month) {
    static constexpr int kDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    switch (calendar) {
    case 'A':
        if (month == 11) {
            return GregorianLeap(year - 8519) ? 1 : 0;
        }
        return month % 2 == 1 ? 36 : 37;
    case 'J':
        return month == 2 && JulianLeap(year) ? 29 : kDays[month];
    default:
        return month == 2 && GregorianLeap(year) ? 29 : kDays[month];
    }
}

int MonthsInYear(char calendar) {
    return calendar == 'A' ? 11 : 12;
}

struct SteppedDate {
    char calendar;
    int64_t year;
    int month;
    int day;

    void Next() {
        if (++day <= MonthLength(calendar, year, month)) {
            return;
        }
        day = 1;
        do { // skips an empty Intercalarius
            if (++month > MonthsInYear(calendar)) {
                month = 1;
                ++year;
            }
        } while (MonthLength(calendar, year, month) == 0);
    }

    void Previous() {
        if (--day >= 1) {
            return;
        }
        do {
            if (--month < 1) {
                month = MonthsInYear(calendar);
                --year;
            }
        } while (MonthLength(calendar, year, month) == 0);
        day = MonthLength(calendar, year, month);
    }
};

struct Walk {
    const char* name;
    int32_t startJdn;
    int64_t steps; // negative: backwards
    SteppedDate gregorian, julian, annusNovus;
    int weekday;           // 0 Sunday .. 6 Saturday at the start
    int annusNovusWeekday; // 1..5, 0 on Intercalarius
    SteppedDate expectedGregorianEnd;
};

void PrintTo(const Walk& w, std::ostream* os) {
    *os << w.name;
}

std::string Describe(const char* what, int64_t jdn, const DateRecord& got,
                     const SteppedDate& want) {
    std::ostringstream s;
    s << what << " at JDN " << jdn << ": library " << got.year << "-" << got.month << "-" << got.day
      << ", oracle " << want.year << "-" << want.month << "-" << want.day;
    return s.str();
}

// Compares every library function with the oracle on one day; empty when they agree.
std::string CheckDay(int32_t jdn, const SteppedDate& g, const SteppedDate& j, const SteppedDate& a,
                     int weekday, int anWeekday) {
    for (const SteppedDate* want : {&g, &j}) {
        DateRecord r{};
        r.calendar = want->calendar;
        r.jdn = jdn;
        jdn_to_euro_date(&r);
        if (r.year != want->year || r.month != want->month || r.day != want->day) {
            return Describe("jdn_to_euro_date", jdn, r, *want);
        }
        r.jdn = 0;
        if (euro_date_to_jdn(&r) != jdn) {
            return Describe("euro_date_to_jdn", jdn, r, *want);
        }
    }
    DateRecord r{};
    r.calendar = 'A';
    r.jdn = jdn;
    const int32_t w = jdn_to_annus_novus_date(&r);
    if (r.year != a.year || r.month != a.month || r.day != a.day || w != anWeekday) {
        return Describe("jdn_to_annus_novus_date", jdn, r, a) + " weekday " + std::to_string(w);
    }
    r.jdn = 0;
    if (annus_novus_date_to_jdn(&r) != jdn) {
        return Describe("annus_novus_date_to_jdn", jdn, r, a);
    }
    if (euro_day_of_week(jdn) != weekday) {
        return "euro_day_of_week at JDN " + std::to_string(jdn);
    }
    return {};
}

class DayStepping : public ::testing::TestWithParam<Walk> {};

TEST_P(DayStepping, EveryDayAgreesWithTheOracle) {
    Walk w = GetParam();
    int64_t jdn = w.startJdn;
    const int64_t direction = w.steps < 0 ? -1 : 1;
    const int64_t count = w.steps < 0 ? -w.steps : w.steps;
    int lastAnWeekday = w.annusNovusWeekday;
    int64_t checked = 0;
    for (int64_t i = 0;; ++i) {
        const std::string problem = CheckDay(static_cast<int32_t>(jdn), w.gregorian, w.julian,
                                             w.annusNovus, w.weekday, w.annusNovusWeekday);
        ASSERT_TRUE(problem.empty()) << problem;
        ++checked;
        if (i == count) {
            break;
        }
        jdn += direction;
        if (direction > 0) {
            w.gregorian.Next();
            w.julian.Next();
            w.annusNovus.Next();
            w.weekday = (w.weekday + 1) % 7;
        } else {
            w.gregorian.Previous();
            w.julian.Previous();
            w.annusNovus.Previous();
            w.weekday = (w.weekday + 6) % 7;
        }
        // 365 days are 73 whole weeks: the five-day week runs on across years and skips
        // Intercalarius.
        if (w.annusNovus.month == 11) {
            w.annusNovusWeekday = 0;
        } else {
            lastAnWeekday = direction > 0 ? lastAnWeekday % 5 + 1 : (lastAnWeekday + 3) % 5 + 1;
            w.annusNovusWeekday = lastAnWeekday;
        }
    }
    EXPECT_EQ(checked, count + 1);
    EXPECT_EQ(w.gregorian.year, w.expectedGregorianEnd.year);
    EXPECT_EQ(w.gregorian.month, w.expectedGregorianEnd.month);
    EXPECT_EQ(w.gregorian.day, w.expectedGregorianEnd.day);
}

INSTANTIATE_TEST_SUITE_P(Spans, DayStepping,
                         ::testing::Values(
                             // From 2000-01-01 back to JDN 0, which must land on -4712-01-01 JC.
                             Walk{"Y2000BackToJdn0",
                                  2451545,
                                  -2451545,
                                  {'G', 2000, 1, 1},
                                  {'J', 1999, 12, 19},
                                  {'A', 10519, 1, 1},
                                  6,
                                  1,
                                  {'G', -4713, 11, 24}},
                             Walk{"Y2000ForwardEightThousandYears",
                                  2451545,
                                  3000000,
                                  {'G', 2000, 1, 1},
                                  {'J', 1999, 12, 19},
                                  {'A', 10519, 1, 1},
                                  6,
                                  1,
                                  {'G', 10213, 9, 21}},
                             Walk{"DownFromInt32Max",
                                  INT32_MAX,
                                  -1500000,
                                  {'G', 5874898, 6, 3},
                                  {'J', 5874777, 10, 17},
                                  {'A', 5883417, 5, 8},
                                  2,
                                  4,
                                  {'G', 5870791, 7, 25}},
                             Walk{"UpFromInt32Min",
                                  INT32_MIN,
                                  1500000,
                                  {'G', -5884323, 5, 15},
                                  {'J', -5884202, 3, 16},
                                  {'A', -5875804, 4, 26},
                                  6,
                                  5,
                                  {'G', -5880216, 3, 25}}),
                         [](const ::testing::TestParamInfo<Walk>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
