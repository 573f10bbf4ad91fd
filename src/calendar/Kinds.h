// What a date can be written in, in one table: the calendar kinds with the facts every layer
// reads from them, and the date orders. The numbers are those the settings file stores.
// A new notation is one more row (number 5 and on); the window offers only the rows marked
// inWindow, so the settings file never holds another. The rows follow the kind numbers, which
// need not be consecutive.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace DatePr2 {

enum class Kind : int16_t { CE = 0, JC = 1, JDN = 2, AN = 3, YYYYDDD = 4, ISOWEEK = 13 };

// How a kind's text is read and written.
enum class Form : uint8_t {
    CalendarDate, // year, month and day in the date order with the date separator
    DayNumber,    // a whole number, grouped by thousands
    YearDay,      // yyyyddd: a Gregorian year and the day of that year, seven digits
    WeekDate      // ISO 8601: week-numbering year, "-W", week, "-", weekday (2026-W50-1)
};

// Calendar letters given to the library.
inline constexpr int32_t letterGregorian = 'G';
inline constexpr int32_t letterJulian = 'J';
inline constexpr int32_t letterAnnusNovus = 'A';
inline constexpr int32_t letterIsoWeek = 'W';

struct KindFacts {
    Kind kind;
    std::string_view code; // written after a date in result lines and today labels; "" none
    std::string_view name; // orv's word for it (--from, --to, JSON)
    int32_t letter;        // the library's calendar; the numbers count Gregorian years
    Form form;
    bool inWindow; // offered by the window's option buttons and stored in its settings file
};

inline constexpr std::array<KindFacts, 6> kinds{{
    {Kind::CE, "CE", "ce", letterGregorian, Form::CalendarDate, true},
    {Kind::JC, "JC", "jc", letterJulian, Form::CalendarDate, true},
    {Kind::JDN, "JDN", "jdn", letterGregorian, Form::DayNumber, true},
    {Kind::AN, "AN", "an", letterAnnusNovus, Form::CalendarDate, true},
    {Kind::YYYYDDD, "", "yyyyddd", letterGregorian, Form::YearDay, true},
    {Kind::ISOWEEK, "ISO", "isoweek", letterIsoWeek, Form::WeekDate, false},
}};

constexpr bool RowsInKindOrder() {
    for (std::size_t i = 1; i < kinds.size(); ++i)
        if (kinds[i - 1].kind >= kinds[i].kind) return false;
    return true;
}
static_assert(RowsInKindOrder(), "the rows of kinds follow the kind numbers, each once");

// A Kind only ever comes from KindOfNumber or KindOfName, so it always has its row.
constexpr const KindFacts& FactsOf(Kind kind) {
    for (const KindFacts& row : kinds)
        if (row.kind == kind) return row;
    return kinds[0];
}

// The position of a kind's row, for tables kept beside this one.
constexpr std::size_t RowOf(Kind kind) {
    for (std::size_t i = 0; i < kinds.size(); ++i)
        if (kinds[i].kind == kind) return i;
    return 0;
}

// The kind a settings file's number stands for, when the window offers it.
constexpr std::optional<Kind> KindOfNumber(int number) {
    for (const KindFacts& row : kinds)
        if (static_cast<int>(row.kind) == number && row.inWindow) return row.kind;
    return std::nullopt;
}

// The kind of orv's word for it.
constexpr std::optional<Kind> KindOfName(std::string_view name) {
    for (const KindFacts& row : kinds)
        if (row.name == name) return row.kind;
    return std::nullopt;
}

enum class DateOrder : int16_t { MDY = 0, DMY = 1, YMD = 2 };

// The order a settings file's number stands for.
constexpr std::optional<DateOrder> DateOrderOfNumber(int number) {
    if (number < 0 || number > 2) return std::nullopt;
    return static_cast<DateOrder>(number);
}

} // namespace DatePr2
