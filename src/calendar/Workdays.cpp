#include "calendar/Workdays.h"

#include "calendar/DateSpan.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace DateJobs {

WorkCalendar::WorkCalendar(WeekdaySet weekend, std::vector<int32_t> holidays)
    : weekend_(static_cast<WeekdaySet>(weekend & kAllWeekdays)),
      perWeek_(7 - std::popcount(static_cast<unsigned>(weekend_))), holidays_(std::move(holidays)) {
    // A holiday on a weekend day changes nothing; dropping it keeps every count below exact.
    std::erase_if(holidays_, [this](int32_t day) { return Contains(weekend_, WeekdayOf(day)); });
    std::sort(holidays_.begin(), holidays_.end());
    holidays_.erase(std::unique(holidays_.begin(), holidays_.end()), holidays_.end());
}

bool WorkCalendar::IsWorkday(int64_t jdn) const {
    return !Contains(weekend_, WeekdayOf(jdn)) &&
           !std::binary_search(holidays_.begin(), holidays_.end(), jdn);
}

int64_t WorkCalendar::HolidaysBetween(int64_t low, int64_t high) const {
    const auto first = std::lower_bound(holidays_.begin(), holidays_.end(), low);
    const auto last = std::lower_bound(first, holidays_.end(), high);
    return last - first;
}

int64_t WorkCalendar::CountForward(int64_t from, int64_t to) const {
    const int64_t weeks = (to - from) / 7;
    int64_t count = weeks * perWeek_; // any seven days in a row hold perWeek_ working weekdays
    for (int64_t day = from + weeks * 7; day < to; ++day) {
        count += Contains(weekend_, WeekdayOf(day)) ? 0 : 1;
    }
    return count - HolidaysBetween(from, to);
}

int64_t WorkCalendar::Count(int32_t from, int32_t to) const {
    return from <= to ? CountForward(from, to) : -CountForward(to, from);
}

int64_t WorkCalendar::StepWeekdays(int64_t start, int64_t n, int64_t direction) const {
    const int64_t weeks = (n - 1) / perWeek_;
    int64_t day = start + direction * 7 * weeks;
    for (n -= weeks * perWeek_; n > 0;) { // at most seven more days
        day += direction;
        n -= Contains(weekend_, WeekdayOf(day)) ? 0 : 1;
    }
    return day;
}

int64_t WorkCalendar::Roll(int64_t date, int64_t direction) const {
    while (!IsWorkday(date)) { // each pass crosses a weekend day or a holiday
        date += direction;
    }
    return date;
}

bool WorkCalendar::Offset(int32_t date, int64_t n, int32_t& result) const {
    constexpr int64_t kMostSteps = int64_t{1} << 40; // beyond every range, far from overflow
    if (!HasWorkdays() || n < -kMostSteps || n > kMostSteps) {
        return false;
    }
    const int64_t direction = n < 0 ? -1 : 1;
    int64_t day = Roll(date, direction);
    // Step over the weekdays, then once more for every holiday crossed, until none is.
    for (int64_t remaining = n < 0 ? -n : n; remaining > 0;) {
        const int64_t reached = StepWeekdays(day, remaining, direction);
        remaining =
            direction > 0 ? HolidaysBetween(day + 1, reached + 1) : HolidaysBetween(reached, day);
        day = reached;
    }
    if (day < kSmallestDay || day > kLargestDay) {
        return false;
    }
    result = static_cast<int32_t>(day);
    return true;
}

} // namespace DateJobs
