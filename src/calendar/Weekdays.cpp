#include "calendar/Weekdays.h"

#include <algorithm>
#include <array>

namespace DateJobs {
namespace {

// Monday first, as the list is written back; the number is the weekday's bit.
constexpr std::array<std::pair<std::string_view, int32_t>, 7> kNames = {
    {{"mon", 1}, {"tue", 2}, {"wed", 3}, {"thu", 4}, {"fri", 5}, {"sat", 6}, {"sun", 0}}};

} // namespace

WeekdayError ParseWeekdays(std::string_view text, WeekdaySet& set) {
    WeekdaySet read = 0;
    // Every comma ends an item, so "mon," and ",mon" hold an empty item.
    for (size_t pos = 0; !text.empty() && pos <= text.size();) {
        const size_t comma = std::min(text.find(',', pos), text.size());
        const std::string_view item = text.substr(pos, comma - pos);
        int32_t weekday = -1;
        for (const auto& [name, bit] : kNames) {
            weekday = item == name ? bit : weekday;
        }
        if (weekday < 0) {
            return WeekdayError::unknownName;
        }
        if (Contains(read, weekday)) {
            return WeekdayError::repeated;
        }
        read = static_cast<WeekdaySet>(read | (1U << weekday));
        pos = comma + 1;
    }
    set = read;
    return WeekdayError::none;
}

std::string WeekdaysText(WeekdaySet set) {
    std::string text;
    for (const auto& [name, bit] : kNames) {
        if (Contains(set, bit)) {
            text += text.empty() ? "" : ",";
            text += name;
        }
    }
    return text;
}

std::string_view WeekdayErrorText(WeekdayError error) {
    switch (error) {
    case WeekdayError::none:
        return "";
    case WeekdayError::unknownName:
        return "a day is not one of mon, tue, wed, thu, fri, sat, sun";
    case WeekdayError::repeated:
        return "a day is listed twice";
    }
    return "";
}

} // namespace DateJobs
