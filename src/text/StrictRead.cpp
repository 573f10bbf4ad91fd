#include "text/StrictRead.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "calendar/DatePr2.h"
#include "calendar/IsoWeekText.h"
#include "mibrexw.h"

namespace StrictRead {

namespace {

// Numbers are read saturating at a value far beyond every bound, so any length is safe.
constexpr int64_t saturated = 1'000'000'000'000;
constexpr int64_t largestYear = 999'999'999; // the library's year limit: nine digits

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

struct Cursor {
    std::string_view text;
    std::size_t at = 0;
    bool AtEnd() const { return at == text.size(); }
    bool Take(char c) {
        if (AtEnd() || text[at] != c) return false;
        ++at;
        return true;
    }
};

// digits, or digits grouped by three with mark (0: no grouping); false when there are none.
bool ReadNumber(Cursor& c, char mark, int64_t& value) {
    value = 0;
    std::size_t run = 0; // digits since the start or the last mark
    bool grouped = false;
    while (!c.AtEnd()) {
        const char ch = c.text[c.at];
        if (IsDigit(ch)) {
            value = std::min(value * 10 + (ch - '0'), saturated);
            ++run;
        } else if (mark != 0 && ch == mark && run >= 1 && (grouped ? run == 3 : run <= 3)) {
            grouped = true;
            run = 0;
        } else {
            break;
        }
        ++c.at;
    }
    return run > 0 && (!grouped || run == 3);
}

// A month or a day: one or two digits.
bool ReadMonthDay(Cursor& c, int64_t& value) {
    const std::size_t start = c.at;
    if (!ReadNumber(c, 0, value)) return false;
    return c.at - start <= 2;
}

bool ReadLeadYear(Cursor& c, char mark, int64_t& year) {
    const bool negative = c.Take('-');
    if (!ReadNumber(c, mark, year)) return false;
    if (negative) year = -year;
    return true;
}

// "(-1234)" always; "-1234" only where the minus cannot be read as one more separator.
bool ReadTrailYear(Cursor& c, char separator, char mark, int64_t& year) {
    bool negative = false;
    bool closing = false;
    if (c.Take('(')) {
        if (!c.Take('-')) return false;
        negative = closing = true;
    } else if (separator != '-') {
        negative = c.Take('-');
    }
    if (!ReadNumber(c, mark, year) || (closing && !c.Take(')'))) return false;
    if (negative) year = -year;
    return true;
}

struct Ymd {
    int64_t year = 0, month = 0, day = 0;
};

bool ReadCalendarShape(Cursor& c, char s, char mark, DatePr2::DateOrder order, Ymd& date) {
    if (order == DatePr2::DateOrder::YMD)
        return ReadLeadYear(c, mark, date.year) && c.Take(s) && ReadMonthDay(c, date.month) &&
               c.Take(s) && ReadMonthDay(c, date.day) && c.AtEnd();
    const bool dayFirst = order == DatePr2::DateOrder::DMY;
    int64_t& first = dayFirst ? date.day : date.month;
    int64_t& second = dayFirst ? date.month : date.day;
    return ReadMonthDay(c, first) && c.Take(s) && ReadMonthDay(c, second) && c.Take(s) &&
           ReadTrailYear(c, s, mark, date.year) && c.AtEnd();
}

Field CalendarDate(const Ymd& date, int32_t letter) {
    Field field;
    if (date.year > largestYear || date.year < -largestYear) {
        field.refusal = Refusal::OutOfRange;
        return field;
    }
    // Months and days are at most two digits and years nine: every number fits.
    DateRecord rec{static_cast<int32_t>(date.year),
                   static_cast<int32_t>(date.month),
                   static_cast<int32_t>(date.day),
                   letter,
                   0,
                   0};
    const int32_t answer = mibrexw_date_to_jdn(&rec);
    if (answer == 0) {
        field.value = rec.jdn;
    } else if (answer == -5) {
        field.refusal = Refusal::OutOfRange;
    } else if (const int32_t months = mibrexw_months_in_year(letter, rec.year);
               rec.month < 1 || rec.month > months) {
        field.refusal = Refusal::NoSuchMonth;
        field.limit = months;
    } else {
        field.refusal = Refusal::NoSuchDay;
        field.limit = mibrexw_days_in_month(letter, rec.year, rec.month);
    }
    return field;
}

int32_t NewYearJdn(int32_t year) {
    DateRecord rec{year, 1, 1, DatePr2::letterGregorian, 0, 0};
    return euro_date_to_jdn(&rec);
}

Field YyyydddDate(std::string_view text) {
    Field field;
    const bool shape = text.size() == 7 && std::all_of(text.begin(), text.end(), IsDigit);
    if (!shape) {
        field.refusal = Refusal::Shape;
        return field;
    }
    const auto digitsValue = [text](std::size_t from, std::size_t count) {
        int32_t value = 0;
        for (std::size_t i = from; i < from + count; ++i)
            value = value * 10 + (text[i] - '0');
        return value;
    };
    const int32_t year = digitsValue(0, 4);
    const int32_t day = digitsValue(4, 3);
    if (year == 0) {
        field.refusal = Refusal::NoSuchYear;
        return field;
    }
    const int32_t first = NewYearJdn(year);
    const int32_t length = NewYearJdn(year + 1) - first;
    if (day < 1 || day > length) {
        field.refusal = Refusal::NoSuchDay;
        field.limit = length;
        return field;
    }
    field.value = first + day - 1;
    return field;
}

Field WeekDate(std::string_view text) {
    using DateJobs::WeekTextError;
    const DateJobs::WeekTextRead read = DateJobs::ReadIsoWeekText(text);
    Field field;
    field.value = read.jdn;
    field.limit = read.limit;
    switch (read.error) {
    case WeekTextError::none:
        break;
    case WeekTextError::noSuchWeek:
        field.refusal = Refusal::NoSuchMonth;
        break;
    case WeekTextError::noSuchWeekday:
        field.refusal = Refusal::NoSuchDay;
        break;
    case WeekTextError::outOfRange:
        field.refusal = Refusal::OutOfRange;
        break;
    case WeekTextError::shape:
        field.refusal = Refusal::Shape;
        break;
    }
    return field;
}

// The largest value of each place after the baktun: katun, tun, uinal, kin.
constexpr std::array<int32_t, 4> placeLimits{19, 19, 17, 19};

Field LongCountDate(std::string_view text) {
    Cursor c{text};
    Field field;
    LongCount count{};
    count.negative = c.Take('-') ? 1 : 0;
    int64_t baktun = 0;
    if (!ReadNumber(c, 0, baktun)) {
        field.refusal = Refusal::Shape;
        return field;
    }
    std::array<int64_t, 4> places{};
    for (int64_t& place : places) {
        if (!c.Take('.') || !ReadMonthDay(c, place)) {
            field.refusal = Refusal::Shape;
            return field;
        }
    }
    if (!c.AtEnd()) {
        field.refusal = Refusal::Shape;
        return field;
    }
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (places[i] > placeLimits[i]) {
            field.refusal = Refusal::NoSuchPlace;
            field.limit = placeLimits[i];
            return field;
        }
        count.place[i + 1] = static_cast<int32_t>(places[i]);
    }
    if (baktun > largestYear) {
        field.refusal = Refusal::OutOfRange;
        return field;
    }
    count.place[0] = static_cast<int32_t>(baktun);
    if (mibrexw_long_count_to_jdn(&count, &field.value) != 0) {
        field.refusal = Refusal::OutOfRange;
        field.value = 0;
    }
    return field;
}

bool ClockWord(std::string_view text, Field& field) {
    static constexpr std::array<std::string_view, 3> words{"yesterday", "today", "tomorrow"};
    for (std::size_t i = 0; i < words.size(); ++i) {
        const bool same = std::equal(text.begin(), text.end(), words[i].begin(), words[i].end(),
                                     [](char a, char b) { return (a | 0x20) == b; });
        if (same) {
            field.fromClock = true;
            field.clockOffset = static_cast<int32_t>(i) - 1;
            return true;
        }
    }
    return false;
}

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

Field ReadWholeNumber(std::string_view text, char thousands) {
    Cursor c{Trim(text)};
    Field field;
    const bool negative = c.Take('-');
    if (!negative) c.Take('+');
    int64_t value = 0;
    if (!ReadNumber(c, thousands, value) || !c.AtEnd()) {
        field.refusal = Refusal::Shape;
    } else if (value > DatePr2::largestDayNumber) {
        field.refusal = Refusal::OutOfRange;
    } else {
        field.value = static_cast<int32_t>(negative ? -value : value);
    }
    return field;
}

Field ReadDate(std::string_view text, const Notation& notation) {
    text = Trim(text);
    Field field;
    if (ClockWord(text, field)) return field;
    const DatePr2::KindFacts& facts = DatePr2::FactsOf(notation.kind);
    if (facts.form == DatePr2::Form::DayNumber) return ReadWholeNumber(text, notation.thousands);
    if (facts.form == DatePr2::Form::YearDay) return YyyydddDate(text);
    if (facts.form == DatePr2::Form::WeekDate) return WeekDate(text);
    if (facts.form == DatePr2::Form::LongCount) return LongCountDate(text);
    // Annus Novus dates are written with "-" and never in month-day-year order.
    const bool annusNovus = facts.letter == DatePr2::letterAnnusNovus;
    const char s = annusNovus ? '-' : notation.separator;
    const char mark = annusNovus || notation.thousands == s ? '\0' : notation.thousands;
    const DatePr2::DateOrder order = annusNovus && notation.order == DatePr2::DateOrder::MDY
                                         ? DatePr2::DateOrder::YMD
                                         : notation.order;
    Cursor c{text};
    Ymd date;
    if (!ReadCalendarShape(c, s, mark, order, date)) {
        field.refusal = Refusal::Shape;
        return field;
    }
    return CalendarDate(date, facts.letter);
}

} // namespace StrictRead
