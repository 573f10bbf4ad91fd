// Weekdays: sets of weekdays as written on the command line ("mon,tue,wed,thu,fri").
//
// Grammar (nothing else is read: no blanks, no upper case):
//   list = "" | name ("," name)*      each name at most once, in any order; "" is the empty set
//   name = "mon" | "tue" | "wed" | "thu" | "fri" | "sat" | "sun"
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace DateJobs {

// Bit w stands for weekday w, 0 Sunday .. 6 Saturday (the library's euro_day_of_week).
using WeekdaySet = uint8_t;
inline constexpr WeekdaySet kAllWeekdays = 0x7f;
inline constexpr WeekdaySet kSaturdaySunday = 0x41;

enum class WeekdayError {
    none,
    unknownName, // an item that is not one of the seven names (an empty item included)
    repeated,    // the same day twice
};

WeekdayError ParseWeekdays(std::string_view text, WeekdaySet& set); // set untouched on error
// The canonical list, Monday first ("mon,sat,sun"); read back as the same set.
std::string WeekdaysText(WeekdaySet set);
std::string_view WeekdayErrorText(WeekdayError error); // English, for logs and tests

// 0 Sunday .. 6 Saturday for any int64 day number (JDN 0 is a Monday).
inline int32_t WeekdayOf(int64_t jdn) {
    const int64_t r = (jdn + 1) % 7;
    return static_cast<int32_t>(r < 0 ? r + 7 : r);
}

inline bool Contains(WeekdaySet set, int32_t weekday) {
    return ((set >> weekday) & 1U) != 0;
}

} // namespace DateJobs
