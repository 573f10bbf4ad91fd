// The date jobs (spans, sequences, working days, Easter, ISO weeks, layouts) against the
// hand-written tables in tests/data/jobs, and working days against a day-by-day count.
#include "calendar/DateFormat.h"
#include "calendar/DateSequence.h"
#include "calendar/DateSpan.h"
#include "calendar/Easter.h"
#include "calendar/IsoWeek.h"
#include "calendar/Workdays.h"
#include "mibrexw.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace DateJobs;

namespace {

using Row = std::vector<std::string>;

std::string Unescape(std::string token) {
    for (const auto& [mark, text] :
         {std::pair<std::string, std::string>{"<empty>", ""}, {"<space>", " "}, {"\\n", "\n"}}) {
        for (size_t at = token.find(mark); at != std::string::npos; at = token.find(mark, at)) {
            token.replace(at, mark.size(), text);
            at += text.size();
        }
    }
    return token;
}

// The rows of a table, split at blanks, without comments and blank lines.
std::vector<Row> Rows(const std::string& name) {
    std::ifstream file(std::string(ORV_JOBS_DATA) + "/" + name);
    EXPECT_TRUE(file) << name;
    std::vector<Row> rows;
    for (std::string line; std::getline(file, line);) {
        std::istringstream words(line);
        Row row;
        for (std::string word; words >> word;) {
            row.push_back(Unescape(word));
        }
        if (!row.empty() && row[0][0] != '#') {
            rows.push_back(row);
        }
    }
    return rows;
}

// A table's date ("2000-01-31", "-0044-03-15"; a bare day number for N) as a JDN, by the
// library's own conversions.
int32_t Jdn(const std::string& calendar, const std::string& text) {
    if (calendar == "N") {
        return std::stoi(text);
    }
    DateRecord rec{0, 0, 0, calendar[0], 0, 0};
    EXPECT_EQ(std::sscanf(text.c_str(), "%d-%d-%d", &rec.year, &rec.month, &rec.day), 3) << text;
    return calendar == "A" ? annus_novus_date_to_jdn(&rec) : euro_date_to_jdn(&rec);
}

int32_t Letter(const std::string& calendar) {
    return calendar == "N" ? 'G' : calendar[0];
}

const std::array<const char*, 8> kSpanErrors = {"none",          "empty",      "noDigits",
                                                "tooManyDigits", "tooLarge",   "badCharacter",
                                                "repeatedUnit",  "missingUnit"};

} // namespace

TEST(DateJobs, SpanTexts) {
    for (const Row& row : Rows("span_text.txt")) {
        Span span;
        const SpanError error = ParseSpan(row[0], span);
        if (row[1][0] == '!') {
            EXPECT_EQ(kSpanErrors.at(static_cast<size_t>(error)), row[1].substr(1)) << row[0];
            continue;
        }
        ASSERT_EQ(error, SpanError::none) << row[0];
        EXPECT_EQ(SpanText(span), row[1]) << row[0];
    }
}

TEST(DateJobs, SpanAddition) {
    for (const Row& row : Rows("span_add.txt")) {
        Span span;
        ASSERT_EQ(ParseSpan(row[2], span), SpanError::none) << row[2];
        int32_t result = 0;
        const int32_t from = Jdn(row[0], row[1]);
        const AddStatus status = row[0] == "N" ? AddSpanToDayNumber(from, span, result)
                                               : AddSpan(Letter(row[0]), from, span, result);
        const std::string what = row[0] + " " + row[1] + " + " + row[2];
        if (row[3] == "!out" || row[3] == "!calendar") {
            EXPECT_EQ(status, row[3] == "!out" ? AddStatus::outOfRange : AddStatus::calendarNeeded)
                << what;
        } else {
            ASSERT_EQ(status, AddStatus::ok) << what;
            EXPECT_EQ(result, Jdn(row[0], row[3])) << what;
        }
    }
}

TEST(DateJobs, WeekdayLists) {
    for (const Row& row : Rows("weekday_text.txt")) {
        WeekdaySet set = 0;
        const WeekdayError error = ParseWeekdays(row[0], set);
        if (row[1][0] == '!') {
            EXPECT_EQ(error,
                      row[1] == "!repeated" ? WeekdayError::repeated : WeekdayError::unknownName)
                << row[0];
        } else {
            ASSERT_EQ(error, WeekdayError::none) << row[0];
            EXPECT_EQ(WeekdaysText(set), row[1]) << row[0];
        }
    }
}

