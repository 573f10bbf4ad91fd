#include "calendar/DatePr2.h"

#include <algorithm>
#include <array>
#include <ctime>
#include <limits>
#include <utility>

namespace DatePr2 {

namespace {

const std::array<std::string, 6> annusNovusDayName = {"Intercalarius", "Primidi",  "Secundi",
                                                      "Tertidi",       "Quartidi", "Quintidi"};

NowFunction& NowOverride() {
    static NowFunction now;
    return now;
}

} // namespace

LocalNow LocalNowAt(std::time_t t) {
    std::tm local{};
    // localtime_r keeps the zone it first read; tzset looks again (TZ, /etc/localtime), so the
    // clock follows a zone changed while the program runs.
    tzset();
    localtime_r(&t, &local);
    LocalNow n;
    n.year = local.tm_year + 1900;
    n.month = local.tm_mon + 1;
    n.day = local.tm_mday;
    n.hour = local.tm_hour;
    n.minute = local.tm_min;
    n.second = local.tm_sec;
    return n;
}

namespace {

// Whole seconds from the clock: a count of nanoseconds in 64 bits ends in April 2262.
LocalNow SystemNow() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return LocalNowAt(now.tv_sec);
}

// Year lengths, month lengths, days of the year and the parts of a breakdown all fit
// 16 bits for valid dates; anything else would come from an invalid record, which the
// library already reports through its error, so the value is clamped rather than wrapped.
int16_t ToShort(int64_t v) {
    return static_cast<int16_t>(std::clamp<int64_t>(v, std::numeric_limits<int16_t>::min(),
                                                    std::numeric_limits<int16_t>::max()));
}

int32_t ToInt(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

DateRecord RecordOf(const LocalNow& now) {
    DateRecord rec{};
    rec.year = now.year;
    rec.month = now.month;
    rec.day = now.day;
    rec.calendar = letterGregorian;
    return rec;
}

// Intercalarius (month 11) is the one-day tail of Decimus for the breakdown, the way
// DaysInMonth counts it; otherwise a difference starting or ending on it loses that day.
void FoldIntercalarius(DateRecord& rec) {
    if (rec.calendar == letterAnnusNovus && rec.month == 11) {
        rec.month = 10;
        rec.day = 37 + rec.day;
    }
}

std::string ZeroPadded(int64_t value, std::size_t width) {
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? -value : value);
    if (digits.size() < width) {
        digits.insert(0, width - digits.size(), '0');
    }
    return negative ? "-" + digits : digits;
}

} // namespace

void SetNow(NowFunction now) {
    NowOverride() = std::move(now);
}

LocalNow Now() {
    const NowFunction& now = NowOverride();
    return now ? now() : SystemNow();
}

bool InDayNumberRange(int32_t jdn) {
    return jdn >= smallestDayNumber && jdn <= largestDayNumber;
}

void JDNToDate(DateRecord& rec) {
    if (!InOlderFunctions(rec.calendar)) {
        mibrexw_jdn_to_date(&rec);
    } else if (rec.calendar == letterAnnusNovus) {
        jdn_to_annus_novus_date(&rec);
    } else {
        jdn_to_euro_date(&rec);
    }
}

int16_t EuroDayOfWeek(int32_t jdn) {
    return static_cast<int16_t>(euro_day_of_week(jdn));
}

std::string AnnusNovusWeekdayName(int32_t jdn) {
    DateRecord rec{};
    rec.jdn = jdn;
    const auto weekday = jdn_to_annus_novus_date(&rec);
    if (weekday < 0 || static_cast<std::size_t>(weekday) >= annusNovusDayName.size()) return {};
    return annusNovusDayName[static_cast<std::size_t>(weekday)];
}

namespace {

// The day of the year of rec.jdn, its date left in rec (Gregorian unless Julian).
int16_t DayOfGregorianYear(DateRecord& rec) {
    jdn_to_euro_date(&rec);
    DateRecord s{};
    s.year = rec.year;
    s.month = 1;
    s.day = 1;
    s.calendar = letterGregorian;
    euro_date_to_jdn(&s);
    return ToShort(int64_t{rec.jdn} - s.jdn + 1);
}

} // namespace

int32_t TodaysJDN() {
    return TodaysJDN(Now());
}

int32_t TodaysJDN(const LocalNow& now) {
    DateRecord rec = RecordOf(now);
    return euro_date_to_jdn(&rec);
}

