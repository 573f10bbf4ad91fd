// IsoWeekText: ISO 8601 week dates as text, the one reader and writer of the isoweek notation.
//
// Grammar (nothing else is read: no blanks, no lower-case "w"):
//   weekdate = [sign] year "-W" week "-" weekday      extended, as written: 2026-W50-1
//            | [sign] year "W" week weekday            basic: 2026W501
//   sign     = "+" | "-"
//   year     = 1*DIGIT       the week-numbering year (written with at least four digits)
//   week     = 2DIGIT        01 .. the year's 52 or 53
//   weekday  = DIGIT         1 Monday .. 7 Sunday
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace DateJobs {

enum class WeekTextError {
    none,
    shape,         // not the form of a week date
    noSuchWeek,    // limit: the weeks of that year
    noSuchWeekday, // limit: 7
    outOfRange,    // beyond the day numbers -2,100,000,000 .. 2,100,000,000
};

struct WeekTextRead {
    WeekTextError error = WeekTextError::none;
    int32_t jdn = 0;
    int32_t limit = 0;
};

WeekTextRead ReadIsoWeekText(std::string_view text);
// Appends the extended form of a day number within the day-number range.
void AppendIsoWeekText(int32_t jdn, std::string& out);

} // namespace DateJobs