TEST(DateJobs, Sequences) {
    for (const Row& row : Rows("sequences.txt")) {
        Span step;
        ASSERT_EQ(ParseSpan(row[3], step), SpanError::none);
        WeekdaySet only = kAllWeekdays;
        ASSERT_TRUE(row[4] == "all" || ParseWeekdays(row[4], only) == WeekdayError::none);
        DateSequence sequence(Letter(row[0]), Jdn(row[0], row[1]), Jdn(row[0], row[2]), step, only);
        std::vector<int32_t> expected;
        for (size_t i = 5; i < row.size(); ++i) {
            expected.push_back(Jdn(row[0], row[i]));
        }
        std::vector<int32_t> written;
        for (int32_t jdn = 0; sequence.Next(jdn) && written.size() <= expected.size();) {
            written.push_back(jdn);
        }
        EXPECT_EQ(written, expected) << row[1] << " " << row[2] << " " << row[3];
    }
}

TEST(DateJobs, StepsThatCannotStep) {
    const auto check = [](const char* text, bool dayNumbers) {
        Span step;
        EXPECT_EQ(ParseSpan(text, step), SpanError::none);
        return CheckStep(step, dayNumbers);
    };
    EXPECT_EQ(check("0d", false), StepError::zero);
    EXPECT_EQ(check("1m-1d", false), StepError::mixedSigns);
    EXPECT_EQ(check("1m", true), StepError::calendarNeeded);
    EXPECT_EQ(check("-1w", true), StepError::none);
}

TEST(DateJobs, EasterTables) {
    for (const Row& row : Rows("easter.txt")) {
        int32_t jdn = 0;
        const int64_t year = std::stoll(row[1]);
        ASSERT_TRUE(row[0] == "G" ? GregorianEaster(year, jdn) : JulianEaster(year, jdn));
        EXPECT_EQ(jdn, Jdn(row[0], row[1] + "-" + row[2] + "-" + row[3])) << row[0] << row[1];
    }
}

// The Gregorian dates repeat every 5,700,000 years and the Julian every 532: over the whole
// range (years before 1 and the range's ends included) a year and its later twin agree.
TEST(DateJobs, EasterCyclesOverTheRange) {
    std::mt19937_64 random(18);
    for (const auto& [letter, cycle] : {std::pair{'G', int64_t{5700000}}, {'J', int64_t{532}}}) {
        std::uniform_int_distribution<int64_t> years(-5760000, 5760000 - cycle);
        int checked = 0;
        for (int i = 0; i < 20000; ++i) {
            const int64_t year = years(random);
            std::array<DateRecord, 2> recs{};
            bool inRange = true;
            for (size_t k = 0; k < 2; ++k) {
                const int64_t y = year + static_cast<int64_t>(k) * cycle;
                inRange = inRange && (letter == 'G' ? GregorianEaster(y, recs[k].jdn)
                                                    : JulianEaster(y, recs[k].jdn));
                recs[k].calendar = letter;
                jdn_to_euro_date(&recs[k]);
            }
            if (inRange) {
                ++checked;
                EXPECT_EQ(recs[0].month * 100 + recs[0].day, recs[1].month * 100 + recs[1].day)
                    << letter << year;
                EXPECT_EQ(euro_day_of_week(recs[0].jdn), 0) << letter << year;
            }
        }
        EXPECT_GT(checked, 15000);
    }
    int32_t jdn = 0;
    EXPECT_FALSE(GregorianEaster(5800000, jdn));
    EXPECT_FALSE(JulianEaster(-5800000, jdn));
}

// Week 1 holds the year's first Thursday; the weeks run Monday to Sunday up to the next
// year's week 1. Walked day by day over years spread through the range.
TEST(DateJobs, IsoWeeksByTheDefinition) {
    const auto firstMonday = [](int32_t year) {
        DateRecord rec{year, 1, 1, 'G', 0, 0};
        int32_t day = euro_date_to_jdn(&rec);
        while (euro_day_of_week(day) != 4) {
            ++day;
        }
        return day - 3;
    };
    for (int32_t year = -5740000; year <= 5740000; year += 28700 + (year & 7)) {
        const int32_t next = firstMonday(year + 1);
        for (int32_t day = firstMonday(year); day < next; ++day) {
            const int32_t week = (day - firstMonday(year)) / 7 + 1;
            const int32_t weekday = (euro_day_of_week(day) + 6) % 7 + 1;
            const IsoWeekDate iso = IsoWeekOf(day);
            ASSERT_EQ((std::array{iso.year, iso.week, iso.weekday}),
                      (std::array{year, week, weekday}))
                << day;
            int32_t back = 0;
            ASSERT_TRUE(IsoWeekToJdn(iso, back));
            ASSERT_EQ(back, day);
        }
        int32_t unused = 0;
        EXPECT_FALSE(IsoWeekToJdn({year, (next - firstMonday(year)) / 7 + 1, 1}, unused)) << year;
    }
}

