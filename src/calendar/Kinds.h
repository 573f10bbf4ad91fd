// What a date can be written in, in one table: the calendar kinds with the facts every layer
// reads from them, and the date orders. The numbers are those the settings file stores.
// A new notation is one more row (number 5 and on); the window offers only the rows marked
// inWindow, so the settings file never holds another.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace DatePr2 {

enum class Kind : int16_t {
    CE = 0,
    JC = 1,
    JDN = 2,
    AN = 3,
    YYYYDDD = 4,
    Hebrew = 5,
    Islamic = 6,
    Persian = 7,
    Coptic = 8,
    Ethiopic = 9,
    Indian = 10,
    French = 11,
    Mayan = 12,
    ISOWEEK = 13
};

// How a kind's text is read and written.
enum class Form : uint8_t {
    CalendarDate, // year, month and day in the date order with the date separator
    DayNumber,    // a whole number, grouped by thousands
    YearDay,      // yyyyddd: a Gregorian year and the day of that year, seven digits
    LongCount,    // b.k.t.u.k, always with ".", a minus before the whole count before creation
    WeekDate      // ISO 8601: week-numbering year, "-W", week, "-", weekday (2026-W50-1)
};

// Calendar letters given to the library.
inline constexpr int32_t letterGregorian = 'G';
inline constexpr int32_t letterJulian = 'J';
inline constexpr int32_t letterAnnusNovus = 'A';
inline constexpr int32_t letterHebrew = 'H';
inline constexpr int32_t letterIslamic = 'I';
inline constexpr int32_t letterPersian = 'P';
inline constexpr int32_t letterCoptic = 'C';
inline constexpr int32_t letterEthiopic = 'E';
inline constexpr int32_t letterIndian = 'S';
inline constexpr int32_t letterFrench = 'F';
// Not a library calendar: the Long Count has its own functions and no months.
inline constexpr int32_t letterLongCount = 'L';
inline constexpr int32_t letterIsoWeek = 'W';

// The calendars of the library's first functions (euro_*, annus_novus_*, str_to_date,
// days_elapsed), which read any other letter as Gregorian.
constexpr bool InOlderFunctions(int32_t letter) {
    return letter == letterGregorian || letter == letterJulian || letter == letterAnnusNovus;
}

struct KindFacts {
    Kind kind;
    std::string_view code; // written after a date in result lines and today labels; "" none
    std::string_view name; // orv's word for it (--from, --to, JSON)
    int32_t letter;        // the library's calendar; the numbers count Gregorian years
    Form form;
    bool inWindow; // offered by the window's option buttons and stored in its settings file
    // A difference of two dates of the kind shows whole years, months and days: only where
    // every year has the same months (Annus Novus folds Intercalarius into Decimus).
    bool breakdown;
};

// Row i describes Kind i. Codes: the eras' usual abbreviations where they are distinct (Anno
// Mundi, Anno Hegirae, Anno Persico), the Coptic Era of the Martyrs, the Ethiopian Calendar,
// the Saka Era, the Ere Republicaine, the Long Count and ISO 8601.
inline constexpr std::array<KindFacts, 14> kinds{{
    {Kind::CE, "CE", "ce", letterGregorian, Form::CalendarDate, true, true},
    {Kind::JC, "JC", "jc", letterJulian, Form::CalendarDate, true, true},
    {Kind::JDN, "JDN", "jdn", letterGregorian, Form::DayNumber, true, false},
    {Kind::AN, "AN", "an", letterAnnusNovus, Form::CalendarDate, true, true},
    {Kind::YYYYDDD, "", "yyyyddd", letterGregorian, Form::YearDay, true, true},
    {Kind::Hebrew, "AM", "hebrew", letterHebrew, Form::CalendarDate, false, false},
    {Kind::Islamic, "AH", "islamic", letterIslamic, Form::CalendarDate, false, false},
    {Kind::Persian, "AP", "persian", letterPersian, Form::CalendarDate, false, false},
    {Kind::Coptic, "EM", "coptic", letterCoptic, Form::CalendarDate, false, false},
    {Kind::Ethiopic, "EC", "ethiopic", letterEthiopic, Form::CalendarDate, false, false},
    {Kind::Indian, "SE", "indian", letterIndian, Form::CalendarDate, false, false},
    {Kind::French, "ER", "french", letterFrench, Form::CalendarDate, false, false},
    {Kind::Mayan, "LC", "mayan", letterLongCount, Form::LongCount, false, false},
    {Kind::ISOWEEK, "ISO", "isoweek", letterIsoWeek, Form::WeekDate, false, false},
}};

constexpr bool RowsInKindOrder() {
    for (std::size_t i = 0; i < kinds.size(); ++i)
        if (static_cast<std::size_t>(kinds[i].kind) != i) return false;
    return true;
}
static_assert(RowsInKindOrder(), "row i of kinds describes Kind i");

constexpr bool CodesDistinct() {
    for (std::size_t i = 0; i < kinds.size(); ++i)
        for (std::size_t j = i + 1; j < kinds.size(); ++j)
            if (!kinds[i].code.empty() && kinds[i].code == kinds[j].code) return false;
    return true;
}
static_assert(CodesDistinct(), "no two kinds are written with the same code");

// A Kind only ever comes from KindOfNumber or KindOfName, so it always has its row.
constexpr const KindFacts& FactsOf(Kind kind) {
    return kinds[static_cast<std::size_t>(kind)];
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
