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

// The rows of a table, split at blanks, without comments and blank lines; <empty>, <space>
// and \n stand for themselves inside a word.
std::vector<Row> Rows(const std::string& name) {
    static const std::pair<std::string, std::string> kMarks[] = {
        {"<empty>", ""}, {"<space>", " "}, {"\\n", "\n"}};
    std::ifstream file(std::string(ORV_JOBS_DATA) + "/" + name);
    EXPECT_TRUE(file) << name;
    std::vector<Row> rows;
    for (std::string line; std::getline(file, line);) {
        std::istringstream words(line);
        Row row;
        for (std::string word; words >> word; row.push_back(word))
            for (const auto& [mark, text] : kMarks)
                for (size_t at = word.find(mark); at != std::string::npos; at = word.find(mark))
                    word.replace(at, mark.size(), text);
        if (!row.empty() && row[0][0] != '#') rows.push_back(row);
    }
    return rows;
}

// A table's date ("2000-01-31", "-0044-03-15"; a bare day number for N) as a JDN, by the
// library's own conversions.
int32_t Jdn(const std::string& calendar, const std::string& text) {
    DateRecord rec{0, 0, 0, calendar[0], 0, 0};
    if (calendar == "N") return std::stoi(text);
    EXPECT_EQ(std::sscanf(text.c_str(), "%d-%d-%d", &rec.year, &rec.month, &rec.day), 3) << text;
    EXPECT_EQ(mibrexw_date_to_jdn(&rec), 0) << text;
    return rec.jdn;
}

int32_t Letter(const std::string& calendar) {
    return calendar == "N" ? 'G' : calendar[0];
}

} // namespace

// A span or a weekday list read and written back in its canonical form, or its error.
TEST(DateJobs, SpansAndWeekdaysReadBack) {
    static const std::array<std::string, 8> kSpanErrors = {
        "",          "!empty",        "!noDigits",     "!tooManyDigits",
        "!tooLarge", "!badCharacter", "!repeatedUnit", "!missingUnit"};
    for (const Row& row : Rows("span_text.txt")) {
        Span span;
        const auto error = static_cast<size_t>(ParseSpan(row[0], span));
        EXPECT_EQ(error == 0 ? SpanText(span) : kSpanErrors.at(error), row[1]) << row[0];
    }
    static const std::array<std::string, 3> kWeekdayErrors = {"", "!unknownName", "!repeated"};
    for (const Row& row : Rows("weekday_text.txt")) {
        WeekdaySet set = 0;
        const auto error = static_cast<size_t>(ParseWeekdays(row[0], set));
        EXPECT_EQ(error == 0 ? WeekdaysText(set) : kWeekdayErrors.at(error), row[1]) << row[0];
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
        const std::string expected =
            row[3][0] == '!' ? row[3] : std::to_string(Jdn(row[0], row[3]));
        EXPECT_EQ(status == AddStatus::ok           ? std::to_string(result)
                  : status == AddStatus::outOfRange ? "!out"
                                                    : "!calendar",
                  expected)
            << row[0] << " " << row[1] << " + " << row[2];
    }
}