TEST(DateJobs, Layouts) {
    static const std::array<const char*, 7> kDays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                     "Thursday", "Friday", "Saturday"};
    FormatNames names;
    names.code = "CE";
    names.weekday = [](int32_t jdn) {
        return kDays.at(static_cast<size_t>(euro_day_of_week(jdn)));
    };
    names.month = [](int32_t, int32_t month) { return month == 12 ? "December" : "?"; };
    for (const Row& row : Rows("format.txt")) {
        names.letter = row[0][0];
        DateFormat format;
        ASSERT_EQ(format.Compile(row[2], names), FormatError::none) << row[2];
        std::string text = "kept:";
        format.Write(Jdn(row[0], row[1]), text);
        EXPECT_EQ(text, "kept:" + row[3]) << row[2];
    }
    for (const Row& row : Rows("format_errors.txt")) {
        FormatNames given = row[0] == "yes" ? names : FormatNames{};
        DateFormat format;
        const std::array<const char*, 5> kErrors = {"none", "unknownField", "trailingPercent",
                                                    "noWeekdayNames", "noMonthNames"};
        EXPECT_EQ(kErrors.at(static_cast<size_t>(format.Compile(row[1], given))), row[2]) << row[1];
    }
}

// Working days against the plain day-by-day count and walk, with random weekends and
// holidays (some on weekend days, some repeated) over random ranges.
TEST(DateJobs, WorkdaysAgainstDayByDay) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int32_t> near(-600, 600);
    for (int round = 0; round < 300; ++round) {
        const int32_t base =
            std::uniform_int_distribution<int32_t>(-2099990000, 2099990000)(random);
        const auto weekend = static_cast<WeekdaySet>(random() % 127);
        std::vector<int32_t> holidays;
        for (auto n = random() % 60; n > 0; --n) {
            holidays.push_back(base + near(random));
        }
        const WorkCalendar calendar(weekend, holidays);
        const auto isWorkday = [&](int32_t day) {
            const bool holiday = std::find(holidays.begin(), holidays.end(), day) != holidays.end();
            return ((weekend >> ((day + 1) % 7 + 7) % 7) & 1) == 0 && !holiday;
        };
        const int32_t from = base + near(random);
        const int32_t to = base + near(random);
        int64_t count = 0;
        for (int32_t day = std::min(from, to); day < std::max(from, to); ++day) {
            count += isWorkday(day) ? 1 : 0;
        }
        ASSERT_EQ(calendar.Count(from, to), from <= to ? count : -count) << round;

        const int32_t n = near(random) / 4;
        const int32_t direction = n < 0 ? -1 : 1;
        int32_t day = from;
        while (!isWorkday(day)) {
            day += direction;
        }
        for (int32_t left = n < 0 ? -n : n; left > 0; left -= isWorkday(day) ? 1 : 0) {
            day += direction;
        }
        int32_t result = 0;
        ASSERT_TRUE(calendar.Offset(from, n, result)) << round;
        ASSERT_EQ(result, day) << round << " n " << n;
    }
    // The whole range: 4,200,000,000 days are 600,000,000 weeks, the first day a Monday.
    EXPECT_EQ(WorkCalendar().Count(kSmallestDay, kLargestDay), 3000000000);
    EXPECT_EQ(WorkCalendar(kSaturdaySunday, {0, 1, 5}).Count(kLargestDay, kSmallestDay),
              -2999999998);
    int32_t friday = 0;
    ASSERT_TRUE(WorkCalendar().Offset(kSmallestDay, 2999999999, friday));
    EXPECT_EQ(friday, 2099999997);
    int32_t unused = 0;
    EXPECT_FALSE(WorkCalendar(kAllWeekdays).Offset(0, 1, unused));
    EXPECT_FALSE(WorkCalendar().Offset(2099999990, 100, unused));
}
