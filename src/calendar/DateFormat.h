// DateFormat: a date written by a layout of fields ("%Y-%m-%d", "%A %d %B").
//
// Fields:
//   %Y  year of the notation's calendar, as many digits as it needs, "-" before years < 0
//   %m  month, two digits (Annus Novus Intercalarius is 11)   %d  day, two digits
//   %j  day of the year, three digits (001 .. 366)
//   %A  weekday name (the caller's)                           %B  month name (the caller's)
//   %u  ISO weekday, 1 Monday .. 7 Sunday
//   %G  ISO week-numbering year (as %Y)                        %V  ISO week, two digits
//   %J  day number (JDN)                                       %K  the notation's code
//   %n  a line feed                                            %%  a "%"
// Every other character is copied. Any other character after "%", or a "%" at the end, is an
// error, found when the layout is compiled, before any date is written.
#pragma once

#include "calendar/IsoWeek.h"
#include "calendar/MonthCalendar.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace DateJobs {

struct FormatNames {
    int32_t letter = 'G';  // the calendar of %Y %m %d %j %B: 'G', 'J' or 'A'
    std::string_view code; // %K; must outlive the DateFormat
    // %A: the weekday name of a day number. Empty: the notation has none and %A is an error.
    std::function<std::string_view(int32_t jdn)> weekday;
    // %B: the name of month 1.. of the year. Empty: the notation has none and %B is an error.
    std::function<std::string_view(int32_t year, int32_t month)> month;
};

enum class FormatError {
    none,
    unknownField,    // "%" followed by a letter that is no field
    trailingPercent, // "%" as the last character
    noWeekdayNames,  // %A where the caller has no names
    noMonthNames,    // %B where the caller has no names
};

class DateFormat {
  public:
    FormatError Compile(std::string_view layout, FormatNames names);
    // Appends the day's text to out; allocates nothing once out has grown to hold it.
    void Write(int32_t jdn, std::string& out) const;
    // The compiled layout written back ("%" as "%%"): compiles to the same layout.
    std::string LayoutText() const;

  private:
    struct Item {
        char field;     // 0 for literal text
        uint32_t begin; // literal text in literals_
        uint32_t length;
    };
    std::vector<Item> items_;
    std::string literals_;
    FormatNames names_;
    bool needsDate_ = false;
    bool needsIsoWeek_ = false;

    class Buffer; // gathers a date's text on the stack, for one append
    void WriteField(char field, int32_t jdn, const Ymd& date, const IsoWeekDate& iso,
                    Buffer& out) const;
};

// The layout field's letter is valid (for fuzzing and the help text): one of "YmdjABuGVJKn%".
bool IsFormatField(char letter);

} // namespace DateJobs
