// DateSpan: spans of whole years, months, weeks and days ("30", "-2w", "1y2m", "+3m-1d") and
// their addition to a day.
//
// Grammar (nothing else is read: no blanks, no upper case):
//   span   = part{1,4}            each unit at most once, in any order
//   part   = [sign] digits unit
//          | [sign] digits        only as the whole span: that many days
//   sign   = "+" | "-"            each part its own; none is "+"
//   digits = 1 to 10 of 0-9       value at most 4,200,000,000 (leading zeros allowed)
//   unit   = "y" | "m" | "w" | "d"
// The value limit is the width of the day-number range, so no larger count of any unit can
// land inside it; every sum below is taken in 64 bits and cannot overflow.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace DateJobs {

inline constexpr int32_t kSmallestDay = -2100000000;
inline constexpr int32_t kLargestDay = 2100000000;
inline constexpr int64_t kLargestSpanValue = 4200000000;

// Presence bits of Span::units.
inline constexpr uint8_t kUnitYears = 1;
inline constexpr uint8_t kUnitMonths = 2;
inline constexpr uint8_t kUnitWeeks = 4;
inline constexpr uint8_t kUnitDays = 8;

struct Span {
    int64_t years = 0;
    int64_t months = 0;
    int64_t weeks = 0;
    int64_t days = 0;
    uint8_t units = 0; // the units written, so that "0y" stays a year part
    bool operator==(const Span&) const = default;
};

enum class SpanError {
    none,
    empty,         // nothing written
    noDigits,      // a sign or unit without a number before it
    tooManyDigits, // more than 10 digits in one part
    tooLarge,      // a value beyond kLargestSpanValue
    badCharacter,  // anything outside the grammar
    repeatedUnit,  // the same unit twice
    missingUnit,   // a bare number beside other parts
};

enum class AddStatus {
    ok,
    outOfRange,     // the result (or the month reached) lies beyond kSmallestDay .. kLargestDay
    calendarNeeded, // years or months added to a day-number notation
};

SpanError ParseSpan(std::string_view text, Span& span); // span untouched unless none
// The canonical text ("1y-2m3w4d", units in that order, "+" never written): read back by
// ParseSpan as the same Span.
std::string SpanText(const Span& span);
std::string_view SpanErrorText(SpanError error); // English, for logs and tests

// jdn plus the span in the calendar of the letter ('G', 'J', 'A'; see MonthCalendar.h):
// years and months first, the day then clamped to the length of the month reached
// (2000-01-31 + 1m = 2000-02-29), then weeks and days. jdn within kSmallestDay .. kLargestDay.
AddStatus AddSpan(int32_t letter, int32_t jdn, const Span& span, int32_t& result);
// The same for a notation of bare day numbers: a span with a year or month part (even "0y")
// is refused with calendarNeeded.
AddStatus AddSpanToDayNumber(int32_t jdn, const Span& span, int32_t& result);

// jdn plus the given years, months and days (values of any size: saturated sums), as
// AddSpan does. The sequences add k steps at once through this.
AddStatus AddParts(int32_t letter, int32_t jdn, int64_t years, int64_t months, int64_t days,
                   int32_t& result);

} // namespace DateJobs