TEST(DateJobs, Sequences) {
    for (const Row& row : Rows("sequences.txt")) {
        Span step;
        ASSERT_EQ(ParseSpan(row[3], step), SpanError::none);
        WeekdaySet only = kAllWeekdays;
        ASSERT_TRUE(row[4] == "all" || ParseWeekdays(row[4], only) == WeekdayError::none);
        DateSequence sequence(Letter(row[0]), Jdn(row[0], row[1]), Jdn(row[0], row[2]), step, only);
        std::vector<int32_t> expected, written;
        for (size_t i = 5; i < row.size(); ++i)
            expected.push_back(Jdn(row[0], row[i]));
        for (int32_t jdn = 0; written.size() <= expected.size() && sequence.Next(jdn);)
            written.push_back(jdn);
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
    const auto sunday = [](char letter, int64_t year) {
        DateRecord rec{0, 0, 0, letter, 0, 0};
        const bool ok =
            letter == 'G' ? GregorianEaster(year, rec.jdn) : JulianEaster(year, rec.jdn);
        jdn_to_euro_date(&rec);
        return ok && euro_day_of_week(rec.jdn) == 0 ? rec.month * 100 + rec.day : 0;
    };
    std::mt19937_64 random(18);
    for (const auto& [letter, cycle] : {std::pair{'G', int64_t{5700000}}, {'J', int64_t{532}}}) {
        std::uniform_int_distribution<int64_t> years(-5750000, 5740000 - cycle);
        for (int i = 0; i < 20000; ++i) {
            const int64_t year = i == 0 ? -5750000 : i == 1 ? 5740000 - cycle : years(random);
            ASSERT_NE(sunday(letter, year), 0) << letter << year;
            ASSERT_EQ(sunday(letter, year), sunday(letter, year + cycle)) << letter << year;
        }
    }
    int32_t jdn = 0;
    EXPECT_FALSE(GregorianEaster(5800000, jdn));
    EXPECT_FALSE(JulianEaster(-5800000, jdn));
}

// ISO weeks against the library's week dates, which tools/verify_calendars walks over the
// whole range: random days and the range's ends, and week 53 only in the years that have it.
TEST(DateJobs, IsoWeeksAgreeWithTheLibrary) {
    std::mt19937 random(8601);
    std::uniform_int_distribution<int32_t> days(kSmallestDay, kLargestDay);
    for (int i = 0; i < 100000; ++i) {
        const int32_t day = i == 0 ? kSmallestDay : i == 1 ? kLargestDay : days(random);
        DateRecord rec{0, 0, 0, 'W', day, 0};
        mibrexw_jdn_to_date(&rec);
        const IsoWeekDate iso = IsoWeekOf(day);
        ASSERT_EQ((std::array{iso.year, iso.week, iso.weekday}),
                  (std::array{rec.year, rec.month, rec.day}))
            << day;
        int32_t back = 0;
        ASSERT_TRUE(IsoWeekToJdn(iso, back));
        ASSERT_EQ(back, day);
        const bool longYear = mibrexw_months_in_year('W', iso.year) == 53;
        ASSERT_TRUE(i < 2 || IsoWeekToJdn({iso.year, 53, 1}, back) == longYear) << iso.year;
    }
    int32_t unused = 0;
    EXPECT_FALSE(IsoWeekToJdn(IsoWeekOf(kSmallestDay - 1), unused));
    EXPECT_FALSE(IsoWeekToJdn(IsoWeekOf(kLargestDay + 1), unused));
}

// Layouts; the refused ones are in orv's transcripts (tests/data/orv_jobs.txt).
TEST(DateJobs, Layouts) {
    FormatNames names;
    names.code = "CE";
    names.weekday = [](int32_t jdn) { return jdn == 2461382 ? "Monday" : "?"; };
    names.month = [](int32_t, int32_t month) { return month == 12 ? "December" : "?"; };
    for (const Row& row : Rows("format.txt")) {
        names.letter = row[0][0];
        DateFormat format;
        ASSERT_EQ(format.Compile(row[2], names), FormatError::none) << row[2];
        std::string text = "kept:";
        format.Write(Jdn(row[0], row[1]), text);
        EXPECT_EQ(text, "kept:" + row[3]) << row[2];
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
        std::vector<int32_t> holidays(random() % 60);
        for (int32_t& day : holidays)
            day = base + near(random);
        const WorkCalendar calendar(weekend, holidays);
        const auto isWorkday = [&](int32_t day) {
            const bool holiday = std::find(holidays.begin(), holidays.end(), day) != holidays.end();
            return ((weekend >> ((day + 1) % 7 + 7) % 7) & 1) == 0 && !holiday;
        };
        const int32_t from = base + near(random);
        const int32_t to = base + near(random);
        int64_t count = 0;
        for (int32_t day = std::min(from, to); day < std::max(from, to); ++day)
            count += isWorkday(day) ? 1 : 0;
        ASSERT_EQ(calendar.Count(from, to), from <= to ? count : -count) << round;

        const int32_t n = near(random) / 4, direction = n < 0 ? -1 : 1;
        int32_t day = from;
        while (!isWorkday(day))
            day += direction;
        for (int32_t left = n < 0 ? -n : n; left > 0; left -= isWorkday(day) ? 1 : 0)
            day += direction;
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