namespace {

// The days of the Gregorian year rec.year; error := 1 and 0 for the largest year.
int16_t DaysInYear(const DateRecord& rec, int32_t& error) {
    if (rec.year == std::numeric_limits<int32_t>::max()) {
        error = 1; // the following year has no number
        return 0;
    }
    DateRecord a{};
    a.year = rec.year;
    a.month = 1;
    a.day = 1;
    DateRecord b{};
    b.year = rec.year + 1;
    b.month = 1;
    b.day = 1;
    return ToShort(days_elapsed(&b, &a, &error));
}

// The days of rec's month; Decimus counts Intercalarius with it. error := 1 and 0 when the
// next month has no year number.
int16_t DaysInMonth(const DateRecord& rec, int32_t& error) {
    const int32_t lastMonth = rec.calendar == letterAnnusNovus ? 10 : 12;
    DateRecord a{};
    a.calendar = rec.calendar;
    a.day = 1;
    if (rec.month >= lastMonth) {
        // Decimus runs to the next New Year, so it takes Intercalarius with it.
        if (rec.year == std::numeric_limits<int32_t>::max()) {
            error = 1;
            return 0;
        }
        a.year = rec.year + 1;
        a.month = 1;
    } else {
        a.year = rec.year;
        a.month = rec.month + 1;
    }
    DateRecord b{};
    b.calendar = rec.calendar;
    b.year = rec.year;
    b.month = rec.month;
    b.day = 1;
    return ToShort(days_elapsed(&a, &b, &error));
}

} // namespace

void YearsMonthsDaysBetween(const DateRecord& earlier, const DateRecord& later, int32_t& years,
                            int16_t& months, int16_t& days, int32_t& error) {
    DateRecord e = earlier;
    DateRecord l = later;
    FoldIntercalarius(e);
    FoldIntercalarius(l);
    const int32_t monthsPerYear = earlier.calendar == letterAnnusNovus ? 10 : 12;

    const bool dayBehind = l.day < e.day;
    int64_t y = int64_t{l.year} - e.year;
    if (l.month < e.month || (l.month == e.month && dayBehind)) {
        --y;
    }
    int64_t m = int64_t{l.month} - e.month;
    if (dayBehind) {
        --m;
    }
    if (m < 0) {
        m += monthsPerYear;
    }
    int64_t d = int64_t{l.day} - e.day;
    if (d < 0) {
        // Borrow the month before the later date's month. The earlier date moved forward by
        // the whole years and months lands in that month, its day clamped to the month's
        // length; counting from there keeps a late day (the 31st before a short month)
        // from turning the days zero or negative.
        DateRecord t = l;
        if (t.month <= 1) {
            t.month = monthsPerYear;
            t.year = ToInt(int64_t{t.year} - 1);
        } else {
            t.month = t.month - 1;
        }
        const int64_t monthLength = DaysInMonth(t, error);
        d = int64_t{l.day} - std::min<int64_t>(e.day, monthLength) + monthLength;
    }
    if (y < std::numeric_limits<int32_t>::min() || y > std::numeric_limits<int32_t>::max()) {
        error = 1;
    }
    years = ToInt(y);
    months = ToShort(m);
    days = ToShort(d);
}

void YearsDaysBetween(DateRecord& earlier, DateRecord& later, int32_t& years, int16_t& days,
                      int32_t& error) {
    const int64_t d1 = DayOfGregorianYear(earlier);
    const int64_t d2 = DayOfGregorianYear(later);
    int64_t y = int64_t{later.year} - earlier.year;
    int64_t d = d2 - d1;
    if (d < 0) {
        --y;
        DateRecord t = later;
        t.year = ToInt(int64_t{later.year} - 1);
        const int64_t yearLength = DaysInYear(t, error);
        // As with months: day 366 moved into a common year is its day 365, so a year from
        // 31 December of a leap year still leaves the days after it.
        d = d2 - std::min(d1, yearLength) + yearLength;
    }
    if (y < std::numeric_limits<int32_t>::min() || y > std::numeric_limits<int32_t>::max()) {
        error = 1;
    }
    years = ToInt(y);
    days = ToShort(d);
}

std::string YyyydddText(int32_t jdn) {
    if (jdn < firstYyyydddDay || jdn > lastYyyydddDay) {
        return {};
    }
    return GregorianYearDayText(jdn);
}

std::string GregorianYearDayText(int32_t jdn) {
    DateRecord rec{};
    rec.jdn = jdn;
    rec.calendar = letterGregorian;
    const int16_t day = DayOfGregorianYear(rec);
    return ZeroPadded(rec.year, 4) + ZeroPadded(day, 3);
}

} // namespace DatePr2
